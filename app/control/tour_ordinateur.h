// The computer's side of the turn flow: the engine's search on its own copy
// of the game, thinking on the human's time, the draw offers, and the
// commands around them.
#pragma once

#include <cstdint>

#include "engine/moteur.h"

namespace kolmar {

class Controleur;
struct EtatTour;

// A fresh game against the computer, which plays black or white; with
// white it opens at once.
void nouvelle_partie_contre_ordinateur(Controleur& f, bool ordinateur_noir);

// Runs the driver for `trait` on a copy of the committed position, pumping
// events through the engine's poll. Pondering when `reflexion`. Returns the
// driver's answer (its index is into the engine's copy's gen.liste_coups[1]);
// abandoned when the game changed or ended during the search: nothing may
// be played then.
ChoixCoup rechercher(Controleur& f, int trait, bool reflexion);

// Main loop, human's turn: thinks once on the human's time when allowed.
void reflexion_adverse(Controleur& f);

// A new game: the computer's panels hidden, the engine panel emptied.
void effacer_panneaux_ordinateur(Controleur& f);
// The end of the game of kind `kind` (see deroulement.h) is shown: its
// sound, and the computer no longer plays both sides.
void annoncer_fin(Controleur& f, int kind, int gagnant);

// The flags navigation reads and writes, bound to the controller's.
EtatTour etat_tour(Controleur& f);

// The computer's draw offer: at most 4 pieces with a king, more than 20
// half-moves played, no capture among the last 20, score not a win/loss.
bool proposer_nul(const Controleur& f, int score);
// Computer against computer: more than 400 half-moves, material unchanged
// for 60 and a score that is not decisive.
bool nul_ordinateurs(const Controleur& f, int score);

// "Arrêt du calcul" and the "Arrêter le calcul" button.
void pause(Controleur& f);
void ProposernulClick(Controleur& f);
// OK and Cancel of the computer's draw offer.
void BitBtn14Click(Controleur& f);
void Annul_nulClick(Controleur& f);
// "Ordinateur contre ordinateur" now checked or not.
void Ordinateurcontreordinateur1Click(Controleur& f, bool coche);
// "Humain contre humain" toggled.
void Ordinateur(Controleur& f);
// "Réflexion sur temps adverse" now checked or not: unchecked stops a
// running pondering at once.
void Rflexionsurtempsadverse1Click(Controleur& f, bool coche);
// A size of the "Taille des tables de transposition" menu.
void choisir_taille_hash(Controleur& f, int index);
// "Bibliothèques actives" now checked or not.
void Bibliothquesactives1Click(Controleur& f, bool coche);

}  // namespace kolmar
