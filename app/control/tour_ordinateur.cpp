#include "control/tour_ordinateur.h"

#include <algorithm>
#include <cstring>

#include "control/commandes.h"
#include "control/controleur.h"
#include "control/deroulement.h"
#include "control/navigation.h"
#include "lang/textes.h"

namespace kolmar {

namespace {

int pieces_camp(const Jeu& J, int camp) {
    return camp == NOIR ? J.nb_pieces[PION_NOIR] + J.nb_pieces[DAME_NOIRE]
                        : J.nb_pieces[PION_BLANC] + J.nb_pieces[DAME_BLANCHE];
}

// Clock values come from files too: a hostile one must not overflow.
constexpr int64_t SECONDES_MAX = 100000000;

int32_t borner(int64_t s) {
    return static_cast<int32_t>(std::clamp<int64_t>(s, 0, SECONDES_MAX));
}

// The names follow the players: the computer's side is "Kolmar", and
// without a computer nobody is.
void noms_selon_mode(Controleur& f) {
    Contexte& C = f.ctx();
    const std::string kolmar = NOM_KOLMAR, inconnu = texte(Texte::Inconnu);
    std::string* noms[2] = {&C.etat.nom_blanc, &C.etat.nom_noir};
    if (f.session().contre_ordinateur == 0) {
        for (std::string* n : noms)
            if (*n == kolmar) *n = inconnu;
    } else if (!f.options().ordinateurs) {
        const int ordi = f.session().couleur_ordinateur == 1 ? 1 : 0;
        if (*noms[1 - ordi] == kolmar) *noms[1 - ordi] = inconnu;
        *noms[ordi] = kolmar;
    }
    afficher_noms(f);
}

}  // namespace

EtatTour etat_tour(Controleur& f) {
    Session& S = f.session();
    return EtatTour{S.arret_calcul,       S.tour,      f.ctx().match.matchState, S.trait_dernier,
                    S.couleur_ordinateur, f.ctx().etat};
}

ChoixCoup rechercher(Controleur& f, int trait, bool reflexion) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    Jeu& J = f.jeu();
    Jeu& E = *C.jeu_moteur;
    Moteur& m = *C.moteur;
    Limites& L = m.limites;
    L.en_reflexion_adverse = reflexion;
    L.engineBudget = C.controle.engineBudget;
    L.periodLimit = C.controle.periodLimit;
    L.regles_nulle = f.options().regles_nulle;
    // The side's clock as it stands now: when the computer takes over a
    // turn already running (colours exchanged), its time goes on.
    const Horloges& h = C.horloges;
    const int64_t base = trait == NOIR ? h.base_noir : h.base_blanc;
    const int64_t debut = trait == NOIR ? h.debut_noir : h.debut_blanc;
    const int64_t en_cours = !reflexion && h.timer_actif ? std::max<int64_t>(0, h.horodatage() - debut) : 0;
    L.temps_camp = borner(base + en_cours);
    if (!reflexion) f.vue().effacer_calcul();

    copier_pour_moteur(J, J.plateau_affiche, E);
    const uint64_t version = S.version_position;
    S.recherche_en_cours = true;
    S.arret_calcul = 0;
    auto pomper = m.rappels.traiter_messages;
    m.rappels.traiter_messages = [&] {
        f.vue().traiter_evenements(false);
        if (S.arret_calcul || S.fin_programme) m.arret_calcul = true;
        if (S.version_position != version) m.arret_calcul = m.abandon = true;
    };
    m.rappels.afficher_temps = [&](int secondes) {
        if (S.version_position != version) return;
        regler_horloge(C.horloges, static_cast<uint8_t>(trait), borner(secondes), S.en_reflexion_adverse != 0);
        f.vue().horloges(C.horloges);
    };
    m.rappels.afficher_progression = [&](const std::vector<std::string>& lignes) { f.vue().progression(lignes); };
    m.rappels.ligne_racine = [&](const std::string& l, bool en_cours_) { f.vue().ligne_racine(l, en_cours_); };

    ChoixCoup choix = choisir_coup(m, trait);

    m.rappels.traiter_messages = pomper;
    m.rappels.afficher_temps = nullptr;
    m.rappels.afficher_progression = nullptr;
    m.rappels.ligne_racine = nullptr;
    L.en_reflexion_adverse = false;
    S.recherche_en_cours = false;
    const bool change = S.version_position != version;
    if (!change && !reflexion) {
        // The clock gets the whole time of the move, past the last poll too.
        regler_horloge(C.horloges, static_cast<uint8_t>(trait),
                       borner(static_cast<int64_t>(L.temps_camp) + L.temps_utilise), false);
        f.vue().horloges(C.horloges);
    }
    if (S.taille_hash_attente >= 0) {
        const int t = S.taille_hash_attente;
        S.taille_hash_attente = -1;
        choisir_taille_hash(f, t);
    }
    if (change || S.partie_finie) choix = ChoixCoup{ChoixCoup::Genre::abandon, -1, Coup{}};
    return choix;
}

bool proposer_nul(const Controleur& f, int score) {
    const Jeu& J = f.jeu();
    int total = 0, dames = 0;
    for (int s = 1; s <= NB_CASES; ++s) {
        uint8_t p = J.plateau_affiche[s];
        if (p >= PION_BLANC && p <= DAME_NOIRE) ++total;
        if (p == DAME_BLANCHE || p == DAME_NOIRE) ++dames;
    }
    const int n = J.partie.demi_coup_courant;
    if (total > 4 || dames == 0 || n <= 20 || !ordinaire(score)) return false;
    for (int k = n; k > n - 20; --k)
        if (J.partie.partie[k][OFS_PRISE] != 0) return false;
    return true;
}

bool nul_ordinateurs(const Controleur& f, int score) {
    const Jeu& J = f.jeu();
    const int n = J.partie.demi_coup_courant;
    return n > 400 && n < NB_ENREGISTREMENTS && J.partie.materiel[n] == J.partie.materiel[n - 60] && score > -20000 &&
           score < 20000;
}

void tour_de_l_ordinateur(Controleur& f) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    Contexte& C = f.ctx();
    S.reflexion_faite = false;
    // Without the engine's data, or once the game is over, the move stays
    // with the human.
    if (!moteur_pret(f) || S.partie_finie) {
        S.tour = Tour::repos;
        return;
    }
    Moteur& m = *C.moteur;
    for (uint8_t& s : S.dernier_coup_ordi) {
        if (s) f.vue().dessiner_case(s, J.plateau_affiche[s]);
        s = 0;
    }
    S.en_reflexion_adverse = 0;
    compter_pions(f);
    if (controler_temps(f)) {
        S.tour = Tour::repos;
        return;
    }

    S.tour = Tour::reflexion;
    regles_match(f);
    f.vue().sablier(true);
    S.couleur_ordinateur = J.trait == NOIR ? 1 : 0;
    C.etat.couleur_ordi = S.couleur_ordinateur;
    f.vue().texte(Etiquette::Couleurordi, texte_couleur_ordinateur(C.langue, S.couleur_ordinateur));

    const uint8_t camp = J.trait;
    const ChoixCoup reponse = rechercher(f, camp, false);

    f.vue().sablier(false);

    if (reponse.genre == ChoixCoup::Genre::abandon) {
        // The game changed under the search. Still thinking: the computer
        // goes on when the side to move is its own. Asked to play again
        // meanwhile (colours exchanged, a new game where it opens): it does.
        // Sent back to rest (a move taken back): it rests.
        if (S.tour == Tour::reflexion) S.tour = J.trait == S.couleur_ordinateur ? Tour::a_jouer : Tour::repos;
        if (f.options().ordinateurs) S.tour = Tour::a_jouer;
        if (S.partie_finie) S.tour = Tour::repos;
        regles_match(f);
        return;
    }
    const Jeu& E = *C.jeu_moteur;
    if (reponse.genre == ChoixCoup::Genre::aucun_coup) {
        S.tour = Tour::repos;
        regles_match(f);
        fin_de_partie(f, FIN_SANS_COUP);
        return;
    }

    const Coup* liste = E.gen.liste_coups[1];
    const int choisi = reponse.index;
    int joue = choisi;
    // "0 : Néophyte" ahead in material plays its second choice.
    if (!reponse.unique() && C.controle.levelCode == 0 && E.gen.nb_coups[1] > 1 &&
        pieces_camp(E, camp) > pieces_camp(E, 1 - camp))
        joue = 1;
    const Coup c = liste[joue];
    f.vue().montrer(Panneau::Zut, joue != choisi && !meme_prise(liste[joue], liste[choisi]));

    const int score = m.dernier_score;
    if (proposer_nul(f, score)) f.vue().montrer(Panneau::Match_nul, true);

    jouer_coup_ordinateur(f, c);
    if (f.options().bip) f.vue().son(Son::coup);

    if (f.options().ordinateurs && !S.partie_finie && nul_ordinateurs(f, score)) fin_de_partie(f, FIN_NULLE);
}

void reflexion_adverse(Controleur& f) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    if (!moteur_pret(f) || !f.options().reflexion_adverse || S.mode_probleme || S.veto_reflexion || S.reflexion_faite ||
        S.partie_finie || !S.contre_ordinateur || tour_ordinateur(S) || clic_en_attente(S) || S.fin_programme)
        return;
    S.reflexion_faite = true;
    S.en_reflexion_adverse = 1;
    rechercher(f, J.trait, true);
    S.en_reflexion_adverse = 0;
}

void effacer_panneaux_ordinateur(Controleur& f) {
    Session& S = f.session();
    S.reflexion_faite = false;
    for (Panneau p : {Panneau::Zut, Panneau::Match_nul, Panneau::Nulrefus}) f.vue().montrer(p, false);
    f.vue().effacer_calcul();
}

void annoncer_fin(Controleur& f, int kind, int gagnant) {
    f.vue().montrer(Panneau::Match_nul, false);
    // A training session keeps the computer playing both sides.
    if (f.options().ordinateurs && !f.ctx().entrainement.active) {
        f.options().ordinateurs = false;
        f.vue().options(f.options());
    }
    if (!f.options().commentaires) return;
    // gagnant is -1 in a match or between two people: no sound for those.
    if (kind == FIN_TEMPS_HUMAIN || kind == FIN_ABANDON)
        f.vue().son(Son::perdu);
    else if (kind == FIN_TEMPS_ORDI)
        f.vue().son(Son::gagne);
    else if (kind != FIN_NULLE && gagnant >= 0)
        f.vue().son(Son::gagne);
}

void nouvelle_partie_contre_ordinateur(Controleur& f, bool ordinateur_noir) {
    Session& S = f.session();
    S.contre_ordinateur = 1;
    f.options().humains = false;
    f.options().ordinateurs = false;
    f.vue().options(f.options());
    S.couleur_ordinateur = ordinateur_noir ? 1 : 0;
    f.ctx().etat.couleur_ordi = S.couleur_ordinateur;
    nouvelle_partie(f);
    f.vue().texte(Etiquette::Couleurordi, texte_couleur_ordinateur(f.ctx().langue, S.couleur_ordinateur));
    f.vue().montrer(Panneau::Couleurordi, true);
    // White opens: the computer moves first when it has white.
    if (!ordinateur_noir) S.tour = Tour::a_jouer;
}

void pause(Controleur& f) {
    f.session().arret_calcul = 1;
}

void ProposernulClick(Controleur& f) {
    Session& S = f.session();
    if (S.partie_finie) return;
    const int score = f.ctx().moteur->dernier_score;
    const bool accepte = S.en_reflexion_adverse == 1 ? score >= 0 : score <= 0;
    if (accepte) {
        f.vue().montrer(Panneau::Nulrefus, false);
        fin_de_partie(f, FIN_NULLE);
    } else {
        f.vue().montrer(Panneau::Nulrefus, true);
    }
}

void BitBtn14Click(Controleur& f) {
    f.vue().montrer(Panneau::Match_nul, false);
    fin_de_partie(f, FIN_NULLE);
}

void Annul_nulClick(Controleur& f) {
    f.vue().montrer(Panneau::Match_nul, false);
}

void Ordinateurcontreordinateur1Click(Controleur& f, bool coche) {
    Session& S = f.session();
    f.options().ordinateurs = coche;
    if (coche) {
        f.options().humains = false;
        S.contre_ordinateur = 1;
        f.vue().montrer(Panneau::Couleurordi, true);
    }
    f.vue().options(f.options());
}

void Ordinateur(Controleur& f) {
    Session& S = f.session();
    S.contre_ordinateur = S.contre_ordinateur ? 0 : 1;
    f.options().humains = S.contre_ordinateur == 0;
    // The two modes exclude each other.
    if (f.options().humains) f.options().ordinateurs = false;
    f.vue().options(f.options());
    f.vue().montrer(Panneau::Couleurordi, S.contre_ordinateur != 0);
    if (S.contre_ordinateur)
        f.vue().texte(Etiquette::Couleurordi, texte_couleur_ordinateur(f.ctx().langue, S.couleur_ordinateur));
    noms_selon_mode(f);
    regles_match(f);
}

void Rflexionsurtempsadverse1Click(Controleur& f, bool coche) {
    Session& S = f.session();
    f.options().reflexion_adverse = coche;
    // Pondering already under way stops now, not at the next move.
    if (!coche && S.en_reflexion_adverse) S.arret_calcul = 1;
}

void choisir_taille_hash(Controleur& f, int index) {
    Session& S = f.session();
    if (index < 0 || index >= NB_TAILLES_HASH) return;
    // The search works in the table: it is replaced once the search is over.
    if (S.recherche_en_cours) {
        S.taille_hash_attente = index;
        S.arret_calcul = 1;
        return;
    }
    Moteur& m = *f.ctx().moteur;
    if (!resize_hash(m, index)) f.vue().erreur("Erreur allocation Hash tables");
    f.vue().taille_hash(m.hash.menu);
}

void Bibliothquesactives1Click(Controleur& f, bool coche) {
    f.ctx().bibliotheque.actives = coche;
    f.ctx().moteur->limites.bibliotheque = coche;
}

}  // namespace kolmar
