// Legal move generation under the majority capture rule.
//
// Two generators share one algorithm: the engine generator fills the list
// of one ply with Coup records; the input-side generator lists the moves of
// one piece together with the landing square after each capture, for move
// entry by clicks and for showing a capture jump by jump.
#pragma once

#include <cstdint>
#include <memory>

#include "rules/board.h"

namespace kolmar {

// Plies 0..NB_LISTES-1 each own a list; the search never goes past ply 33.
constexpr int NB_LISTES = 35;

// A ply's list holds every legal move of any reachable position: plain
// moves are bounded by 30 kings with at most 21 squares each, and capture
// sequences that differ only by order are rare; the recorder still refuses
// to write past the end.
constexpr int MAX_COUPS = 640;

// Move ordering is the search's business: it installs this hook, which the
// generator calls on every list it produced (captures = prise_max > 0).
using FonctionOrdre = void (*)(void* ctx, Coup* liste, int n, bool captures);

struct Generateur {
    uint8_t* damier = nullptr;  // the board generated from, never reallocated

    Coup* liste_coups[NB_LISTES] = {};
    int nb_coups[NB_LISTES] = {};
    int ply = 1;
    uint8_t prise_max = 0;
    uint8_t case_origine = 0;
    uint8_t adverses[2] = {0, 0};
    uint8_t chemin[MAX_PRISES + 2] = {};

    // Input side: candidates of one piece, their captured squares and the
    // landing square after each capture, indexes 1..prise_max.
    int nb_candidats = 0;
    uint8_t cases_prises[MAX_COUPS][MAX_PRISES + 1] = {};
    uint8_t cases_arrets[MAX_COUPS][MAX_PRISES + 1] = {};
    uint8_t arrets[MAX_PRISES + 2] = {};

    // Set when a list had to drop moves for lack of room (never seen in play).
    bool liste_pleine = false;

    FonctionOrdre ordonner = nullptr;
    void* ordonner_ctx = nullptr;

    std::unique_ptr<Coup[]> bloc;
};

// Zeroes the counts and the path; allocates the list block on first call.
void init_listes(Generateur& g);

// Fills liste_coups[g.ply] with the legal moves of side on g.damier; sets
// prise_max. The board is left as it was found.
int generer_coups(Generateur& g, int side);

// The game position's moves: ply 1, fresh lists.
int coups_legaux(Generateur& g, int side);

// Moves of the piece on square with their paths (cases_prises/cases_arrets).
// Plain moves are listed only when the piece belongs to side.
int coups_piece(Generateur& g, int square, int side);

// Landing squares of a chosen capture into cases_arrets[0][1..prise_max].
bool chemin_de_prise(Generateur& g, int square, const uint8_t* prises);

// Plays c on damier: lifts captured pieces, crowns a man ending on its last
// row. Returns the moving piece's code before the move.
uint8_t jouer_coup(uint8_t* damier, const Coup& c);

// Same move identity wherever the exact path matters.
bool meme_prise(const Coup& a, const Coup& b);

}  // namespace kolmar
