// The game's position has one owner: Jeu::plateau_affiche, the position
// between moves as the board shows it. The working board damier, which
// the move generator reads, and the piece counts are copies of it written
// here alone, so nothing has to keep them in step by hand.
#pragma once

#include "rules/jeu.h"

namespace kolmar {

// The position becomes `plateau` (squares 1..72).
void poser_position(Jeu& J, const uint8_t plateau[TAILLE_DAMIER]);
// Square s of the position becomes `code` (setting up a position).
void poser_case(Jeu& J, int s, uint8_t code);
// The copies agree with the position.
bool position_coherente(const Jeu& J);

}  // namespace kolmar
