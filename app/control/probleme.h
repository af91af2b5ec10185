// Position set-up ("Installer une position", the tab "Probleme"): pieces
// are clicked onto the board, then play goes on from that position with
// the side to move, the computer's colour and who moves first as chosen.
#pragma once

#include <cstdint>

namespace kolmar {

class Controleur;

// The five selection buttons: 1..4 a piece code, 0 the eraser.
void choisir_pion(Controleur& f, uint8_t code);

// Set-up mode on or off. Leaving it crowns the men standing on their
// crowning row, stores the position and ends the game at once when a side
// has lost already; with the computer to move, its search starts at the
// next pass of the main loop.
void Entrerpositionclick(Controleur& f);
// Ctrl+I: the set-up tab becomes the active page (the window switches to
// the 2D board first; this switch is not a user's change of tab).
void Installeruneposition1Click(Controleur& f);
// The page control asks whether it may change tab: not while the computer
// has the move nor during a rated game.
bool OngletChanging(const Controleur& f);
// The user made the set-up tab active (or another one): the libraries are
// switched off and set-up mode begins. Leaving the tab ends set-up mode at
// the next press on the board.
void OngletChange(Controleur& f, bool probleme);
// A press on the board in set-up mode at client point (x, y): the selected
// code goes on the dark square there; light cells are ignored.
void placer_piece(Controleur& f, int x, int y);
// Set-up mode ends (the flag is cleared) and play resumes from the board.
void quitter_probleme(Controleur& f);

// "Vider le damier", "Remplir le damier".
void vider(Controleur& f);
void remplir(Controleur& f);
// Bas_Haut: the other side moves up the screen while the picture stays.
void Change_dir(Controleur& f);
// Couleurordi: the computer takes the other colour; the side to move is
// the computer's opponent.
void Change_couleur(Controleur& f);
// Couleurjoue: who moves first; the side to move changes with it.
void Couleur_joue(Controleur& f);
// Blancs / Noirs: each side's static evaluation of the board.
void evaluations_statiques(Controleur& f);

}  // namespace kolmar
