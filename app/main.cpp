#include <QApplication>
#include <QEventLoop>
#include <string>

#include "control/commandes.h"
#include "control/deroulement.h"
#include "forms/tform1.h"
#include "records/fichiers.h"
#include "lang/textes.h"

int main(int argc, char** argv) {
    using namespace kolmar;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(texte(Texte::TitreApplication)));

    TForm1 form;
    form.show();
    // The start screen until a board is chosen; its button opens the
    // game screen, the engine and the last game.
    form.ecran_depart();
    if (!form.prendre_dossier(repertoire_donnees())) return 0;
    while (form.isVisible() && !form.jeu_ouvert()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!form.jeu_ouvert() || !form.isVisible()) return 0;
    boucle_principale(form.controleur());
    return 0;
}
