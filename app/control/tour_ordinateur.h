// The computer's side of the turn flow: the engine attached to the window,
// the computer's turn, thinking on the human's time and the draw offers.
// tour_de_l_ordinateur itself is declared with the turn flow.
#pragma once

#include <QString>
#include <string>

namespace kolmar {

class TForm1;
struct EtatTour;

// Keys, parameters and the transposition table from the program
// directory; false with a message for the user.
bool charger_moteur(TForm1& f, std::string& erreur);
// The engine's tables are there (the computer can play).
bool moteur_pret(TForm1& f);

// A fresh game against the computer, which plays black or white; with
// white it opens at once.
void nouvelle_partie_contre_ordinateur(TForm1& f, bool ordinateur_noir);

// Runs the driver for `trait` on damier, pumping events through the
// engine's poll. Pondering when `reflexion`. Returns the driver's answer,
// or -1 when the position was changed under the search (navigation, a new
// game): damier is then the committed position again and nothing is played.
int rechercher(TForm1& f, int trait, bool reflexion);

// Main loop, human's turn: thinks once on the human's time when allowed.
void reflexion_adverse(TForm1& f);

// A new game: the computer's panels hidden, the engine panel emptied.
void effacer_panneaux_ordinateur(TForm1& f);
// After the end-of-game text `texte` is shown: its sound ("Autres"), and
// the computer no longer plays both sides.
void annoncer_fin(TForm1& f, const QString& texte);

// The flags navigation reads and writes, bound to the window's.
EtatTour etat_tour(TForm1& f);

// The computer's draw offer: at most 4 pieces with a king, more than 20
// half-moves played, no capture among the last 20, score not a win/loss.
bool proposer_nul(const TForm1& f, int score);
// Computer against computer: more than 400 half-moves, material unchanged
// for 60 and a score that is not decisive.
bool nul_ordinateurs(const TForm1& f, int score);

}  // namespace kolmar
