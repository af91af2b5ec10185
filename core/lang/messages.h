// The texts of what the file, register and engine loading operations
// report, in the interface languages. Callers get codes; this is where
// they become words.
#pragma once

#include <string>

#include "engine/donnees.h"
#include "records/gamefile.h"

namespace kolmar {

// The "Erreur" box's text for a refusal: its message, the fault of a
// damaged file after " : ", the reason of a failed write on a second line.
// Empty for a silent refusal or a success.
std::string texte_resultat(const ResultatFichier& r, int langue = 0);

// The reason of a failed write alone; empty when nothing useful is known.
std::string texte_raison(RaisonEchec r, int langue = 0);

}  // namespace kolmar
