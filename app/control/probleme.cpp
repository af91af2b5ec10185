#include "control/probleme.h"

#include <cstdio>
#include <cstring>

#include "control/commandes.h"
#include "control/controleur.h"
#include "control/deroulement.h"
#include "control/geometrie.h"
#include "control/marques.h"
#include "control/navigation.h"
#include "control/position.h"
#include "control/tour_ordinateur.h"
#include "lang/textes.h"
#include "lang/textes_analyse.h"

namespace kolmar {

namespace {

int pieces(const Jeu& J, int camp) {
    int n = 0;
    for (int s = 1; s <= NB_CASES; ++s) n += couleur_de(J.plateau_affiche[s], camp) ? 1 : 0;
    return n;
}

void legende_couleurjoue(Controleur& f) {
    const bool ordi = f.session().couleurjoue_ordinateur;
    f.vue().texte(Etiquette::Couleurjoue,
                  texte(ordi ? TexteAnalyse::OrdinateurJoue : TexteAnalyse::JoueurJoue, f.ctx().langue));
}

void legende_couleurordi(Controleur& f) {
    f.vue().texte(Etiquette::Couleurordi, texte_couleur_ordinateur(f.ctx().langue, f.session().couleur_ordinateur));
}

// The set-up board becomes the position of the current half-move.
void noter(Controleur& f) {
    Jeu& J = f.jeu();
    noter_position(J.partie, J.plateau_affiche, 0, 0, 0, f.ctx().etat);
    position_changee(f);
}

}  // namespace

void choisir_pion(Controleur& f, uint8_t code) {
    if (code <= DAME_NOIRE) f.session().pion_choisi = code;
}

void evaluations_statiques(Controleur& f) {
    Contexte& C = f.ctx();
    // The engine's state belongs to a search still on the stack.
    if (f.session().recherche_en_cours) return;
    Jeu& E = *C.jeu_moteur;
    std::memcpy(E.damier, f.jeu().plateau_affiche, TAILLE_DAMIER);
    E.damier[0] = BORD;
    const int blancs = score_statique(*C.moteur, BLANC) / 2;
    const int noirs = score_statique(*C.moteur, NOIR) / 2;
    char buf[64];
    std::snprintf(buf, sizeof buf, texte(TexteAnalyse::EvalStatBlancs, C.langue), blancs);
    f.vue().texte(Etiquette::Blancs, buf);
    std::snprintf(buf, sizeof buf, texte(TexteAnalyse::EvalStatNoirs, C.langue), noirs);
    f.vue().texte(Etiquette::Noirs, buf);
}

void Entrerpositionclick(Controleur& f) {
    Session& S = f.session();
    S.piece_choisie = 0;
    S.arret_calcul = 1;
    evaluations_statiques(f);
    if (S.mode_probleme) {
        quitter_probleme(f);
        return;
    }
    legende_couleurordi(f);
    S.mode_probleme = 1;
    f.vue().montrer(Panneau::Probleme, true);
    montrer_marques(f);
    // Pieces are placed on the player's turn.
    if (tour_ordinateur(S)) {
        S.couleurjoue_ordinateur = false;
        legende_couleurjoue(f);
        S.tour = Tour::repos;
    }
    regles_match(f);
}

void quitter_probleme(Controleur& f) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    S.mode_probleme = 0;
    f.vue().montrer(Panneau::Probleme, false);
    // Men placed on their crowning row would never move again.
    for (int s = 1; s <= NB_CASES; ++s)
        if (case_de_promotion(J.plateau_affiche[s], s)) poser_case(J, s, J.plateau_affiche[s] + 1);
    noter(f);
    S.partie_finie = false;
    S.trait_dernier = J.trait;
    // The game goes on from here: the set-up's time is nobody's.
    demarrer_tours(f.ctx().horloges);
    f.vue().horloges(f.ctx().horloges);
    if (!S.contre_ordinateur) S.tour = Tour::repos;
    placer_pions(f);
    compter_pions(f);
    regles_match(f);
    montrer_marques(f);
    S.nb_legaux = coups_legaux(J.gen, J.trait);
    if (pieces(J, BLANC) == 0 || pieces(J, NOIR) == 0 || S.nb_legaux == 0) {
        S.tour = Tour::repos;
        fin_de_partie(f, FIN_SANS_COUP);
    }
}

void Installeruneposition1Click(Controleur& f) {
    Session& S = f.session();
    if (S.mode_probleme) {
        Entrerpositionclick(f);
        // The set-up page would stand empty: show the engine's page.
        S.onglet_probleme = false;
        f.vue().onglet_probleme(false);
        return;
    }
    if (!OngletChanging(f)) return;
    S.onglet_probleme = true;
    f.vue().onglet_probleme(true);
    Entrerpositionclick(f);
}

bool OngletChanging(const Controleur& f) {
    const Session& S = f.session();
    return !(tour_ordinateur(S) && !S.mode_probleme) && S.tour != Tour::reflexion && !match_en_cours(f);
}

void OngletChange(Controleur& f, bool probleme) {
    Session& S = f.session();
    S.onglet_probleme = probleme;
    if (!probleme) return;
    Bibliothquesactives1Click(f, false);
    if (!S.mode_probleme) Entrerpositionclick(f);
}

void placer_piece(Controleur& f, int x, int y) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    if (!cellule_sombre(x, y)) return;
    const int s = case_du_point(x, y, f.ctx().damier_inverse != 0);
    if (s < 1 || s > NB_CASES) return;
    poser_case(J, s, S.pion_choisi);
    f.vue().dessiner_case(s, S.pion_choisi);
    poser_matchState(f, MATCH_AUCUN);
    noter(f);
    compter_pions(f);
    evaluations_statiques(f);
}

void vider(Controleur& f) {
    Jeu& J = f.jeu();
    for (int s = 1; s <= NB_CASES; ++s) {
        poser_case(J, s, VIDE);
        f.vue().dessiner_case(s, VIDE);
    }
    compter_pions(f);
    evaluations_statiques(f);
}

void remplir(Controleur& f) {
    if (f.ctx().damier_inverse) Inverser(f);
    poser_matchState(f, MATCH_AUCUN);
    nouvelle_partie(f);
    evaluations_statiques(f);
}

void Change_dir(Controleur& f) {
    Contexte& C = f.ctx();
    Jeu& J = f.jeu();
    C.damier_inverse = C.damier_inverse ? 0 : 1;
    f.vue().texte(Etiquette::Bas_Haut, texte(C.damier_inverse ? Texte::BlancsHautBas : Texte::BlancsBasHaut, C.langue));
    uint8_t tourne[TAILLE_DAMIER] = {BORD};
    for (int s = 1; s <= NB_CASES; ++s) tourne[s] = J.plateau_affiche[73 - s];
    poser_position(J, tourne);
    // Board and orientation both turn: the same picture.
    f.vue().orientation(C.damier_inverse != 0, C.options.numeroter);
    placer_pions(f);
}

void Change_couleur(Controleur& f) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    const bool blanc = S.couleur_ordinateur == 0;
    S.couleur_ordinateur = blanc ? 1 : 0;
    f.ctx().etat.couleur_ordi = S.couleur_ordinateur;
    J.trait = blanc ? BLANC : NOIR;
    legende_couleurordi(f);
}

void Couleur_joue(Controleur& f) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    S.couleurjoue_ordinateur = !S.couleurjoue_ordinateur;
    S.tour = S.couleurjoue_ordinateur ? Tour::a_jouer : Tour::repos;
    J.trait = static_cast<uint8_t>(1 - J.trait);
    legende_couleurjoue(f);
}

}  // namespace kolmar
