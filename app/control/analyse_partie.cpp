#include "control/analyse_partie.h"

#include <cstring>

#include "control/commandes.h"
#include "control/controleur.h"
#include "control/deroulement.h"
#include "control/marques.h"
#include "control/navigation.h"
#include "control/textes_parties.h"
#include "control/tour_ordinateur.h"
#include "engine/analyse.h"
#include "lang/messages.h"
#include "records/fichiers.h"

namespace kolmar {

namespace {

void montrer_lignes(Controleur& f) {
    const Contexte& C = f.ctx();
    f.vue().lignes_analyse(lignes_longues(C.analyse, C.langue), lignes_courtes(C.analyse, C.langue));
}

// The end of an analysis, once its loop has returned. A training session
// learns without asking, so "Apprendre ?" stays hidden then.
void fermer_analyse(Controleur& f, bool demander = true) {
    Session& S = f.session();
    Options& O = f.options();
    S.analyse_ouverte = false;
    S.fin_analyse = false;
    O.reflexion_adverse = S.reflexion_avant_analyse;
    f.vue().options(O);
    S.arret_calcul = 1;
    f.vue().montrer(Panneau::Form4, false);
    // Asked only when a yes can be followed: "Oui" would do nothing
    // without a word otherwise.
    f.vue().montrer(Panneau::Learn, demander && apprentissage_possible(f));
    regles_match(f);
}

// A training session goes on after the analysis of its game: the final
// position is learned (the window asks where to write the lessons) and
// the computer starts a new game against itself.
void suite_session(Controleur& f) {
    fermer_analyse(f, false);
    if (Learn_yesClick(f)) {
        const std::string chemin = f.vue().fichier_lecons();
        if (!chemin.empty()) apprendre_dans(f, chemin);
    }
    if (!f.ctx().entrainement.active) return;
    partie_entrainement(f, true, NOM_KOLMAR);
    nouvelle_partie(f);
}

}  // namespace

void Debuteruneanalyse1Click(Controleur& f) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    Jeu& J = f.jeu();
    S.analyse_demandee = false;
    if (S.analyse_ouverte || S.tour == Tour::reflexion || match_en_cours(f) || !moteur_pret(f)) return;
    if (J.partie.demi_coup_courant <= 0) return;
    if (S.recherche_en_cours) {
        S.analyse_demandee = true;
        S.arret_calcul = 1;
        return;
    }

    f.vue().montrer(Panneau::Form4, true);
    S.arret_calcul = 1;
    S.reflexion_avant_analyse = f.options().reflexion_adverse;
    f.options().reflexion_adverse = false;
    f.vue().options(f.options());
    S.analyse_ouverte = S.analyse_en_cours = true;
    S.arret_phase = S.fin_analyse = false;
    C.analyse = Analyse{};
    regles_match(f);
    montrer_lignes(f);

    // The engine's copy of the game: the record, the committed position.
    Jeu& E = *C.jeu_moteur;
    E.partie = J.partie;
    std::memcpy(E.damier, J.plateau_affiche, TAILLE_DAMIER);
    E.damier[0] = BORD;
    E.plateau_depuis_damier();
    E.trait = J.trait;
    Moteur& m = *C.moteur;
    m.limites.engineBudget = C.controle.engineBudget;
    m.limites.periodLimit = C.controle.periodLimit;
    m.limites.regles_nulle = f.options().regles_nulle;

    const uint64_t version = S.version_position;
    RappelsAnalyse r;
    r.sonder = [&] {
        f.vue().traiter_evenements(false);
        // A press on the board during the analysis is not a move.
        S.saisies.clear();
        S.appui_en_file = false;
        if (S.fin_analyse || S.fin_programme || S.version_position != version) return ArretAnalyse::tout;
        if (S.arret_phase) {
            S.arret_phase = false;
            return ArretAnalyse::phase;
        }
        return ArretAnalyse::aucun;
    };
    r.position = [&](int) { f.vue().placer_pions(E.plateau_affiche); };
    r.ligne = [&](const Analyse&) { montrer_lignes(f); };
    S.recherche_en_cours = true;
    analyser_partie(m, C.analyse, r);
    S.recherche_en_cours = false;
    S.analyse_en_cours = false;
    S.arret_phase = false;
    // The analysis was nobody's turn: the side to move starts afresh.
    demarrer_tours(C.horloges);

    montrer_lignes(f);
    // The game's position again, unless the user has moved elsewhere.
    if (S.version_position == version) placer_pions(f);
    if (S.fin_analyse || S.fin_programme || S.version_position != version)
        fermer_analyse(f);
    else if (C.entrainement.active && f.options().ordinateurs)
        suite_session(f);
    else
        regles_match(f);
}

void Arretercettephase1Click(Controleur& f) {
    if (f.session().analyse_en_cours) f.session().arret_phase = true;
}

void Terminerlanalyse1Click(Controleur& f) {
    Session& S = f.session();
    if (S.analyse_en_cours) {
        // The loop ends at its next poll and closes the analysis then.
        S.fin_analyse = true;
        return;
    }
    if (S.analyse_ouverte) fermer_analyse(f);
}

bool BitBtn2Click(Controleur& f, const std::string& chemin) {
    const Contexte& C = f.ctx();
    std::string t;
    for (const std::string& l : lignes_a_sauver(C.analyse, C.langue)) t += l + "\n";
    RaisonEchec raison = RaisonEchec::aucune;
    if (ecrire_fichier_sur(chemin, t.data(), t.size(), &raison)) return true;
    f.vue().erreur(texte_resultat(ResultatFichier::echec_ecriture(raison), C.langue));
    return false;
}

void clic_ligne_analyse(Controleur& f, int ligne) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    Jeu& J = f.jeu();
    const int w = demi_coup_de_ligne(C.analyse, ligne);
    Terminerlanalyse1Click(f);
    if (w < 0 || w > J.partie.dernier_demi_coup) return;
    J.partie.demi_coup_courant = w;
    EtatTour e = etat_tour(f);
    restaurer_position(J, C.horloges, e);
    // Plies of the same parity as the analysed position share its side to move.
    const int ecart = C.analyse.w0 - w;
    J.trait = static_cast<uint8_t>(ecart % 2 == 0 ? C.analyse.trait_depart : 1 - C.analyse.trait_depart);
    S.tour = Tour::repos;
    effacer_saisie(f);
    position_changee(f);
    placer_pions(f);
    compter_pions(f);
    f.vue().horloges(C.horloges);
    J.partie.selection = w > 0 ? (w - 1) / 2 : -1;
    f.vue().selection_liste(J.partie.selection);
    regles_match(f);
    montrer_marques(f);
}

}  // namespace kolmar
