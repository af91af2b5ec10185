#include "rules/nulle.h"

#include <cstring>

namespace kolmar {

namespace {

// Squares 1..72 of the position after half-move k (k == n: `dernier`).
struct Suite {
    const Partie& pt;
    int n;
    const uint8_t* dernier;
    const uint8_t* operator()(int k) const { return k == n ? dernier : &pt.partie[k][OFS_CASES]; }
};

// Half-move k moved a king and took nothing: the men stand where they
// stood and no piece left the board.
bool coup_de_dame(const uint8_t* avant, const uint8_t* apres) {
    int pieces_avant = 0, pieces_apres = 0;
    for (int s = 0; s < NB_CASES; ++s) {
        if ((est_pion(avant[s]) || est_pion(apres[s])) && avant[s] != apres[s]) return false;
        pieces_avant += avant[s] != VIDE;
        pieces_apres += apres[s] != VIDE;
    }
    return pieces_avant == pieces_apres;
}

// Which ending a position is: three or two pieces with a king among them
// against a lone king, or neither.
Nulle finale(const uint8_t* cases) {
    int pieces[2] = {}, dames[2] = {};
    for (int s = 0; s < NB_CASES; ++s) {
        const uint8_t c = cases[s];
        if (c == VIDE) continue;
        const int camp = est_noir(c) ? 1 : 0;
        ++pieces[camp];
        dames[camp] += est_dame(c);
    }
    for (int fort = 0; fort < 2; ++fort) {
        const int seul = 1 - fort;
        if (pieces[seul] != 1 || dames[seul] != 1 || dames[fort] == 0) continue;
        if (pieces[fort] == 3) return Nulle::finale_trois;
        if (pieces[fort] == 2) return Nulle::finale_deux;
    }
    return Nulle::aucune;
}

Nulle juger(const Suite& plateau) {
    const int n = plateau.n;
    // Only king moves since ply n - libres: nothing before can come back.
    int libres = 0;
    while (libres < n && coup_de_dame(plateau(n - libres - 1), plateau(n - libres))) ++libres;

    int vues = 1;
    for (int k = n - 2; k >= n - libres; k -= 2)
        if (std::memcmp(plateau(k), plateau(n), NB_CASES) == 0) ++vues;
    if (vues >= 3) return Nulle::repetition;

    const Nulle f = finale(plateau(n));
    if (f != Nulle::aucune) {
        const int seuil = f == Nulle::finale_trois ? PLIES_FINALE_TROIS : PLIES_FINALE_DEUX;
        int depuis = 0;
        while (depuis < n && depuis < seuil && finale(plateau(n - depuis - 1)) == f) ++depuis;
        if (depuis >= seuil) return f;
    }
    return libres >= PLIES_COUPS_DE_DAMES ? Nulle::coups_de_dames : Nulle::aucune;
}

}  // namespace

Nulle nulle_partie(const Partie& pt) {
    const int n = pt.demi_coup_courant;
    if (n < 0 || n > DEMI_COUPS_MAX) return Nulle::aucune;
    return juger(Suite{pt, n, &pt.partie[n][OFS_CASES]});
}

Nulle nulle_apres(const Partie& pt, int w, const uint8_t apres[TAILLE_DAMIER]) {
    if (w < 0 || w >= DEMI_COUPS_MAX) return Nulle::aucune;
    return juger(Suite{pt, w + 1, apres + 1});
}

}  // namespace kolmar
