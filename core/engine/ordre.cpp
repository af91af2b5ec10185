// Move ordering: the previous iteration's scores at the root, the table's
// move, the previous line's capture, killers and the alpha slot.
#include <cstring>

#include "engine/moteur.h"

namespace kolmar {

namespace {

inline bool meme_coup(const Coup& c, const Tueur& t) {
    return c.depart == t.depart && c.arrivee == t.arrivee;
}

// Sorts by decreasing key; lists are short and often nearly sorted.
void trier(Coup* l, int n) {
    for (int i = 1; i < n; ++i) {
        if (l[i].cle <= l[i - 1].cle) continue;
        Coup c = l[i];
        int k = i;
        while (k > 0 && l[k - 1].cle < c.cle) {
            l[k] = l[k - 1];
            --k;
        }
        l[k] = c;
    }
}

void ordonner_coups(void* ctx, Coup* l, int n, bool captures) {
    Moteur& m = *static_cast<Moteur*>(ctx);
    const int ply = m.jeu.gen.ply;
    if (ply == 1) {
        // The previous iteration's scores; unknown moves last, in generation order.
        for (int i = 0; i < n; ++i) {
            int cle = -SCORE_GAIN - i;
            for (int k = 0; k < m.racine.nb; ++k)
                if (m.racine.coups[k].depart == l[i].depart && m.racine.coups[k].arrivee == l[i].arrivee) {
                    cle = m.racine.coups[k].score - i;
                    break;
                }
            l[i].cle = static_cast<int16_t>(cle < -32768 ? -32768 : cle);
        }
        trier(l, n);
        return;
    }
    if (n < 2) return;
    // Ordered while depth is left to search the moves; without the switch
    // nothing is ordered in the iteration's last two plies, extended or not.
    const int reste = m.profondeur + m.pile[ply].ext + m.reduction_racine + m.inc.ext_promotion - ply;
    const bool ordonner = m.options.ordre_horizon ? reste >= 1 : ply < m.profondeur - 2;
    if (captures) {
        if (m.suivre_pv && m.pv_prec[ply - 1].depart && m.options.ordre_pv) {
            const Coup& pv = m.pv_prec[ply - 1];
            for (int i = 0; i < n; ++i) l[i].cle = static_cast<int16_t>(meme_prise(l[i], pv) ? 100 : 80 - i);
            trier(l, n);
        } else if (ordonner && m.pile[ply].hash_de) {
            const Pile& p = m.pile[ply];
            for (int i = 0; i < n; ++i)
                l[i].cle = static_cast<int16_t>(l[i].depart == p.hash_de && l[i].arrivee == p.hash_vers ? 255 : 80 - i);
            trier(l, n);
        }
        return;
    }
    if (!ordonner) return;
    const Pile& p = m.pile[ply];
    const int trait = (ply & 1) ? m.camp_racine : 1 - m.camp_racine;
    const auto& H = m.historique[trait];
    bool hash_vu = false;
    for (int i = 0; i < n; ++i) {
        if (p.hash_de && l[i].depart == p.hash_de && l[i].arrivee == p.hash_vers) {
            l[i].cle = 255;
            hash_vu = true;
        } else if (const uint32_t h = m.options.historique ? H[l[i].depart][l[i].arrivee] : 0) {
            // Above the unknown moves, below the alpha slot and the killers.
            const int bits = 32 - __builtin_clz(h);
            l[i].cle = static_cast<int16_t>(81 + (bits * 3 > 59 ? 59 : bits * 3));
        } else {
            l[i].cle = static_cast<int16_t>(80 - i);
        }
    }
    for (int q = ply; m.options.tueurs && q >= 1 && q >= ply - 6; q -= 2) {
        const Pile& k = m.pile[q];
        bool trouve = false;
        for (int i = 0; i < n; ++i) {
            if (l[i].cle == 255) continue;
            if (k.k1.depart && meme_coup(l[i], k.k1))
                l[i].cle = 250, trouve = true;
            else if (k.k2.depart && meme_coup(l[i], k.k2))
                l[i].cle = 200, trouve = true;
            else if (k.alpha.depart && meme_coup(l[i], k.alpha))
                l[i].cle = static_cast<int16_t>(150 - i), trouve = true;
        }
        if (trouve || hash_vu) break;
    }
    trier(l, n);
}

}  // namespace

void store_killer(Moteur& m, const Coup& c, int score, int ply) {
    Pile& p = m.pile[ply];
    if (meme_coup(c, p.k1)) return;
    // With tueurs_recents the latest cut always takes the first slot.
    bool mieux1 = m.options.tueurs_recents || ((ply & 1) ? score > p.k1.score : score < p.k1.score);
    bool mieux2 = (ply & 1) ? score > p.k2.score : score < p.k2.score;
    if (mieux1) {
        p.k2 = p.k1;
        p.k1 = {c.depart, c.arrivee, static_cast<int16_t>(score)};
    } else if (mieux2) {
        p.k2 = {c.depart, c.arrivee, static_cast<int16_t>(score)};
    }
}

void store_alpha_move(Moteur& m, const Coup& c, int ply) {
    Pile& p = m.pile[ply];
    if (meme_coup(c, p.k1)) return;
    p.alpha = {c.depart, c.arrivee, 0};
}

void noter_historique(Moteur& m, const Coup& c, int trait, int reste) {
    if (reste < 1) reste = 1;
    uint32_t& h = m.historique[trait][c.depart][c.arrivee];
    h += static_cast<uint32_t>(reste * reste);
    if (h < (1u << 24)) return;
    for (auto& camp : m.historique)
        for (auto& de : camp)
            for (uint32_t& v : de) v >>= 1;
}

void installer_ordre(Moteur& m) {
    m.jeu.gen.ordonner = &ordonner_coups;
    m.jeu.gen.ordonner_ctx = &m;
}

void effacer_tueurs(Moteur& m) {
    std::memset(m.historique, 0, sizeof m.historique);
    for (int p = 0; p < NB_PLIES; ++p) {
        int16_t s = (p & 1) ? -SCORE_GAIN : SCORE_GAIN;
        m.pile[p].k1 = {0, 0, s};
        m.pile[p].k2 = {0, 0, s};
        m.pile[p].alpha = {0, 0, s};
    }
}

}  // namespace kolmar
