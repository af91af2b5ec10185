// A main window ready for clicks: pictures loaded from the program
// directory, no animation waits, positions written straight onto Jeu.
#pragma once

#include <QtTest>
#include <memory>
#include <string>

#include "control/commandes.h"
#include "control/deroulement.h"
#include "control/tour_ordinateur.h"
#include "display/damier2d.h"
#include "forms/tform1.h"
#include "records/fichiers.h"

namespace banc {

using namespace kolmar;

// The window's component called nom; a misspelt name stops the test.
template <class T>
T* c(const QObject& f, const char* nom) {
    T* w = f.findChild<T*>(QString::fromLatin1(nom));
    if (!w) qFatal("no component %s", nom);
    return w;
}

inline std::unique_ptr<TForm1> fenetre() {
    definir_repertoire_donnees(KOLMAR_DIR);
    auto f = std::make_unique<TForm1>();
    std::string manquant;
    if (!f->Introduction(manquant)) qFatal("missing picture %s", manquant.c_str());
    Controleur& ctrl = f->controleur();
    ctrl.ctx().delais = Delais{0, 0, 0};
    // Two people at the board unless a test hands a side to the computer.
    ctrl.options().humains = true;
    ctrl.session().contre_ordinateur = 0;
    f->options(ctrl.options());
    nouvelle_partie(ctrl);
    return f;
}

// An option as its menu item would set it, the marks sent back.
inline void option(TForm1& f, bool Options::*champ, bool valeur) {
    f.controleur().options().*champ = valeur;
    f.options(f.controleur().options());
}

// The items of the size and level menus, by their names.
inline QAction* taille(TForm1& f, int i) {
    return c<QAction>(f, QStringLiteral("Taille_hash%1").arg(i).toLatin1().constData());
}
inline QAction* niveau(TForm1& f, int i) {
    return c<QAction>(f, niveaux[i].objet);
}

// A position from a FEN, as a new game starting there.
inline bool poser(TForm1& f, const char* fen) {
    Controleur& ctrl = f.controleur();
    nouvelle_partie(ctrl);
    Jeu& J = ctrl.jeu();
    int trait = 0;
    if (!lire_fen(fen, J.damier, trait)) return false;
    J.trait = static_cast<uint8_t>(trait);
    J.plateau_depuis_damier();
    compter_pieces(J.damier, J.nb_pieces);
    commencer_partie(J.partie, J.damier, ctrl.ctx().etat);
    ctrl.session().trait_dernier = J.trait;
    position_changee(ctrl);
    placer_pions(ctrl);
    compter_pions(ctrl);
    return true;
}

// Centre of the drawn cell of square s in the current orientation.
inline QPoint point_de(TForm1& f, int s) {
    int x, y;
    centre_de_case(s, f.controleur().ctx().damier_inverse != 0, x, y);
    return QPoint(x, y);
}

// A real mouse press on the board, then one pass of the main loop.
inline void cliquer_point(TForm1& f, QPoint p) {
    QTest::mouseClick(c<QWidget>(f, "Surface"), Qt::LeftButton, Qt::NoModifier, p);
    passe_boucle(f.controleur(), false);
}
inline void cliquer(TForm1& f, int s) {
    cliquer_point(f, point_de(f, s));
}

// The board as text "W:..:B.." for comparisons.
inline std::string position(TForm1& f) {
    return ecrire_fen(f.controleur().jeu().plateau_affiche, f.controleur().jeu().trait);
}

}  // namespace banc
