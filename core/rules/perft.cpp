#include "rules/perft.h"

namespace kolmar {

namespace {

struct Cle {
    uint64_t bas, haut;
    uint8_t depart, arrivee;
};

Cle cle_de(const Coup& c) {
    Cle k{0, 0, c.depart, c.arrivee};
    for (int i = 0; i < c.nb_prises; ++i) {
        int s = c.prises[i];
        if (s < 64)
            k.bas |= 1ULL << s;
        else
            k.haut |= 1ULL << (s - 64);
    }
    return k;
}

uint64_t perft_rec(Generateur& g, int side, int depth, bool unique) {
    int n = generer_coups(g, side);
    Coup* liste = g.liste_coups[g.ply];
    if (depth == 1) return static_cast<uint64_t>(unique && g.prise_max >= 2 ? compter_uniques(liste, n) : n);
    uint64_t total = 0;
    uint8_t* d = g.damier;
    uint8_t pris[MAX_PRISES];
    for (int i = 0; i < n; ++i) {
        const Coup& c = liste[i];
        if (unique && c.nb_prises >= 2) {
            // Skip a capture already counted in another order.
            Cle k = cle_de(c);
            bool vu = false;
            for (int j = 0; j < i && !vu; ++j) {
                if (liste[j].depart != c.depart || liste[j].arrivee != c.arrivee) continue;
                Cle kj = cle_de(liste[j]);
                vu = kj.bas == k.bas && kj.haut == k.haut;
            }
            if (vu) continue;
        }
        for (int j = 0; j < c.nb_prises; ++j) pris[j] = d[c.prises[j]];
        uint8_t code = jouer_coup(d, c);
        ++g.ply;
        total += perft_rec(g, 1 - side, depth - 1, unique);
        --g.ply;
        d[c.arrivee] = VIDE;
        d[c.depart] = code;
        for (int j = 0; j < c.nb_prises; ++j) d[c.prises[j]] = pris[j];
    }
    return total;
}

}  // namespace

int compter_uniques(const Coup* liste, int n) {
    int uniques = 0;
    for (int i = 0; i < n; ++i) {
        Cle k = cle_de(liste[i]);
        bool vu = false;
        for (int j = 0; j < i && !vu; ++j) {
            if (liste[j].depart != liste[i].depart || liste[j].arrivee != liste[i].arrivee) continue;
            Cle kj = cle_de(liste[j]);
            vu = kj.bas == k.bas && kj.haut == k.haut;
        }
        if (!vu) ++uniques;
    }
    return uniques;
}

uint64_t perft(Generateur& g, int side, int depth, bool unique) {
    if (depth < 1) return 1;
    if (!g.liste_coups[0]) init_listes(g);
    g.damier[0] = BORD;
    int ply0 = g.ply;
    if (ply0 + depth >= NB_LISTES) return 0;
    uint64_t n = perft_rec(g, side, depth, unique);
    g.ply = ply0;
    return n;
}

}  // namespace kolmar
