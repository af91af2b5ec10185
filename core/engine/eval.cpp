// Static evaluation in 1/200 of a man, from the root side's point of view.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "engine/moteur.h"

namespace kolmar {

namespace {

struct TablesFixes {
    uint8_t rang[73];  // row from the man's own back row (index mirrored by the caller)
    uint8_t zone[73];
    uint8_t centre[73];
    bool masque[73];  // squares the formation term looks at
    // Squares ahead of a white man on rows 1..4 (row 0 the crowning row),
    // from the man towards the crowning row; black uses 73 - s.
    uint8_t cone[73][16];
    uint8_t nb_cone[73];
};

constexpr uint8_t k_dame_seule[73] = {0,  0,  0,  0,  0,  0, 25, 0,  0,  0,  0,  0, 25, 0,  10, 10, 10, 25, 0,
                                      0,  10, 10, 15, 25, 0, 0,  10, 15, 25, 10, 0, 0,  10, 15, 25, 10, 0,  0,
                                      10, 25, 15, 10, 0,  0, 10, 25, 15, 10, 0,  0, 25, 15, 10, 10, 0,  0,  25,
                                      15, 10, 10, 0,  25, 0, 0,  0,  0,  0,  99, 0, 0,  0,  0,  0};

TablesFixes construire() {
    TablesFixes t{};
    const uint8_t zones_pres[6] = {1, 1, 0, 0, 2, 2};
    const uint8_t zones_loin[6] = {3, 3, 0, 0, 4, 4};
    const uint8_t centre_pair[6] = {0, 1, 3, 2, 0, 0};
    const uint8_t centre_impair[6] = {0, 0, 2, 3, 1, 0};
    for (int s = 1; s <= 72; ++s) {
        int r = (s - 1) / 6, k = (s - 1) % 6;
        t.rang[s] = static_cast<uint8_t>(r);
        t.zone[s] = r <= 5 ? zones_pres[k] : r <= 10 ? zones_loin[k] : 0;
        t.centre[s] = r == 11 ? 0 : (r % 2 == 0 ? centre_pair[k] : centre_impair[k]);
        t.masque[s] = s > 6 && s < 67 && s != 7 && s != 18 && s != 19 && s != 30 && s != 31 && s != 42 && s != 43 &&
                      s != 54 && s != 55 && s != 66;
        if (r >= 1 && r <= 4) {
            int c = colonne(s);
            for (int row = r - 1; row >= 0; --row)
                for (int q = row * 6 + 1; q <= row * 6 + 6; ++q)
                    if (std::abs(colonne(q) - c) <= r - row) t.cone[s][t.nb_cone[s]++] = static_cast<uint8_t>(q);
        }
    }
    return t;
}

const TablesFixes k_fixes = construire();

Bits ensemble(int de, int a, bool (*garder)(int)) {
    Bits b = 0;
    for (int s = de; s <= a; ++s)
        if (garder(s)) b |= bit(s);
    return b;
}
const Bits k_rangs_course_blancs = ensemble(7, 30, [](int) { return true; });
const Bits k_rangs_course_noirs = ensemble(43, 66, [](int) { return true; });
const Bits k_masque_blancs = ensemble(13, 72, [](int s) { return k_fixes.masque[s]; });
const Bits k_masque_noirs = ensemble(1, 60, [](int s) { return k_fixes.masque[s]; });
const Bits k_rangs_verrou = ensemble(19, 54, [](int) { return true; });
// Square bounds of the formation rules, as white and as black sees them.
const Bits k_au_dela18_blancs = ensemble(19, 72, [](int) { return true; });
const Bits k_au_dela18_noirs = ensemble(1, 54, [](int) { return true; });
const Bits k_milieu_blancs = ensemble(19, 53, [](int) { return true; });
const Bits k_milieu_noirs = ensemble(20, 54, [](int) { return true; });
const Bits k_avant54_blancs = ensemble(1, 53, [](int) { return true; });
const Bits k_avant54_noirs = ensemble(20, 72, [](int) { return true; });

inline int compter(Bits x) {
    return compter_bits(x);
}

inline int borne(int v, int lo, int hi) {
    return v < lo ? lo : v > hi ? hi : v;
}

// A free way of empty squares from s to the crowning row for a man
// stepping in directions d0, d0 + 1.
bool chemin_libre(const uint8_t* d, int s, int d0, int pas) {
    if (pas == 0) return true;
    for (int dir = d0; dir < d0 + 2; ++dir) {
        int t = voisin[dir][s];
        if (t && d[t] == VIDE && chemin_libre(d, t, d0, pas - 1)) return true;
    }
    return false;
}

// The man on s can be taken at once: an enemy beside it with the square
// on the other side empty.
bool en_prise(const uint8_t* d, int s, uint8_t ennemi_pion, uint8_t ennemi_dame) {
    for (int dir = 0; dir < 4; ++dir) {
        uint8_t a = d[voisin[dir][s]];
        if ((a == ennemi_pion || a == ennemi_dame) && d[voisin[3 - dir][s]] == VIDE) return true;
    }
    return false;
}

}  // namespace

void preparer_phase(Moteur& m) {
    const Parametres& p = m.parametres;
    const uint8_t* np = m.jeu.nb_pieces;
    const uint8_t* d = m.jeu.damier;
    EtatEval& e = m.eval;
    int men = np[PION_BLANC] + np[PION_NOIR];
    int t;
    if (men > p.phase_bas(0)) {
        e.phase = 0;
        t = e.variant1 ? 4 : e.variant2 ? 6 : 0;
    } else if (men > p.phase_bas(1)) {
        e.phase = 1;
        t = e.variant1 ? 5 : e.variant2 ? 7 : 1;
    } else if (men > p.phase_bas(2)) {
        e.phase = 2;
        t = 2;
    } else {
        e.phase = 3;
        t = 3;
    }
    std::memcpy(e.table_pions, p.tables[t], 73);
    if (e.phase < 2) {
        auto compte = [&](int v) {
            int n = 0;
            for (int k = 0; k < 7; ++k) {
                int b = p.case_blanche(v, k), w = p.case_noire(v, k);
                if (b >= 1 && b <= 72 && d[b] == PION_BLANC) ++n;
                if (w >= 1 && w <= 72 && d[w] == PION_NOIR) ++n;
            }
            return n;
        };
        e.variant1 = compte(1) > 8;
        e.variant2 = !e.variant1 && compte(2) > 8;
    }
    for (int n = 0; n <= 60; ++n) {
        int k;
        if (n > p.phase_bas(0))
            k = e.variant1 ? 4 : e.variant2 ? 6 : 0;
        else if (n > p.phase_bas(1))
            k = e.variant1 ? 5 : e.variant2 ? 7 : 1;
        else if (n > p.phase_bas(2))
            k = 2;
        else
            k = 3;
        e.tempo[n] = static_cast<int8_t>(p.poids_tempo(k));
    }
}

void recalculer_incremental(const Moteur& m, Incremental& out) {
    const EtatEval& e = m.eval;
    const uint8_t* d = m.jeu.damier;
    out.somme_pos = out.somme_tempo = 0;
    std::memset(out.zones, 0, sizeof out.zones);
    for (Bits& b : out.pieces) b = 0;
    for (int s = 1; s <= 72; ++s) {
        int c = d[s];
        if (c < 1 || c > 4) continue;
        out.pieces[c] |= bit(s);
        out.somme_pos += e.valeur[c][s];
        out.somme_tempo += e.rang[c][s];
        if (e.zone[c][s] != 255) {
            ++out.zones[e.zone[c][s]];
            out.zones[e.zone[c][s] < 5 ? 10 : 11] += e.centre[c][s];
        }
    }
    calculer_cles(m.hash, d, out.cle_index, out.cle_verrou, out.cle_fichier);
}

void preparer_evaluation(Moteur& m, int root) {
    preparer_phase(m);
    EtatEval& e = m.eval;
    const uint8_t* np = m.jeu.nb_pieces;
    int wm = np[1], wk = np[2], bm = np[3], bk = np[4];

    for (int s = 1; s <= 72; ++s) e.table_dames[s] = (s == 1 || s == 7 || s == 66 || s == 72) ? 0 : 1;
    if (wm + bm == 0 && ((wk == 4 && bk == 1) || (wk == 1 && bk == 4))) {
        e.table_dames[1] = e.table_dames[7] = 40;
        e.table_dames[14] = e.table_dames[20] = 10;
    }
    int mes_dames = root == BLANC ? wk : bk, ses_dames = root == BLANC ? bk : wk;
    if (mes_dames == 1 && wm < 5 && bm < 5 && ses_dames > 2) std::memcpy(e.table_dames, k_dame_seule, 73);

    for (int c = 1; c <= 4; ++c) {
        int signe = ((c <= 2) == (root == BLANC)) ? 1 : -1;
        bool homme = c == PION_BLANC || c == PION_NOIR;
        for (int s = 1; s <= 72; ++s) {
            int k = c <= 2 ? 73 - s : s;  // square counted from the man's own side
            e.valeur[c][s] = static_cast<int16_t>(signe * (homme ? e.table_pions[k] : e.table_dames[s]));
            e.rang[c][s] = static_cast<int8_t>(homme ? signe * k_fixes.rang[k] : 0);
            e.zone[c][s] = homme ? static_cast<uint8_t>(k_fixes.zone[k] + (signe > 0 ? 0 : 5)) : 255;
            e.centre[c][s] = static_cast<int8_t>(homme ? k_fixes.centre[k] : 0);
            e.valeur_dame_signee[c][s] = static_cast<int16_t>(signe * e.table_dames[s]);
        }
    }
    recalculer_incremental(m, m.inc);
}

int runaway_term(const Moteur& m, int side, int ply) {
    static const int base[5] = {0, 75, 60, 40, 25};
    const uint8_t* d = m.jeu.damier;
    const uint8_t* np = m.jeu.nb_pieces;
    const bool blancs_au_trait = ((ply & 1) != 0) == (m.camp_racine == BLANC);
    int e = 0;
    // White men on rows 1..4, black men on the mirrored squares.
    const Bits* pc = m.inc.pieces;
    for (Bits x = pc[PION_BLANC] & k_rangs_course_blancs; x; x = sans_premiere(x)) {
        const int s = premiere_case(x);
        int r = (s - 1) / 6;
        const uint8_t* cone = k_fixes.cone[s];
        bool bloque = false;
        for (int k = 0; k < k_fixes.nb_cone[s] && !bloque; ++k)
            bloque = d[cone[k]] == PION_NOIR || d[cone[k]] == DAME_NOIRE;
        if (bloque || !chemin_libre(d, s, 0, r)) continue;
        if (!blancs_au_trait && en_prise(d, s, PION_NOIR, DAME_NOIRE)) continue;
        int v = base[r];
        // On 7 only square 1 is left to step on: no king comes back in time.
        if (s == 7) {
        } else if (np[DAME_NOIRE]) {
            v /= 4;
        } else if (blancs_au_trait && r >= 2) {
            v += 40;
        }
        e += v;
    }
    for (Bits x = pc[PION_NOIR] & k_rangs_course_noirs; x; x = sans_premiere(x)) {
        const int s = premiere_case(x);
        int q = 73 - s;
        int r = (q - 1) / 6;
        const uint8_t* cone = k_fixes.cone[q];
        bool bloque = false;
        for (int k = 0; k < k_fixes.nb_cone[q] && !bloque; ++k) {
            uint8_t c = d[73 - cone[k]];
            bloque = c == PION_BLANC || c == DAME_BLANCHE;
        }
        if (bloque || !chemin_libre(d, s, 2, r)) continue;
        if (blancs_au_trait && en_prise(d, s, PION_BLANC, DAME_BLANCHE)) continue;
        int v = base[r];
        if (s == 66) {
        } else if (np[DAME_BLANCHE]) {
            v /= 4;
        } else if (!blancs_au_trait && r >= 2) {
            v += 40;
        }
        e -= v;
    }
    if (e == 0) return 0;
    e = borne(2 * e, -115, 115);
    if ((blancs_au_trait && e > 0) || (!blancs_au_trait && e < 0)) e += e / 2;
    return side == BLANC ? e : -e;
}

namespace {

// Squares whose neighbour in direction D (as the side sees the board) is in x.
template <bool BLANCS, int D>
inline Bits voit(Bits x) {
    return pas < BLANCS ? 3 - D : D > (x);
}

// The formation term of one side's men (written as white sees the board;
// black reads it turned half round), summed over all of them at once: each
// rule is the set of men it applies to, counted. For a man on i, UL, UR,
// DL, DR are its neighbours in directions 0..3, "ahead" the square i - 12.
template <bool BLANCS>
int formation_camp(const Bits* pc, int phase) {
    const Bits cases = toutes_cases();
    const Bits moi = pc[BLANCS ? PION_BLANC : PION_NOIR];
    const Bits lui = pc[BLANCS ? PION_NOIR : PION_BLANC];
    const Bits vides = cases & ~(pc[1] | pc[2] | pc[3] | pc[4]);
    const Bits W = moi & (BLANCS ? k_masque_blancs : k_masque_noirs);
    if (!W) return 0;
    // The square two rows ahead, same column.
    auto devant = [&](Bits x) -> Bits { return BLANCS ? (x << 13) & cases : x >> 13; };
    const Bits ULe = voit<BLANCS, 0>(vides), URe = voit<BLANCS, 1>(vides);
    const Bits DLe = voit<BLANCS, 2>(vides), DRe = voit<BLANCS, 3>(vides);
    const Bits ULl = voit<BLANCS, 0>(lui), URl = voit<BLANCS, 1>(lui);
    const Bits DLl = voit<BLANCS, 2>(lui), DRl = voit<BLANCS, 3>(lui);
    const Bits au_dela18 = BLANCS ? k_au_dela18_blancs : k_au_dela18_noirs;
    const Bits milieu = BLANCS ? k_milieu_blancs : k_milieu_noirs;
    const Bits avant54 = BLANCS ? k_avant54_blancs : k_avant54_noirs;
    int f = 0;
    // Holes behind.
    const Bits wl = W & DLe, wr = W & DRe;
    f -= 2 * compter_bits(wl) + 3 * compter_bits(wl & voit<BLANCS, 2>(DLe));
    f -= 2 * compter_bits(wr) + 3 * compter_bits(wr & voit<BLANCS, 3>(DRe));
    f -= 4 * compter_bits(wl & DRe);
    // A hanging pair ahead.
    {
        const Bits libre0 = ULe | (cases & ~voit<BLANCS, 0>(cases));
        const Bits libre1 = URe | (cases & ~voit<BLANCS, 1>(cases));
        const Bits x =
            W & au_dela18 & voit<BLANCS, 0>(moi & libre0) & voit<BLANCS, 1>(moi & libre1) & DLe & DRe & devant(vides);
        if (x) {
            const Bits deux = devant(lui);
            f -= (phase < 3 ? 20 : 40) * compter_bits(x);
            f -= 15 * compter_bits(x & voit<BLANCS, 0>(deux) & voit<BLANCS, 1>(deux));
        }
    }
    // Threats and freedom.
    const Bits g2 = ULe & ~DRl, j2 = URe & ~DLl;
    f -= 50 * (compter_bits(W & ULl & DRe) + compter_bits(W & ULe & DRl) + compter_bits(W & URe & DLl) +
               compter_bits(W & URl & DLe));
    f -= 10 * compter_bits(W & ~URe & ~URl & avant54 & ~g2 & DLe & DRe);
    f += 2 * (compter_bits(W & g2) + compter_bits(W & j2));
    const Bits j4 = W & g2 & j2 & milieu;
    if (j4) {
        const Bits m0 = voit<BLANCS, 0>(ULl), t1 = voit<BLANCS, 1>(URl);
        f += 10 * compter_bits(j4) - 5 * compter_bits(j4 & m0) - 5 * compter_bits(j4 & t1);
        const Bits k = j4 & (m0 | t1) & devant(lui) & DLe & DRe;
        f -= 5 * compter_bits(k) + 15 * compter_bits(k & m0 & t1);
    }
    return f;
}

}  // namespace

int formation_term(const Moteur& m, int side) {
    const Bits* pc = m.inc.pieces;
    int f = formation_camp<true>(pc, m.eval.phase) - formation_camp<false>(pc, m.eval.phase);
    f = borne(f, -70, 70);
    return side == BLANC ? f : -f;
}

int pattern_term(const Moteur& m, int side) {
    const uint8_t* d = m.jeu.damier;
    const int phase = m.eval.phase;
    int p = 0;
    if (phase <= 1) {
        // An outpost on the flank that holds two enemy men in their camp.
        if (d[19] == PION_BLANC && d[8] == PION_NOIR && d[13] == PION_NOIR)
            p += (d[2] ? 5 : 15) + (d[1] == PION_NOIR ? 5 : 0) + (d[7] == PION_NOIR ? 5 : 0);
        if (d[54] == PION_NOIR && d[65] == PION_BLANC && d[60] == PION_BLANC)
            p -= (d[71] ? 5 : 15) + (d[72] == PION_BLANC ? 5 : 0) + (d[66] == PION_BLANC ? 5 : 0);
    }
    if (phase < 3) {
        // The back corner left open: a breakthrough square for the other side.
        if (d[72] == VIDE && d[66] == VIDE) p -= (d[60] ? (d[54] == PION_NOIR ? 35 : 20) : 10) + (phase == 0 ? 10 : 0);
        if (d[1] == VIDE && d[7] == VIDE) p += (d[13] ? (d[19] == PION_BLANC ? 35 : 20) : 10) + (phase == 0 ? 10 : 0);
        // Interlock: a man backed on both sides below, facing two enemy men
        // and the man between them; two pieces tie up three. Worth more
        // when the square beyond that third man is filled too.
        const Bits* pc = m.inc.pieces;
        const Bits bl = pc[PION_BLANC], no = pc[PION_NOIR];
        const Bits occ = pc[1] | pc[2] | pc[3] | pc[4], cases = toutes_cases();
        Bits b = bl & k_rangs_verrou & pas<3>(no) & pas<2>(no) & ((no << 13) & cases) & pas<1>(occ) & pas<0>(occ) &
                 (pas<1>(bl) | pas<0>(bl));
        Bits n = no & k_rangs_verrou & pas<0>(bl) & pas<1>(bl) & (bl >> 13) & pas<2>(occ) & pas<3>(occ) &
                 (pas<2>(no) | pas<3>(no));
        if (b | n) {
            p += 20 * (compter(b) - compter(n));
            p += 10 * (compter(b & (occ << 26)) - compter(n & (occ >> 26)));
        }
    }
    p = borne(p, -45, 45);
    return side == BLANC ? p : -p;
}

int evaluer(Moteur& m, int side, int alpha, int beta, int ply) {
    const uint8_t* np = m.jeu.nb_pieces;
    const uint8_t* d = m.jeu.damier;
    const Parametres& p = m.parametres;
    const Incremental& inc = m.inc;
    const int wm = np[1], wk = np[2], bm = np[3], bk = np[4];
    const int h = wm + wk + bm + bk;
    const int P1 = p.phase_bas(0), P2 = p.phase_bas(1), P3 = p.phase_bas(2);

    int K = h > P1 ? 520 : h > P2 ? 580 : h > P3 ? 620 : 660;
    if (wk + bk == 1) K += 30;
    int M = static_cast<int16_t>((wm - bm) * 200 + (wk - bk) * K);
    if (side == NOIR) M = -M;
    if (ply & 1) {
        if (M <= alpha - 185) return M;
    } else if (M >= beta + 185) {
        return M;
    }

    const int R = runaway_term(m, side, ply);
    const int8_t* z = inc.zones;
    int n = 2 * inc.somme_pos + m.eval.tempo[std::min(wm + bm, 60)] * inc.somme_tempo;
    if (h > P3) {
        n += (z[10] - z[11]) * 5 + (std::abs(z[6] - z[7]) - std::abs(z[1] - z[2])) * 8;
        n = borne(n, -45, 45);
    }
    if (h > P1) {
        if (z[1] < z[9]) n += 15 * (z[1] - z[9]);
        if (z[2] < z[8]) n += 15 * (z[2] - z[8]);
        if (z[4] > z[6]) n += 15 * (z[4] - z[6]);
        if (z[3] > z[7]) n += 15 * (z[3] - z[7]);
    }
    if (m.eval.phase < 3) n += pattern_term(m, side);
    if (R >= -8 && R <= 8) n += formation_term(m, side);
    if (ply > 2) {
        const int X = inc.derniere_arrivee;
        if (X && d[X] != VIDE) {
            for (int dir = 0; dir < 4; ++dir) {
                int a = voisin[dir][X];
                if (a && d[a] == VIDE && std::abs(d[X] - d[voisin[3 - dir][X]]) == 2) {
                    n += (ply & 1) ? -100 : 100;
                    break;
                }
            }
        }
    }
    n = borne(n, -170, 170);
    n += R;
    if (wm == 1 && bm == 1 && ((wk == 2 && bk == 1) || (wk == 1 && bk == 2))) n += 25 * inc.somme_tempo;
    const uint8_t cf = m.eval.code_final;
    if (m.eval.phase == 3 && (cf == PION_BLANC || cf == PION_NOIR))
        n += cf == (side == BLANC ? PION_BLANC : PION_NOIR) ? 30 : -30;
    n += M;
    if (a_distance(n) || h > 5 || wk == 0 || bk == 0) return n;

    const int men = wm + bm;
    if ((men == 0 && wk + bk == 4) || (wm < 3 && bm == 0 && wk == 1 && bk == 1) ||
        (bm < 3 && wm == 0 && wk == 1 && bk == 1) || (wm == 1 && bm == 0 && wk == 2 && bk == 1) ||
        (bm == 1 && wm == 0 && wk == 2 && bk == 1) || (bm == 1 && wm == 0 && wk == 1 && bk == 2) ||
        (wm == 1 && bm == 0 && wk == 1 && bk == 2))
        return n / 8;
    if ((wm == 2 && bm == 1 && wk == 1 && bk == 1) || (wm == 1 && bm == 2 && wk == 1 && bk == 1) ||
        (wm <= 1 && bm <= 1 && wk == 2 && bk == 1) || (wm <= 1 && bm <= 1 && wk == 1 && bk == 2))
        return n / 4;
    return n;
}

int score_statique(Moteur& m, int side) {
    m.camp_racine = static_cast<int8_t>(side);
    compter_pieces(m.jeu.damier, m.jeu.nb_pieces);
    m.jeu.damier[0] = BORD;
    m.eval.code_final = 0;
    m.inc.derniere_arrivee = 0;
    preparer_evaluation(m, side);
    return evaluer(m, side, -SCORE_GAIN, SCORE_GAIN, 2);
}

}  // namespace kolmar
