#include "control/ui_horloges.h"

#include <QAction>
#include <QTimer>

#include "control/deroulement.h"
#include "forms/tform1.h"

namespace kolmar {

void fin_de_tour_horloges(TForm1& f) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    Horloges& h = C.horloges;
    fin_de_tour(h, f.jeu().trait, S.tour_ordinateur != 0);
    C.etat.temps_blanc = h.base_blanc;
    C.etat.temps_noir = h.base_noir;
    C.etat.couleur_ordi = S.couleur_ordinateur;
}

void relancer_horloges(TForm1& f) {
    if (!relancer_si_arrete(f.ctx().horloges)) return;
    f.Timer1->start();
    f.Pause2->setChecked(false);
}

void horloges_nouvelle_partie(TForm1& f) {
    remettre_a_zero(f.ctx().horloges);
    f.afficher_horloges();
}

bool controler_temps(TForm1& f) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    if (S.matchState == 0 || S.matchState == 5) return false;
    const int points = S.couleur_ordinateur == 1 ? C.match.points_blanc : C.match.points_noir;
    PertesTemps p = verifier_temps(C.horloges, C.controle, f.jeu().partie.demi_coup_courant, S.couleur_ordinateur,
                                   points, static_cast<uint8_t>(S.matchState));
    for (int i = 0; i < p.nombre; ++i) fin_de_partie(f, p.codes[i]);
    return p.nombre > 0;
}

}  // namespace kolmar
