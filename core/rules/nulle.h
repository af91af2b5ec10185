// The draws a draughts player expects besides a blocked game: the same
// position three times with the same side to move, 25 moves each of kings
// alone without a capture, and the endings of a king against a lone king
// that cannot be forced (16 moves each with three pieces, 5 with two).
// Read from the game record, so the window, the engine and the match
// runner all judge a game the same way.
#pragma once

#include <cstdint>

#include "rules/record.h"

namespace kolmar {

enum class Nulle : uint8_t {
    aucune,
    repetition,      // the position a third time, same side to move
    coups_de_dames,  // 50 plies of king moves only, nothing taken
    finale_trois,    // 32 plies of three pieces (a king among them) against a lone king
    finale_deux,     // 10 plies of two pieces (a king among them) against a lone king
};

// Plies each rule waits for.
constexpr int PLIES_COUPS_DE_DAMES = 50;
constexpr int PLIES_FINALE_TROIS = 32;
constexpr int PLIES_FINALE_DEUX = 10;

// The game drawn by these rules at its current ply (records 0 to
// demi_coup_courant), or aucune.
Nulle nulle_partie(const Partie& pt);

// The same once a half-move from ply w leads to `apres`: the search asks
// it of each root move.
Nulle nulle_apres(const Partie& pt, int w, const uint8_t apres[TAILLE_DAMIER]);

}  // namespace kolmar
