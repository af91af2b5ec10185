// Which help file "Documentation" and "Règles" open in each interface
// language. The files sit beside the program and hold HTML.
#pragma once

namespace kolmar {

enum class Aide { Documentation, Regles };

// English unless the language has its own: Italian reads the English
// documentation, Spanish and Italian the English rules.
const char* fichier_aide(Aide a, int langue);

}  // namespace kolmar
