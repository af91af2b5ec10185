// The main window's "Paramétrage" menu: the two opening editors.
#include <QLineEdit>
#include <algorithm>

#include "forms/fenetre_ouvertures.h"
#include "forms/tform1.h"

namespace kolmar {

// The editor shown with the game's moves ready to add; both editors get
// the line, as either may be opened next.
void TForm1::montrer_editeur(FenetreOuvertures* editeur) {
    const Partie& pt = ctrl_.jeu().partie;
    const int w = std::clamp(pt.demi_coup_courant, 0, static_cast<int>(DEMI_COUPS_LIVRE));
    const QString ligne = QString::fromStdString(ligne_de_partie(pt, w));
    for (FenetreOuvertures* e : {Form2, Form3}) e->Nouvelle_Ouverture->setText(ligne);
    editeur->ouvrir(ligne);
}

}  // namespace kolmar
