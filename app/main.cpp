#include <QApplication>
#include <QMessageBox>
#include <string>

#include "control/commandes.h"
#include "control/deroulement.h"
#include "forms/tform1.h"
#include "lang/textes.h"

int main(int argc, char** argv) {
    using namespace kolmar;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(texte(Texte::TitreApplication)));

    TForm1 form;
    std::string manquant;
    if (!form.charger_images(manquant)) {
        QMessageBox::critical(nullptr, QString::fromUtf8(texte(Texte::Erreur)),
                              QString::fromUtf8(texte(Texte::ImpossibleOuvrirFichier)) + QStringLiteral("\n") +
                                  QString::fromStdString(manquant));
        return 1;
    }
    Controleur& ctrl = form.controleur();
    std::string erreur;
    if (!charger_moteur(ctrl, erreur)) {
        QMessageBox::critical(nullptr, QString::fromUtf8(texte(Texte::Erreur)), QString::fromStdString(erreur));
        return 1;
    }
    form.show();
    FormActivate(ctrl);
    boucle_principale(ctrl);
    return 0;
}
