// The turn flow: the main loop, move entry by clicks, the commit of a
// half-move, the end of the game, and what the board shows of it.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/board.h"
#include "rules/nulle.h"

namespace kolmar {

class Controleur;

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
void boucle_principale(Controleur& f);
// One pass of the main loop; `attendre` blocks until an event arrives.
void passe_boucle(Controleur& f, bool attendre);

// A press on the 2D board at client point (x, y): queued for the main
// loop, or, during the computer's turn, only a stop request. The release
// decides what the press leaves open: a piece with a single move plays on
// the release; a drag to another square names that square as a second
// click would; a release never starts a move.
void appui(Controleur& f, int x, int y);
void relache(Controleur& f, int x, int y);
// A whole click: a press and its release at (x, y).
void clic(Controleur& f, int x, int y);
// The same on 3D position j (1..72, 0 none), found by the window.
void appui_3d(Controleur& f, int j);
void relache_3d(Controleur& f, int j);
void DamierImage1Click(Controleur& f, int j);
// Processes a whole click at client point (x, y) at once.
void clic1(Controleur& f, int x, int y);

// The computer's turn.
void tour_de_l_ordinateur(Controleur& f);
// Shows the computer's chosen move c (legal on damier): the piece blinks,
// a multiple capture is shown jump by jump, then the move is committed,
// outlined, and the human's moves counted (no move: end of the game).
void jouer_coup_ordinateur(Controleur& f, const Coup& c);

// The one way a half-move enters the game, the human's and the computer's
// alike. c is legal on the position; `chemin` holds its landing squares
// before the end (a multiple capture's way round). The move is shown —
// blinking on its square first when the computer plays it, jump by jump
// when "Décomposer les prises" is checked — then played on the position
// (crowning included); the clocks pass, the record and the move list take
// it and the board is drawn again. False, playing nothing, when the record
// is full: the game ends as a draw.
bool jouer_demi_coup(Controleur& f, const Coup& c, const std::vector<uint8_t>& chemin, bool ordinateur);

// `regle`: the draw rule that ended the game, for its message (kind FIN_NULLE).
void fin_de_partie(Controleur& f, int kind, Nulle regle = Nulle::aucune);

// A fresh game from the initial position.
void nouvelle_partie(Controleur& f);

// The position changed under whatever was computed for it.
void position_changee(Controleur& f);

// The board from plateau_affiche, and the piece counters.
void placer_pions(Controleur& f);
void compter_pions(Controleur& f);
// F3 "Inverser damier" and "Numéroter les cases".
void Inverser(Controleur& f);
void numerotation(Controleur& f);
// Drops the selection and the squares offered to the human.
void effacer_saisie(Controleur& f);

}  // namespace kolmar
