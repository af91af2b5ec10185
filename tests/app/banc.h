// A main window ready for clicks: pictures loaded from the program
// directory, no animation waits, positions written straight onto Jeu.
#pragma once

#include <QtTest>
#include <memory>
#include <string>

#include "control/deroulement.h"
#include "display/damier2d.h"
#include "forms/tform1.h"
#include "records/fichiers.h"

namespace banc {

using namespace kolmar;

inline std::unique_ptr<TForm1> fenetre() {
    definir_repertoire_donnees(KOLMAR_DIR);
    auto f = std::make_unique<TForm1>();
    std::string manquant;
    if (!charger_images(f->affichage, manquant)) qFatal("missing picture %s", manquant.c_str());
    f->ctx().delais = Delais{0, 0, 0};
    // Two people at the board unless a test hands a side to the computer.
    f->session().contre_ordinateur = 0;
    f->Humaincontrehumain1->setChecked(true);
    nouvelle_partie(*f);
    return f;
}

// A position from a FEN, as a new game starting there.
inline bool poser(TForm1& f, const char* fen) {
    nouvelle_partie(f);
    Jeu& J = f.jeu();
    int trait = 0;
    if (!lire_fen(fen, J.damier, trait)) return false;
    J.trait = static_cast<uint8_t>(trait);
    J.plateau_depuis_damier();
    compter_pieces(J.damier, J.nb_pieces);
    commencer_partie(J.partie, J.damier, f.ctx().etat);
    f.session().trait_dernier = J.trait;
    placer_pions(f);
    compter_pions(f);
    return true;
}

// Centre of the click cell of square s in the current orientation.
inline QPoint point_de(const TForm1& f, int s) {
    int r, c;
    cellule_de_case(s, f.affichage.damier_inverse != 0, r, c);
    return QPoint(TAILLE_CELLULE * c + 20, TAILLE_CELLULE * r + 20);
}

// A real mouse press on the board, then one pass of the main loop.
inline void cliquer_point(TForm1& f, QPoint p) {
    QTest::mouseClick(f.surface, Qt::LeftButton, Qt::NoModifier, p);
    passe_boucle(f, false);
}
inline void cliquer(TForm1& f, int s) { cliquer_point(f, point_de(f, s)); }

// The board as text "W:..:B.." for comparisons.
inline std::string position(TForm1& f) { return ecrire_fen(f.jeu().plateau_affiche, f.jeu().trait); }

}  // namespace banc
