// Texts the file and register operations hand back to the window, which
// shows them in a box captioned "Erreur". Kept in one place so the window
// and kolmar-cli say the same thing.
#pragma once

namespace kolmar::messages {

inline constexpr const char* ERREUR = "Erreur";
inline constexpr const char* IMPOSSIBLE_OUVRIR = "Impossible d'ouvrir ce fichier";
inline constexpr const char* IMPOSSIBLE_ECRIRE = "Impossible d'écrire ce fichier";
// Followed by ": " and what was found wrong.
inline constexpr const char* FICHIER_ENDOMMAGE = "Fichier de partie endommagé";

}  // namespace kolmar::messages
