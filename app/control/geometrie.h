// Where the 2D board's squares are drawn and which square a point names.
// The cells are 41 pixels wide from the board's drawing offset; the click
// rule uses the same grid, so a click anywhere on a drawn cell names it.
#pragma once

#include "rules/board.h"

namespace kolmar {

constexpr int TAILLE_CELLULE = 41;
constexpr int DECALAGE_DAMIER = 9;

// Row and column where square s is drawn.
inline void cellule_de_case(int s, bool inverse, int& r, int& c) {
    const int t = inverse ? 73 - s : s;
    r = rangee(t);
    c = colonne(t);
}

// Square under a client point: a light cell names the dark square of its
// pair (callers that want dark cells only ask cellule_sombre); 0 when the
// point is off the board.
inline int case_du_point(int x, int y, bool inverse) {
    if (x < DECALAGE_DAMIER || y < DECALAGE_DAMIER) return 0;
    const int c = (x - DECALAGE_DAMIER) / TAILLE_CELLULE, r = (y - DECALAGE_DAMIER) / TAILLE_CELLULE;
    if (c > 11 || r > 11) return 0;
    const int s = c / 2 + 6 * r + 1;
    return inverse ? 73 - s : s;
}

// True when the point lies on a dark cell of the board.
inline bool cellule_sombre(int x, int y) {
    if (x < DECALAGE_DAMIER || y < DECALAGE_DAMIER) return false;
    const int c = (x - DECALAGE_DAMIER) / TAILLE_CELLULE, r = (y - DECALAGE_DAMIER) / TAILLE_CELLULE;
    return c <= 11 && r <= 11 && (c + r) % 2 == 1;
}

// The middle of the cell where square s is drawn.
inline void centre_de_case(int s, bool inverse, int& x, int& y) {
    int r, c;
    cellule_de_case(s, inverse, r, c);
    x = DECALAGE_DAMIER + TAILLE_CELLULE * c + TAILLE_CELLULE / 2;
    y = DECALAGE_DAMIER + TAILLE_CELLULE * r + TAILLE_CELLULE / 2;
}

}  // namespace kolmar
