// The turn flow of the main window: the main loop, move entry by clicks,
// the commit of a half-move and the end of the game.
#pragma once

#include "rules/board.h"

namespace kolmar {

class TForm1;

// End-of-game kinds.
enum : int {
    FIN_SANS_COUP = 0,      // after a human move the other side has no move
    FIN_NULLE = 1,          // draw
    FIN_HUMAIN_BLOQUE = 2,  // after a computer move the human has no move
    FIN_TEMPS_HUMAIN = 4,   // the human's time is up
    FIN_TEMPS_ORDI = 5,     // the computer's time is up
    FIN_ABANDON = 6,        // the human abandons
};

// Runs until fin_programme; blocks on the event queue between events.
void boucle_principale(TForm1& f);
// One pass of the main loop; `attendre` blocks until an event arrives.
void passe_boucle(TForm1& f, bool attendre);

// The computer's turn. Empty until the engine is attached: it hands the
// move back to the human.
void tour_de_l_ordinateur(TForm1& f);

// Shows the computer's chosen move c (a move of the ply-1 list of damier):
// the piece blinks, a multiple capture is shown jump by jump, then the move
// is committed, outlined, and the human's moves counted (no move: end of
// the game).
void jouer_coup_ordinateur(TForm1& f, const Coup& c);

// Processes a pending click at window point (x, y).
void clic1(TForm1& f, int x, int y);

// Stores the half-move just played on damier: committed position, record,
// move list. Ends the game as a draw once the record is full.
void valider_demi_coup(TForm1& f, uint8_t prise, uint8_t de, uint8_t vers);

void fin_de_partie(TForm1& f, int kind);

// A fresh game from the initial position.
void nouvelle_partie(TForm1& f);

// Waits ms milliseconds while processing events, without burning a core.
void attendre(int ms);

}  // namespace kolmar
