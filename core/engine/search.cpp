// Alpha-beta with principal-variation windows as a pair of max and min
// nodes: scores stay in the root side's view and are never negated.
#include <array>
#include <cassert>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/moteur.h"
#include "rules/nulle.h"

namespace kolmar {

namespace {

// What forward pruning does with a quiet move that leaves the mover behind.
enum class Elagage {
    chercher,  // search it
    statique,  // its evaluation stands for its search
    sortir,    // so far behind that the node returns that evaluation at once
};

inline int signe_racine(const Moteur& m, int code) {
    return ((code <= 2) == (m.camp_racine == BLANC)) ? 1 : -1;
}

// The root move the analysed game played from this position.
bool coup_de_la_partie(const Moteur& m, const Coup& c) {
    const Partie& pt = m.jeu.partie;
    const int w = pt.demi_coup_courant;
    if (!m.limites.analyse || w < 0 || w >= m.limites.longueur_analyse || w + 1 >= NB_ENREGISTREMENTS) return false;
    return c.depart == pt.partie[w + 1][OFS_DE] && c.arrivee == pt.partie[w + 1][OFS_VERS];
}

void record_pv(Moteur& m, const Coup& c, int ply) {
    Coup* ligne = m.pv[ply];
    const Coup* suite = m.pv[ply + 1];
    ligne[0] = c;
    int k = 0;
    while (k + 1 < NB_PLIES - ply && suite[k].depart) {
        ligne[k + 1] = suite[k];
        ++k;
    }
    if (k + 1 < NB_PLIES) ligne[k + 1].depart = 0;
    m.pv[ply + 1][0].depart = 0;
}

// The clock test and the window's turn, every 5000 max nodes.
void sonder_horloge(Moteur& m) {
    if (!m.temps_illimite) {
        int64_t ecoule_ms = maintenant_ms(m) - m.debut_ms;
        if (m.limites.temps_fixe_ms > 0) {
            if (ecoule_ms >= m.limites.temps_fixe_ms) m.arret_calcul = true;
        } else {
            int64_t passe = ecoule_ms / 1000;
            int64_t total = m.limites.temps_camp + passe;
            if (passe > m.limite_arret_s || total > m.limite_dure_s) m.arret_calcul = true;
            if (m.rappels.afficher_temps) m.rappels.afficher_temps(static_cast<int>(total));
        }
    }
    if (m.rappels.traiter_messages) m.rappels.traiter_messages();
}

std::string ligne_coup_racine(const Coup& c, int score, bool en_cours) {
    char buf[48];
    std::snprintf(buf, sizeof buf, en_cours ? "%s%s%s : %5d ?<---" : "%s%s%s : %5d", nom_case[c.depart],
                  c.nb_prises ? "x" : "-", nom_case[c.arrivee], score);
    return buf;
}

inline int total_pieces(const uint8_t* np) {
    return np[1] + np[2] + np[3] + np[4];
}

// What a leaf needs to know without generating: 2 a capture exists, 1 only
// plain moves, 0 no move at all.
template <int D>
inline bool prise_dans(Bits hommes, Bits dames, Bits ennemis, Bits vides) {
    if (pas<D>(pas<D>(hommes) & ennemis) & vides) return true;
    if (!dames) return false;
    Bits glisse = dames, r = dames;
    while ((r = pas<D>(r) & vides)) glisse |= r;
    return (pas<D>(pas<D>(glisse) & ennemis) & vides) != 0;
}

int coups_possibles(const Incremental& inc, int side) {
    const Bits* p = inc.pieces;
    const Bits hommes = side == BLANC ? p[PION_BLANC] : p[PION_NOIR];
    const Bits dames = side == BLANC ? p[DAME_BLANCHE] : p[DAME_NOIRE];
    const Bits ennemis = side == BLANC ? p[PION_NOIR] | p[DAME_NOIRE] : p[PION_BLANC] | p[DAME_BLANCHE];
    const Bits vides = toutes_cases() & ~(p[1] | p[2] | p[3] | p[4]);
    if (prise_dans<0>(hommes, dames, ennemis, vides) || prise_dans<1>(hommes, dames, ennemis, vides) ||
        prise_dans<2>(hommes, dames, ennemis, vides) || prise_dans<3>(hommes, dames, ennemis, vides))
        return 2;
    Bits avance = side == BLANC ? pas<0>(hommes) | pas<1>(hommes) : pas<2>(hommes) | pas<3>(hommes);
    avance |= pas<0>(dames) | pas<1>(dames) | pas<2>(dames) | pas<3>(dames);
    return (avance & vides) ? 1 : 0;
}

#ifndef NDEBUG
void verifier(const Moteur& m) {
    Incremental r;
    recalculer_incremental(m, r);
    assert(r.somme_pos == m.inc.somme_pos);
    assert(r.somme_tempo == m.inc.somme_tempo);
    assert(std::memcmp(r.zones, m.inc.zones, sizeof r.zones) == 0);
    for (int c = 1; c <= 4; ++c) assert(r.pieces[c] == m.inc.pieces[c]);
    assert(r.cle_index == m.inc.cle_index && r.cle_verrou == m.inc.cle_verrou && r.cle_fichier == m.inc.cle_fichier);
    uint8_t np[5];
    compter_pieces(m.jeu.damier, np);
    assert(std::memcmp(np + 1, m.jeu.nb_pieces + 1, 4) == 0);
    (void)r;
}
#endif

// Every child probes the table first and its slot is far in memory: ask
// for the slots of the first moves at once, so the misses overlap.
void annoncer_fils(const Moteur& m, const Coup* liste, int n) {
    const uint8_t* d = m.jeu.damier;
    const uint32_t* K = m.hash.cles_index;
    if (n > 24) n = 24;
    for (int i = 0; i < n; ++i) {
        const Coup& c = liste[i];
        const uint8_t code = d[c.depart];
        const int nc = case_de_promotion(code, c.arrivee) ? code + 1 : code;
        uint32_t k = m.inc.cle_index ^ K[code * 72 + c.depart] ^ K[nc * 72 + c.arrivee];
        for (int p = 0; p < c.nb_prises; ++p) k ^= K[d[c.prises[p]] * 72 + c.prises[p]];
        const EntreeHash* e = &m.hash.entrees[slot(m.hash, k)];
#if defined(__x86_64__) || defined(__i386__)
        // Written out: the compiler drops a loop whose only effect is the builtin.
        asm volatile("prefetcht0 %0" : : "m"(*e));
#else
        __builtin_prefetch(e);
#endif
    }
}

}  // namespace

int64_t maintenant_ms(const Moteur& m) {
    if (m.rappels.horloge_ms) return m.rappels.horloge_ms();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void sauver(const Moteur& m, Sauvegarde& s) {
    std::memcpy(s.damier, m.jeu.damier, TAILLE_DAMIER);
    std::memcpy(s.nb_pieces, m.jeu.nb_pieces, 5);
    s.inc = m.inc;
}

void restaurer(Moteur& m, const Sauvegarde& s) {
    std::memcpy(m.jeu.damier, s.damier, TAILLE_DAMIER);
    std::memcpy(m.jeu.nb_pieces, s.nb_pieces, 5);
    m.inc = s.inc;
}

void make_move(Moteur& m, const Coup& c, int ply) {
    uint8_t* d = m.jeu.damier;
    uint8_t* np = m.jeu.nb_pieces;
    const EtatEval& e = m.eval;
    const TableHachage& t = m.hash;
    Incremental& inc = m.inc;
    auto oter = [&](int code, int s) {
        int k = code * 72 + s;
        inc.cle_index ^= t.cles_index[k];
        inc.cle_verrou ^= t.cles_verrou[k];
        inc.cle_fichier ^= t.cles_fichier[k];
        inc.pieces[code] ^= bit(s);
        inc.somme_pos -= e.valeur[code][s];
        inc.somme_tempo -= e.rang[code][s];
        uint8_t z = e.zone[code][s];
        if (z != 255) {
            --inc.zones[z];
            inc.zones[z < 5 ? 10 : 11] -= e.centre[code][s];
        }
    };
    auto poser = [&](int code, int s) {
        int k = code * 72 + s;
        inc.cle_index ^= t.cles_index[k];
        inc.cle_verrou ^= t.cles_verrou[k];
        inc.cle_fichier ^= t.cles_fichier[k];
        inc.pieces[code] ^= bit(s);
        inc.somme_pos += e.valeur[code][s];
        inc.somme_tempo += e.rang[code][s];
        uint8_t z = e.zone[code][s];
        if (z != 255) {
            ++inc.zones[z];
            inc.zones[z < 5 ? 10 : 11] += e.centre[code][s];
        }
    };
    const int code = d[c.depart];
    d[c.depart] = VIDE;
    oter(code, c.depart);
    for (int k = 0; k < c.nb_prises; ++k) {
        int s = c.prises[k];
        int pc = d[s];
        d[s] = VIDE;
        --np[pc];
        oter(pc, s);
        inc.bilan -= signe_racine(m, pc) * ((pc & 1) ? 1 : 3);
    }
    int nc = code;
    if (case_de_promotion(static_cast<uint8_t>(code), c.arrivee)) {
        nc = code + 1;
        // A first king near the horizon: look two plies further.
        if (np[nc] == 0 && ply - m.pile[ply + 1].ext - m.reduction_racine >= m.profondeur - 1 &&
            m.options.extension_promotion)
            inc.ext_promotion = 2;
        --np[code];
        ++np[nc];
        inc.bilan += 2 * signe_racine(m, code);
    }
    d[c.arrivee] = static_cast<uint8_t>(nc);
    poser(nc, c.arrivee);
    inc.derniere_arrivee = c.arrivee;
#ifndef NDEBUG
    verifier(m);
#endif
}

namespace {

// Whether a node uses the table: from ply 4, and up to 14 plies past the
// table's offset H at max nodes, 13 at min nodes. Min nodes stand at even
// plies, max nodes at odd ones.
template <bool MAX>
inline bool table_en_usage(const Moteur& m, int ply) {
    const int H = m.hash.H;
    return MAX ? (ply >= 4 && ply - H < 14) : (ply > 2 && ply - H < 13);
}

// The depth the table counts the node as searched to: the iteration's, or
// its own horizon with the reductions and extensions of its path.
inline int profondeur_table(const Moteur& m, int ply) {
    if (!m.hash.par_noeud) return m.hash.D;
    const int h = m.profondeur + m.pile[ply].ext + m.reduction_racine + m.inc.ext_promotion;
    return h < 0 ? 0 : h;
}

// Beyond the horizon, once the path's forced captures, the root reduction
// and the crowning extension are counted.
inline bool au_dela_horizon(const Moteur& m, int ply) {
    return ply - m.pile[ply].ext - m.reduction_racine - m.inc.ext_promotion > m.profondeur;
}

// Step 1. Endgame tables and learned positions.
bool sonder_connaissances(Moteur& m, int ply, int& score) {
    if (ply <= 1 || !m.finales) return false;
    const uint8_t* np = m.jeu.nb_pieces;
    const int racine = m.camp_racine;
    int16_t s;
    if (total_pieces(np) < 5 && sonder_finales(*m.finales, m.jeu.damier, np, racine, ply, s)) {
        score = s;
        return true;
    }
    if (!m.finales->positions.empty() &&
        chercher_position(*m.finales, m.inc.cle_fichier, m.inc.cle_verrou + (racine == BLANC ? 1u : 0u), s) && s != 0) {
        score = s;
        return true;
    }
    return false;
}

// Step 2. The transposition table: true with the node's score; otherwise the
// window may be narrowed, and the entry's move is kept for the ordering.
template <bool MAX>
bool sonder_table(Moteur& m, int ply, int& alpha, int& beta, int& score) {
    Pile& P = m.pile[ply];
    const EntreeHash& e = entree_de(m.hash, m.inc.cle_index, m.inc.cle_verrou, ply + m.hash.M);
    if (!e.flag || e.lock != m.inc.cle_verrou || e.ply != static_cast<uint8_t>(ply + m.hash.M)) return false;
    Borne borne;
    int sc;
    if (!lire_entree(e.flag, e.score, MAX, m.camp_racine, borne, sc)) return false;
    if (horizon_de(m.hash, e) >= profondeur_table(m, ply) + m.hash.M) {
        if (borne == Borne::exacte) {
            score = sc;
            return true;
        }
        if (borne == Borne::basse) {
            if (sc >= beta) {
                score = sc;
                return true;
            }
            if (sc > alpha) alpha = sc;
        } else {
            if (sc <= alpha) {
                score = sc;
                return true;
            }
            if (sc < beta) beta = sc;
        }
        if (m.options.coup_hash) P.hash_de = e.origine, P.hash_vers = e.destination;
    } else if (m.coup_hash_peu_profond && m.options.coup_hash) {
        P.hash_de = e.origine, P.hash_vers = e.destination;
    }
    return false;
}

// Step 3. A quiet leaf is scored without generating its moves.
template <bool MAX>
bool feuille_calme(Moteur& m, int ply, int trait, int alpha, int beta, int& score) {
    if (ply <= 1 || !au_dela_horizon(m, ply)) return false;
    const int k = coups_possibles(m.inc, trait);
#ifndef NDEBUG
    {
        Jeu& j = m.jeu;
        const int garde = j.gen.ply;
        j.gen.ply = NB_LISTES - 1;  // a list the search never reaches
        const int nb = generer_coups(j.gen, trait);
        assert(k == (nb == 0 ? 0 : j.gen.prise_max > 0 ? 2 : 1));
        (void)nb;
        j.gen.ply = garde;
    }
#endif
    if (k == 0)
        score = MAX ? score_perte(ply) : score_gain(ply);
    else if (k == 1)
        score = evaluer(m, m.camp_racine, alpha, beta, ply);
    else
        return false;
    return true;
}

// Step 4, at the root: the line shown, and how much shallower this move is
// searched than the best so far of this iteration.
void preparer_coup_racine(Moteur& m, const Coup& c, int i, int meilleur, int meilleur_i) {
    const Racine& R = m.racine;
    if (m.rappels.ligne_racine) m.rappels.ligne_racine(ligne_coup_racine(c, R.coups[i].score, true), true);
    m.reduction_racine = (meilleur_i >= 0 && c.cle < meilleur - 200) ? -1 : 0;
    if (meilleur_i >= 0 && meilleur > R.score_statique + 150 && meilleur > R.meilleur_precedent + 150 && meilleur > 200)
        m.reduction_racine = -2;
    if (!m.options.reduction_racine) m.reduction_racine = 0;
}

// Step 5. What the move's state needs before it is made.
void avant_coup(Moteur& m, const Coup& c, int ply, bool captures) {
    Jeu& j = m.jeu;
    if (ply == 1) m.eval.code_final = j.damier[c.depart];
    if (captures)
        m.inc.coups_calmes = 0;
    else
        ++m.inc.coups_calmes;
    m.inc.ext_promotion = m.inc.ext_promotion == 2 ? 1 : 0;
    const uint8_t code = j.damier[c.depart];
    m.pile[ply].pres_promotion =
        m.eval.phase != 0 && ((code == PION_NOIR && c.arrivee > 54) || (code == PION_BLANC && c.arrivee < 19));
}

// Step 6. Forward pruning of quiet moves that leave the mover behind, once
// the move is made.
template <bool MAX>
Elagage decider_elagage(const Moteur& m, int ply) {
    const Pile& P = m.pile[ply];
    if (total_pieces(m.jeu.nb_pieces) < 13 || m.inc.coups_calmes < 2 || !m.options.elagage) return Elagage::chercher;
    const int B = MAX ? m.inc.bilan : -m.inc.bilan;
    const int D = m.profondeur;
    const int r = ply - m.pile[ply + 1].ext - m.reduction_racine - (P.pres_promotion ? 1 : 0) - m.inc.ext_promotion;
    const bool drapeau = P.pres_promotion || (ply > 1 && m.pile[ply - 1].pres_promotion);
    if (B < 0 && !drapeau && D / 2 < m.inc.coups_calmes) return Elagage::statique;
    if (r <= D - 4) return Elagage::chercher;
    if (B <= -4) return Elagage::sortir;
    if (B == -3) return Elagage::statique;
    if (B == -2 && r > D - 2) return Elagage::statique;
    if (B >= 0 || r <= D - 1) return Elagage::chercher;
    return Elagage::statique;
}

// The opponent of the node's mover has no piece left.
template <bool MAX>
bool adversaire_sans_piece(const Moteur& m) {
    const uint8_t* np = m.jeu.nb_pieces;
    const bool blancs = (m.camp_racine == BLANC) != MAX;  // the opponent's colour is white
    return (blancs ? np[1] + np[2] : np[3] + np[4]) == 0;
}

template <bool MAX>
int noeud(Moteur& m, int alpha, int beta, int ply);

// Step 3b (probcut). A null-window node far from its horizon whose shallow
// search clears the window by half a man is taken to clear it: true with
// that score. It does not nest: no node under the shallow search tries
// one of its own. Not in endings of under 13 pieces, as the forward pruning:
// there a crowning lies past the shallow search and its score misleads.
template <bool MAX>
bool coupure_probable(Moteur& m, int alpha, int beta, int ply, int& score) {
    constexpr int R = 3, MARGE = 100, RESTE_MIN = 5;
    if (!m.options.probcut || m.en_probcut || ply < 3 || beta - alpha != 1) return false;
    if (total_pieces(m.jeu.nb_pieces) < 13) return false;
    Pile& P = m.pile[ply];
    const int reste = m.profondeur + P.ext + m.reduction_racine + m.inc.ext_promotion - ply;
    const int seuil = MAX ? beta + MARGE : alpha - MARGE;
    if (reste < RESTE_MIN || !ordinaire(seuil)) return false;
    const int8_t normale = P.ext;
    P.ext = static_cast<int8_t>(normale - R);
    m.en_probcut = true;
    const int v = MAX ? noeud<true>(m, seuil - 1, seuil, ply) : noeud<false>(m, seuil, seuil + 1, ply);
    m.en_probcut = false;
    P.ext = normale;
    if (m.arret_calcul || (MAX ? v < seuil : v > seuil)) return false;
    score = v;
    return true;
}

const std::array<double, 64> k_log = [] {
    std::array<double, 64> t{};
    for (int k = 1; k < 64; ++k) t[k] = std::log(static_cast<double>(k));
    return t;
}();

// Step 6b. How many plies shallower a late quiet move is searched first:
// after the table's move and the killers, with depth left to spare, when
// it does not near a crown; unless the reductions are strong, not when it
// gives the opponent a capture either.
template <bool MAX>
int reduction_tardive(const Moteur& m, const Coup& c, int i, int ply, bool captures) {
    if (!m.options.reductions || captures || ply < 2 || i < 3 || c.cle >= 150) return 0;
    const Pile& P = m.pile[ply];
    const int reste = m.profondeur + P.ext - ply;
    if (reste < (m.options.reductions_frontiere ? 2 : 3) || P.pres_promotion || m.inc.ext_promotion) return 0;
    const int adverse = MAX ? 1 - m.camp_racine : m.camp_racine;
    if (!m.options.reductions_fortes && coups_possibles(m.inc, adverse) != 1) return 0;
    if (!m.options.reductions_fortes && !m.options.reductions_log) return (i >= 8 && reste >= 6) ? 2 : 1;
    // Deeper for later moves with more depth left; never down to the
    // horizon's own ply, or with reductions_frontiere never past it.
    const int r = static_cast<int>(0.5 + k_log[reste < 32 ? reste : 31] * k_log[i < 64 ? i : 63] / 1.6);
    const int plafond = m.options.reductions_frontiere ? reste - 1 : reste - 2;
    return r < 1 ? 1 : r > plafond ? plafond : r;
}

// Step 7. The reply: the first move with the whole window, the others with
// a null window, searched again when they land inside it.
template <bool MAX>
int chercher_reponse(Moteur& m, int alpha, int beta, int ply, bool premier) {
    if (MAX) {
        if (premier) return noeud<false>(m, alpha, beta, ply + 1);
        int v = noeud<false>(m, alpha, alpha + 1, ply + 1);
        if (alpha < v && v < beta && !a_distance(v)) v = noeud<false>(m, v - 1, beta, ply + 1);
        return v;
    }
    if (premier) return noeud<true>(m, alpha, beta, ply + 1);
    int v = noeud<true>(m, beta - 1, beta, ply + 1);
    if (alpha < v && v < beta && !a_distance(v)) v = noeud<true>(m, alpha, v + 1, ply + 1);
    return v;
}

// Step 8, at the root: the move's score, a draw when it repeats the
// position, and its ordering score for the next iteration.
int noter_racine(Moteur& m, int i, int v, int meilleur) {
    Jeu& j = m.jeu;
    const int w = j.partie.demi_coup_courant;
    // Repeating the position of four plies ago is worth a draw.
    if (w >= 5 && ordinaire(v) && std::memcmp(j.damier + 1, cases_de(j.partie, w - 3), NB_CASES) == 0) v = 0;
    // A draw by the draw rules ends the game there, unless the opponent is left without a move.
    if (m.limites.regles_nulle && v < score_gain(2) && nulle_apres(j.partie, w, j.damier) != Nulle::aucune) v = 0;
    const int sc = v > meilleur ? v + 2 * i + 200 : v < meilleur ? v - 300 : v - 200;
    m.racine.coups[i].score = static_cast<int16_t>(sc > 32767 ? 32767 : sc < -32768 ? -32768 : sc);
    return v;
}

// Step 9. A cut: the killer and the table learn the move.
template <bool MAX>
void noter_coupure(Moteur& m, const Coup& c, int v, int ply, int n, bool captures) {
    if (m.arret_calcul || (MAX ? v <= -SCORE_DECISIF : v >= SCORE_DECISIF)) return;
    if (n > 1 && !captures) {
        store_killer(m, c, v, ply);
        if (m.options.historique)
            noter_historique(m, c, MAX ? m.camp_racine : 1 - m.camp_racine, m.profondeur + m.pile[ply].ext - ply);
    }
    if (!table_en_usage<MAX>(m, ply)) return;
    const uint8_t genre = (MAX ? gagne(v) : perdu(v)) ? HASH_DECISIF : HASH_COUPURE;
    store(m.hash, m.inc.cle_index, m.inc.cle_verrou, total_pieces(m.jeu.nb_pieces), v, ply,
          coder_drapeau(genre, MAX, m.camp_racine), c.depart, c.arrivee, profondeur_table(m, ply));
}

// Step 10. The node's result in the table: exact when it rose past the
// window it was entered with, failed otherwise; decided scores as decisive.
template <bool MAX>
void noter_resultat(Moteur& m, int ply, int meilleur, const Coup* meilleur_coup, int alpha0, int beta0) {
    uint8_t genre;
    if (MAX)
        genre = meilleur > alpha0 ? (gagne(meilleur) ? HASH_DECISIF : HASH_EXACT)
                                  : (perdu(meilleur) ? HASH_DECISIF : HASH_ECHEC);
    else
        genre = meilleur < beta0 ? (perdu(meilleur) ? HASH_DECISIF : HASH_EXACT)
                                 : (gagne(meilleur) ? HASH_DECISIF : HASH_ECHEC);
    store(m.hash, m.inc.cle_index, m.inc.cle_verrou, total_pieces(m.jeu.nb_pieces), meilleur, ply,
          coder_drapeau(genre, MAX, m.camp_racine), meilleur_coup ? meilleur_coup->depart : 0,
          meilleur_coup ? meilleur_coup->arrivee : 0, profondeur_table(m, ply));
}

template <bool MAX>
int noeud(Moteur& m, int alpha, int beta, int ply) {
    ++m.noeuds;
    if (MAX && ++m.poll > 5000) {
        m.poll = 0;
        sonder_horloge(m);
    }
    Jeu& j = m.jeu;
    const int racine = m.camp_racine;
    const int trait = MAX ? racine : 1 - racine;
    Pile& P = m.pile[ply];
    m.pv[ply][0].depart = 0;
    int score;

    if (sonder_connaissances(m, ply, score)) return score;
    const bool table_ici = table_en_usage<MAX>(m, ply);
    P.hash_de = 0;
    if (table_ici && sonder_table<MAX>(m, ply, alpha, beta, score)) return score;
    if (ply >= PLY_STATIQUE) return evaluer(m, racine, alpha, beta, ply);
    if (feuille_calme<MAX>(m, ply, trait, alpha, beta, score)) return score;
    if (coupure_probable<MAX>(m, alpha, beta, ply, score)) return score;

    // The moves; a side without one has lost, at the horizon as anywhere.
    j.gen.ply = ply;
    const int n = generer_coups(j.gen, trait);
    Coup* liste = j.gen.liste_coups[ply];
    const bool captures = j.gen.prise_max > 0;
    Racine& R = m.racine;
    if (ply == 1) {
        R.nb = n;
        if (static_cast<int>(R.coups.size()) < n) R.coups.resize(static_cast<size_t>(n));
        const int16_t init = static_cast<int16_t>(alpha <= -SCORE_DECISIF ? -SCORE_GAIN : alpha - 500);
        for (int i = 0; i < n; ++i) R.coups[i] = {liste[i].depart, liste[i].arrivee, init};
    }
    if (n == 0) return MAX ? score_perte(ply) : score_gain(ply);
    if (!captures && au_dela_horizon(m, ply)) return evaluer(m, racine, alpha, beta, ply);

    if (table_en_usage<!MAX>(m, ply + 1)) annoncer_fils(m, liste, n);
    // Capture plies are free of depth; with the switch, only a capture that
    // is the sole move is (a choice of captures branches like any move).
    const bool prolonge = captures && (n == 1 || !m.options.prise_unique_prolonge);
    m.pile[ply + 1].ext = static_cast<int8_t>(P.ext + (prolonge ? 1 : 0));
    sauver(m, P.sauve);
    const int alpha0 = alpha, beta0 = beta;
    int meilleur = MAX ? -SCORE_GAIN : SCORE_GAIN;
    int meilleur_i = -1;
    bool premier = true;

    for (int i = 0; i < n; ++i) {
        const Coup& c = liste[i];
        if (ply == 1) preparer_coup_racine(m, c, i, meilleur, meilleur_i);
        if (m.arret_calcul) {
            if (m.abandon) return 0;
            break;
        }
        avant_coup(m, c, ply, captures);
        make_move(m, c, ply);

        const Elagage choix = decider_elagage<MAX>(m, ply);
        if (choix != Elagage::chercher) {
            const int ev = evaluer(m, racine, alpha, beta, ply);
            restaurer(m, P.sauve);
            if (choix == Elagage::sortir) return ev;
            if (i == n - 1) return MAX ? (ev > meilleur ? ev : meilleur) : (ev < meilleur ? ev : meilleur);
            if (MAX ? ev > meilleur : ev < meilleur) meilleur = ev;
            continue;
        }

        if (adversaire_sans_piece<MAX>(m)) {
            restaurer(m, P.sauve);
            if (ply == 1) {
                record_pv(m, c, 1);
                R.meilleur = c;
                R.meilleur_index = i;
            }
            return MAX ? score_gain(ply) : score_perte(ply);
        }

        int v;
        if (ply == 1 && coup_de_la_partie(m, c)) {
            // Analysing a game: its own move was searched at the step before
            // and has no line of its own here.
            v = m.score_analyse;
            m.pv[2][0].depart = 0;
        } else if (const int r = premier ? 0 : reduction_tardive<MAX>(m, c, i, ply, captures)) {
            // A null window at the reduced depth; the full search only for
            // a move that rises above it.
            int8_t& ext = m.pile[ply + 1].ext;
            const int8_t normale = ext;
            ext = static_cast<int8_t>(normale - r);
            v = MAX ? noeud<false>(m, alpha, alpha + 1, ply + 1) : noeud<true>(m, beta - 1, beta, ply + 1);
            ext = normale;
            if (MAX ? v > alpha : v < beta) v = chercher_reponse<MAX>(m, alpha, beta, ply, false);
        } else {
            v = chercher_reponse<MAX>(m, alpha, beta, ply, premier);
        }
        premier = false;
        m.suivre_pv = false;  // only the leftmost path follows the previous line
        if (ply == 1) v = noter_racine(m, i, v, meilleur);
        restaurer(m, P.sauve);

        // A root move whose search was cut short by a stop is not trusted.
        if (ply == 1 && m.arret_calcul && R.meilleur_index >= 0) break;

        if (MAX ? v > meilleur : v < meilleur) {
            meilleur = v;
            meilleur_i = i;
            record_pv(m, c, ply);
            if (ply == 1) {
                R.meilleur = c;
                R.meilleur_index = i;
                if (!m.arret_calcul) {
                    if (m.rappels.afficher_progression) m.rappels.afficher_progression(lignes_progression(m, v));
                    if (m.rappels.ligne_racine) m.rappels.ligne_racine(ligne_coup_racine(c, v, false), false);
                }
            }
        }
        if (MAX ? v > alpha : v < beta) {
            (MAX ? alpha : beta) = v;
            if (alpha >= beta) {
                noter_coupure<MAX>(m, c, v, ply, n, captures);
                return v;
            }
            if (n > 1) store_alpha_move(m, c, ply);
        }
    }

    if (!table_ici || m.arret_calcul || ply >= m.profondeur + P.ext + m.reduction_racine) return meilleur;
    noter_resultat<MAX>(m, ply, meilleur, meilleur_i >= 0 ? &liste[meilleur_i] : nullptr, alpha0, beta0);
    return meilleur;
}

}  // namespace

int search_max(Moteur& m, int alpha, int beta, int ply) {
    return noeud<true>(m, alpha, beta, ply);
}
int search_min(Moteur& m, int alpha, int beta, int ply) {
    return noeud<false>(m, alpha, beta, ply);
}

}  // namespace kolmar
