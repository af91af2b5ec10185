// The main window's "Paramétrage" menu: the two opening editors, library
// sets and the switch the move driver reads.
#include <QAction>
#include <QLineEdit>
#include <algorithm>

#include "forms/fenetre_ouvertures.h"
#include "forms/tform1.h"

namespace kolmar {

namespace {

// The editor of `couleur` shown with the game's moves ready to add; both
// editors get the line, as either may be opened next.
void montrer_editeur(TForm1& f, FenetreOuvertures* editeur) {
    const Partie& pt = f.jeu().partie;
    const int w = std::clamp(pt.demi_coup_courant, 0, static_cast<int>(DEMI_COUPS_LIVRE));
    const QString ligne = QString::fromStdString(ligne_de_partie(pt, w));
    for (FenetreOuvertures* e : {f.Form2, f.Form3}) e->Nouvelle_Ouverture->setText(ligne);
    editeur->ouvrir(ligne);
}

}  // namespace

void TForm1::Ouverturespourlesblancs1Click() { montrer_editeur(*this, Form2); }

void TForm1::Ouverturespourlesnoirs1Click() { montrer_editeur(*this, Form3); }

void TForm1::Changerbibliothqueouvertures1Click() {
    kolmar::Changerbibliothqueouvertures1Click(this, ctx().bibliotheque, Form2, Form3, langue);
}

void TForm1::Bibliothquesactives1Click() {
    ctx().bibliotheque.actives = Bibliothquesactives1->isChecked();
    ctx().moteur->limites.bibliotheque = ctx().bibliotheque.actives;
}

}  // namespace kolmar
