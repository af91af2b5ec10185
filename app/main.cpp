#include <QApplication>
#include <QMessageBox>
#include <string>

#include "control/deroulement.h"
#include "control/tour_ordinateur.h"
#include "forms/tform1.h"
#include "lang/textes.h"

int main(int argc, char** argv) {
    using namespace kolmar;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(texte(Texte::TitreApplication)));

    TForm1 form;
    std::string manquant;
    if (!charger_images(form.affichage, manquant)) {
        QMessageBox::critical(nullptr, QString::fromUtf8(texte(Texte::Erreur)),
                              QString::fromUtf8(texte(Texte::ImpossibleOuvrirFichier)) + QStringLiteral("\n") +
                                  QString::fromStdString(manquant));
        return 1;
    }
    std::string erreur;
    if (!charger_moteur(form, erreur)) {
        QMessageBox::critical(nullptr, QString::fromUtf8(texte(Texte::Erreur)), QString::fromStdString(erreur));
        return 1;
    }
    form.show();
    nouvelle_partie(form);
    form.FormActivate();
    boucle_principale(form);
    return 0;
}
