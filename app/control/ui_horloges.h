// What the turn flow asks of the window's clocks: the end of a half-move,
// the first human move starting the timer, a new game, the time check.
#pragma once

namespace kolmar {

class TForm1;

// Before a half-move is stored: the mover's clock stops, the other's turn
// starts, and the record notes both totals and the computer's colour.
void fin_de_tour_horloges(TForm1& f);
// A human move while Timer1 is stopped starts it ("Pause" unchecked).
void relancer_horloges(TForm1& f);
// Clocks of a new game: zero, labels "0".
void horloges_nouvelle_partie(TForm1& f);
// Time check of a rated game; ends the game on a loss. True when it ended.
bool controler_temps(TForm1& f);

}  // namespace kolmar
