// The marks the board keeps between moves: the last half-move of the game
// as far as the record is read, and the pieces that must capture when a
// human is to move. Worked out from the record and the position, so a
// move, a navigation step or a loaded game all show them the same way.
#pragma once

#include "control/vue.h"

namespace kolmar {

class Controleur;

// What the board should mark now.
MarquesPlateau marques_plateau(Controleur& f);
// Sends them to the view.
void montrer_marques(Controleur& f);

}  // namespace kolmar
