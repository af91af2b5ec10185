// The computer's move: the book, then iterative deepening with an
// aspiration window, within the budget of engine/temps.h.
#include <cstring>

#include "engine/book.h"
#include "engine/moteur.h"
#include "engine/temps.h"

namespace kolmar {

namespace {

// The book hook: indexes of root moves that the library proposes, one per
// proposing line.
std::vector<int> coups_du_livre(Moteur& m, int side, int n) {
    std::vector<int> choix;
    const Bibliotheque* b = m.bibliotheque;
    const int w = m.jeu.partie.demi_coup_courant;
    if (!m.limites.bibliotheque || !b || !livre_consulte(*b, w, m.jeu.nb_pieces)) return choix;
    const Coup* liste = m.jeu.gen.liste_coups[1];
    for (const CoupLivre& c : book_candidates(*b, side, m.jeu.partie, w))
        for (int i = 0; i < n; ++i)
            if (liste[i].depart == c.depart && liste[i].arrivee == c.arrivee) choix.push_back(i);
    return choix;
}

// The last line's quiet moves become the next iteration's first killers.
void semer_tueurs(Moteur& m, int s) {
    bool ligne = true;
    for (int p = 1; p < NB_PLIES - 1; ++p) {
        Pile& P = m.pile[p];
        const Coup& c = m.pv[1][p - 1];
        if (ligne && c.depart == 0) ligne = false;
        int16_t vide = (p & 1) ? -SCORE_GAIN : SCORE_GAIN;
        if (!ligne) {
            P.k1 = P.k2 = P.alpha = {0, 0, vide};
        } else if (c.nb_prises == 0) {
            P.k1 = {c.depart, c.arrivee, static_cast<int16_t>((p & 1) ? s - 290 : s + 290)};
        }
    }
}

ChoixCoup coup_choisi(const Jeu& j, int i, ChoixCoup::Genre g = ChoixCoup::Genre::coup) {
    ChoixCoup r;
    r.genre = g;
    r.index = i;
    r.coup = j.gen.liste_coups[1][i];
    return r;
}

ChoixCoup abandonne() {
    ChoixCoup r;
    r.genre = ChoixCoup::Genre::abandon;
    return r;
}

// How the move is timed.
struct Mode {
    bool reflexion;          // on the opponent's time, until stopped
    bool profondeur_fixe;    // to a depth, untimed
    bool temps_fixe;         // a fixed time per move
    bool chrono;             // the level's clock rules
    bool niveau_profondeur;  // levels whose period is 1..5 play to a depth
};

Mode mode_de(const Limites& L) {
    Mode d;
    d.reflexion = L.en_reflexion_adverse;
    d.profondeur_fixe = L.profondeur_fixe > 0;
    d.temps_fixe = !d.profondeur_fixe && L.temps_fixe_ms > 0;
    d.chrono = !d.reflexion && !d.profondeur_fixe && !d.temps_fixe;
    // A slow or loaded machine must not cut a depth level short of its depth.
    d.niveau_profondeur = d.chrono && L.engineBudget >= 1 && L.engineBudget <= 5;
    return d;
}

// The timing and the root record of a new move.
void preparer_racine(Moteur& m, const Mode& d) {
    Jeu& j = m.jeu;
    Limites& L = m.limites;
    m.debut_ms = maintenant_ms(m);
    m.temps_illimite = d.reflexion || d.profondeur_fixe || d.niveau_profondeur;
    L.temps_utilise = 0;
    effacer_tueurs(m);
    const Budget b =
        budget_temps(L.engineBudget, L.periodLimit, L.temps_camp, j.partie.demi_coup_courant, L.analyse, d.reflexion);
    m.budget_s = b.Bt;
    m.limite_arret_s = b.arret;
    m.limite_dure_s = b.L;
    std::memset(m.pv, 0, sizeof m.pv);
    m.racine.meilleur_index = -1;
    m.racine.nb = 0;
}

// The search state of a new move, and the evaluation prepared for `side`.
void preparer_evaluation_racine(Moteur& m, int side) {
    Jeu& j = m.jeu;
    for (Pile& p : m.pile) p.ext = 0, p.pres_promotion = false, p.hash_de = 0;
    m.camp_racine = static_cast<int8_t>(side);
    m.arret_calcul = false;
    m.abandon = false;
    m.inc = Incremental{};
    m.eval.code_final = 0;
    m.reduction_racine = 0;
    m.noeuds = 0;
    j.gen.ply = 1;
    preparer_evaluation(m, side);
    m.racine.score_statique = static_cast<int16_t>(evaluer(m, side, -SCORE_GAIN, SCORE_GAIN, 1));
    m.racine.meilleur_precedent = m.racine.score_statique;
}

// The aspiration window between iterations.
struct Fenetre {
    int lo = -SCORE_GAIN, hi = SCORE_GAIN;
    int F = 0;  // re-searches in a row; 1 after a second failure: full window next
    bool repetition = false;
};

// After an iteration that was not stopped: true when the same depth must be
// searched again with a wider window.
bool ajuster_fenetre(Fenetre& f, int s, bool test_seuil, bool aspiration) {
    const bool hors = s <= f.lo || s >= f.hi;
    if (hors && !f.repetition && !test_seuil) {
        if (s >= f.hi) {
            f.lo = s - 250;
            f.hi = SCORE_GAIN;
            f.F = s >= SCORE_DECISIF ? 0 : f.F + 1;
        } else {
            f.lo = -SCORE_GAIN;
            f.hi = s + 250;
            f.F = s <= -SCORE_DECISIF ? 0 : f.F + 1;
        }
        f.repetition = true;
        return true;
    }
    if (hors) {
        f.F = 1;
        f.lo = -SCORE_GAIN;
        f.hi = SCORE_GAIN;
    } else {
        f.F = 0;
        if (s > -SCORE_DISTANCE && aspiration) f.lo = s - 250;
        if (s < SCORE_DISTANCE && aspiration) f.hi = s + 250;
    }
    f.repetition = false;
    return false;
}

// With a fixed time per move: whether the next iteration may start. With
// temps_entier, a move's own time (no later move can use it) is spent to its
// end. Otherwise, and for a clock's share, the next iteration costs about
// the last one times the growth seen between the last two, and starts when
// half of that still fits, since a cut iteration keeps the root moves it
// finished.
bool iteration_tient(const Moteur& m, int64_t ecoule_ms, int64_t duree, int64_t duree_prec) {
    const int64_t T = m.limites.temps_fixe_ms;
    if (!m.options.tout_le_temps) return ecoule_ms * 5 < T * 2;
    if (m.options.temps_entier && !m.limites.temps_reportable) return ecoule_ms < T;
    int64_t croissance = duree_prec > 0 ? duree / duree_prec : 3;
    croissance = croissance < 2 ? 2 : croissance > 6 ? 6 : croissance;
    return ecoule_ms + duree * croissance / 2 < T;
}

// After a completed iteration of depth D: true when no deeper one follows.
// `duree` and `duree_prec`: milliseconds of this iteration and the one before.
bool assez_profond(const Moteur& m, const Mode& d, int D, int s, int F, int64_t ecoule_ms, int64_t duree,
                   int64_t duree_prec) {
    const Limites& L = m.limites;
    if (d.chrono && ecoule_ms / 1000 > m.budget_s && F != 1 && D > 5) return true;
    if (d.niveau_profondeur && D >= L.engineBudget + 1) return true;
    if (d.chrono && gagne(s) && F != 1) return true;
    if (L.analyse && perdu(s) && F != 1) return true;
    if (d.profondeur_fixe && D >= L.profondeur_fixe) return true;
    if (d.temps_fixe && (gagne(s) || perdu(s) || !iteration_tient(m, ecoule_ms, duree, duree_prec))) return true;
    return false;
}

// The deepening loop. False when the search was abandoned.
bool approfondir(Moteur& m, const Mode& d) {
    Limites& L = m.limites;
    Racine& R = m.racine;
    Sauvegarde depart;
    sauver(m, depart);
    Fenetre f;
    int precedent = m.dernier_score;
    int64_t fin_prec = 0, duree_prec = 0;  // milliseconds since the move began
    int D = 1;
    while (D < PROFONDEUR_MAX) {
        restaurer(m, depart);
        m.reduction_racine = 0;
        m.poll = 0;
        m.inc.bilan = 0;
        m.profondeur = D;
        m.hash.D = D;
        std::memcpy(m.pv_prec, m.pv[1], sizeof m.pv_prec);
        m.suivre_pv = true;
        const bool test_seuil = d.profondeur_fixe && L.profondeur_seuil > 0 && D >= L.profondeur_seuil;
        if (test_seuil) f.lo = L.seuil - 1, f.hi = L.seuil;
        int s = search_max(m, f.lo, f.hi, 1);
        restaurer(m, depart);

        if (!m.arret_calcul) {
            if (ajuster_fenetre(f, s, test_seuil, m.options.aspiration)) continue;
        } else {
            s = m.abandon ? 0 : precedent;
        }
        m.dernier_score = static_cast<int16_t>(s);
        precedent = s;
        R.meilleur_precedent = static_cast<int16_t>(s);
        if (d.reflexion && m.rappels.afficher_progression) m.rappels.afficher_progression(lignes_progression(m, s));
        if (!m.arret_calcul && m.rappels.fin_iteration) m.rappels.fin_iteration(D, s, m.noeuds);
        semer_tueurs(m, s);
        if (m.rappels.traiter_messages) m.rappels.traiter_messages();

        const int64_t ecoule_ms = maintenant_ms(m) - m.debut_ms;
        if (m.arret_calcul) {
            if (!d.reflexion) L.temps_utilise = static_cast<int32_t>(ecoule_ms / 1000);
            if (m.abandon) return false;
            break;
        }
        const int64_t duree = ecoule_ms - fin_prec;
        if (assez_profond(m, d, D, s, f.F, ecoule_ms, duree, duree_prec)) break;
        fin_prec = ecoule_ms;
        duree_prec = duree;
        ++D;
    }
    return true;
}

}  // namespace

ChoixCoup choisir_coup(Moteur& m, int side) {
    Jeu& j = m.jeu;
    Limites& L = m.limites;
    j.damier[0] = BORD;
    const FonctionOrdre ancien = j.gen.ordonner;
    void* const ancien_ctx = j.gen.ordonner_ctx;
    installer_ordre(m);
    struct Remise {
        Jeu& j;
        FonctionOrdre o;
        void* c;
        ~Remise() {
            j.gen.ordonner = o;
            j.gen.ordonner_ctx = c;
            j.gen.ply = 1;
        }
    } remise{j, ancien, ancien_ctx};

    const int w = j.partie.demi_coup_courant;
    const Mode d = mode_de(L);
    preparer_racine(m, d);
    compter_pieces(j.damier, j.nb_pieces);
    const uint8_t* np = j.nb_pieces;
    if (np[1] + np[2] == 0 || np[3] + np[4] == 0) return ChoixCoup{};
    preparer_evaluation_racine(m, side);

    const int n = generer_coups(j.gen, side);
    if (n == 0) return ChoixCoup{};
    if (n == 1 && !(L.analyse && w >= L.longueur_analyse)) {
        if (L.analyse) m.dernier_score = SCORE_COUP_UNIQUE;
        if (!d.reflexion) return coup_choisi(j, 0, ChoixCoup::Genre::coup_unique);
    }
    std::vector<int> livre = coups_du_livre(m, side, n);
    if (!livre.empty())
        return coup_choisi(j, livre[std::uniform_int_distribution<size_t>(0, livre.size() - 1)(m.hasard)]);

    m.score_analyse = static_cast<int16_t>(-m.dernier_score);
    m.hash.M = w;
    m.hash.par_noeud = m.options.horizon_noeud;
    m.hash.seaux = m.options.seaux;
    if (!approfondir(m, d)) return abandonne();
    if (!d.reflexion) L.temps_utilise = static_cast<int32_t>((maintenant_ms(m) - m.debut_ms) / 1000);

    const Racine& R = m.racine;
    // Stopped before a root move was done: the list's first, the best of
    // the iteration before.
    if (R.meilleur_index < 0) return coup_choisi(j, 0);
    // The list of ply 1 was reordered by the last iteration: find the move.
    const Coup* liste = j.gen.liste_coups[1];
    for (int i = 0; i < j.gen.nb_coups[1]; ++i)
        if (meme_prise(liste[i], R.meilleur)) return coup_choisi(j, i);
    return coup_choisi(j, 0);
}

void reflechir(Moteur& m, int trait) {
    bool avant = m.limites.en_reflexion_adverse;
    m.limites.en_reflexion_adverse = true;
    choisir_coup(m, trait);
    m.limites.en_reflexion_adverse = avant;
}

}  // namespace kolmar
