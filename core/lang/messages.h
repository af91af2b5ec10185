// The texts of what the file, register and engine loading operations
// report, in the interface languages. Callers get codes; this is where
// they become words.
#pragma once

#include <string>

#include "engine/donnees.h"
#include "records/gamefile.h"
#include "records/partie_texte.h"

namespace kolmar {

// The "Erreur" box's text for a refusal: its message, the fault of a
// damaged file after " : ", the reason of a failed write on a second line.
// Empty for a silent refusal or a success.
std::string texte_resultat(const ResultatFichier& r, int langue = 0);

// The reason of a failed write alone; empty when nothing useful is known.
std::string texte_raison(RaisonEchec r, int langue = 0);

// The draughts game a PDN GameType number stands for ("dames
// internationales" for 20), or "GameType N" when unknown.
std::string texte_type_jeu(int numero, int langue = 0);

// What a replay met first, for kolmar-cli and the window's list: empty
// when the game replayed whole.
std::string texte_rejeu(const Rejeu& r, int langue = 0);

// A line of the game list of a multi-game file: " 1: Paul - Anne", and for
// a game of another draughts the reason it will not load.
std::string texte_ligne_partie(int numero, const PartieLue& p, int langue = 0);

}  // namespace kolmar
