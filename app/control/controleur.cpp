#include "control/controleur.h"

#include "control/commandes.h"
#include "control/deroulement.h"
#include "control/navigation.h"
#include "lang/textes.h"

namespace kolmar {

Controleur::Controleur(Vue& vue) : vue_(&vue) {
    ctx_.etat.nom_blanc = texte(Texte::Inconnu);
    ctx_.etat.nom_noir = texte(Texte::Kolmar);
    ctx_.moteur->bibliotheque = &ctx_.bibliotheque;
}

uint8_t matchState(const Controleur& f) {
    return f.ctx().match.matchState;
}

void poser_matchState(Controleur& f, uint8_t etat) {
    f.ctx().match.matchState = etat;
}

bool match_en_cours(const Controleur& f) {
    const uint8_t e = matchState(f);
    return e != MATCH_AUCUN && e != MATCH_COMPTE;
}

void demarrer(Controleur& f) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    // A first game is against the computer, which plays black, at
    // "5 : Excellence", clocks at zero and running.
    S.contre_ordinateur = 1;
    S.couleur_ordinateur = 1;
    C.etat.couleur_ordi = 1;
    C.options = Options{};
    C.moteur->limites.bibliotheque = C.bibliotheque.actives;
    choisir_niveau(f, NIVEAU_EXCELLENCE);
    remettre_a_zero(C.horloges);
    C.horloges.timer_actif = true;
    f.vue().minuterie(true);
    f.vue().horloges(C.horloges);
    f.vue().options(C.options);
    f.vue().taille_hash(C.moteur->hash.menu);
    f.vue().orientation(C.damier_inverse != 0, C.options.numeroter);
    nouvelle_partie(f);
    f.vue().texte(Etiquette::Couleurordi, texte_couleur_ordinateur(C.langue, S.couleur_ordinateur));
    afficher_noms(f);
    regles_match(f);
}

bool charger_moteur(Controleur& f, std::string& erreur, const std::string& dir) {
    Contexte& C = f.ctx();
    Moteur& m = *C.moteur;
    if (!charger_donnees_moteur(m, erreur, dir)) return false;
    // Without tables or learned positions the computer still plays.
    charger_finales(*C.finales, dir);
    charger_positions(*C.finales, dir);
    m.finales = C.finales.get();
    charger_bibliotheques(C.bibliotheque, dir);
    m.bibliotheque = &C.bibliotheque;
    m.limites.bibliotheque = C.bibliotheque.actives;
    return true;
}

bool moteur_pret(const Controleur& f) {
    return f.ctx().moteur && f.ctx().moteur->hash.entrees != nullptr;
}

}  // namespace kolmar
