// Board model of Canadian draughts: 72 dark squares numbered 1..72 row by
// row from the top, piece codes, the neighbour table and square names.
#pragma once

#include <cstdint>
#include <string>

namespace kolmar {

// Piece codes. Range tests are used everywhere: 1..2 white, 3..4 black,
// odd codes are men, even codes kings, a man is crowned by adding 1.
enum : uint8_t {
    VIDE = 0,
    PION_BLANC = 1,
    DAME_BLANCHE = 2,
    PION_NOIR = 3,
    DAME_NOIRE = 4,
    BORD = 10,  // only in damier[0]: stops every diagonal walk
    PRIS = 15,  // a piece already jumped in the capture being generated
};

enum : uint8_t { BLANC = 0, NOIR = 1 };

constexpr int NB_CASES = 72;
constexpr int TAILLE_DAMIER = 73;

// A captured piece never stands on an edge square (there is nothing to land
// on beyond it), so no capture takes more than the 50 inner dark squares:
// set-up positions may hold more than thirty pieces a side.
constexpr int MAX_PRISES = 50;

// One move as the generator produces it. Intermediate landing squares are
// not part of it; the input-side generator keeps them beside the list.
struct Coup {
    uint8_t depart;
    uint8_t arrivee;
    uint8_t nb_prises;
    uint8_t prises[MAX_PRISES];
    int16_t cle;  // ordering key, lists sort by decreasing cle
};

namespace detail {
struct TableVoisins {
    uint8_t v[4][TAILLE_DAMIER];
};
constexpr TableVoisins construire_voisins() {
    TableVoisins t{};
    const int dr[4] = {-1, -1, 1, 1};
    const int dc[4] = {-1, 1, -1, 1};
    for (int s = 1; s <= NB_CASES; ++s) {
        int r = (s - 1) / 6;
        int c = 2 * ((s - 1) % 6) + ((r + 1) % 2);
        for (int d = 0; d < 4; ++d) {
            int nr = r + dr[d], nc = c + dc[d];
            if (nr >= 0 && nr <= 11 && nc >= 0 && nc <= 11) t.v[d][s] = static_cast<uint8_t>(nc / 2 + 6 * nr + 1);
        }
    }
    return t;
}
struct TableBalayage {
    uint16_t v[TAILLE_DAMIER];
};
constexpr TableBalayage construire_balayage() {
    TableBalayage t{};
    for (int k = 1; k < TAILLE_DAMIER; ++k) t.v[k] = static_cast<uint16_t>(73 - k);
    return t;
}
inline constexpr TableVoisins k_voisins = construire_voisins();
inline constexpr TableBalayage k_balayage = construire_balayage();
}  // namespace detail

// voisin[d][s]: square one diagonal step from s in direction d, 0 off the
// board. d = 0 up-left, 1 up-right, 2 down-left, 3 down-right; 3 - d is the
// opposite direction.
inline constexpr const uint8_t (&voisin)[4][TAILLE_DAMIER] = detail::k_voisins.v;

// ordre_balayage[k] = 73 - k: white scans k = 1..72, black k = 72..1.
inline constexpr const uint16_t (&ordre_balayage)[TAILLE_DAMIER] = detail::k_balayage.v;

// "01".."72", entry 0 is "0".
extern const char nom_case[TAILLE_DAMIER][3];

inline int rangee(int s) {
    return (s - 1) / 6;
}
inline int colonne(int s) {
    int r = rangee(s);
    return 2 * ((s - 1) % 6) + ((r + 1) % 2);
}
// Square of a board cell, 0 when the cell is light or off the board.
inline int case_de_cellule(int r, int c) {
    if (r < 0 || r > 11 || c < 0 || c > 11 || ((r + c) & 1) == 0) return 0;
    return c / 2 + 6 * r + 1;
}

inline bool est_blanc(uint8_t code) {
    return code == PION_BLANC || code == DAME_BLANCHE;
}
inline bool est_noir(uint8_t code) {
    return code == PION_NOIR || code == DAME_NOIRE;
}
inline bool est_dame(uint8_t code) {
    return code == DAME_BLANCHE || code == DAME_NOIRE;
}
inline bool est_pion(uint8_t code) {
    return code == PION_BLANC || code == PION_NOIR;
}
inline bool couleur_de(uint8_t code, int side) {
    return side == BLANC ? est_blanc(code) : est_noir(code);
}

// True when a man of this code ending a move on s is crowned.
inline bool case_de_promotion(uint8_t code, int s) {
    return (code == PION_BLANC && s <= 6) || (code == PION_NOIR && s >= 67);
}

// Fills damier with the initial position (damier[0] = BORD).
void position_initiale(uint8_t damier[TAILLE_DAMIER]);

// Counts pieces per code into nb_pieces[1..4] (index 0 unused).
void compter_pieces(const uint8_t damier[TAILLE_DAMIER], uint8_t nb_pieces[5]);

// PDN FEN of Canadian draughts, "W:W43,44,K5:B1,2,3" (ranges "1-5" also
// read). Returns false and an explanation on malformed input.
bool lire_fen(const std::string& fen, uint8_t damier[TAILLE_DAMIER], int& trait, std::string* erreur = nullptr);
std::string ecrire_fen(const uint8_t damier[TAILLE_DAMIER], int trait);

// Move text as the move list shows it: "47-41" or "47x36".
std::string texte_coup(const Coup& c);

}  // namespace kolmar
