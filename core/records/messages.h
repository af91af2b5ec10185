// Texts the file and register operations hand back to the window, which
// shows them in a box captioned "Erreur". Kept in one place so the window
// and kolmar-cli say the same thing.
#pragma once

#include <string>

#include "records/fichiers.h"

namespace kolmar::messages {

inline constexpr const char* ERREUR = "Erreur";
inline constexpr const char* IMPOSSIBLE_OUVRIR = "Impossible d'ouvrir ce fichier";
inline constexpr const char* IMPOSSIBLE_ECRIRE = "Impossible d'écrire ce fichier";
// Followed by ": " and what was found wrong.
inline constexpr const char* FICHIER_ENDOMMAGE = "Fichier de partie endommagé";

// The reason of a failed write as one line; empty when there is nothing
// useful to say.
inline const char* texte_raison(RaisonEchec r) {
    switch (r) {
        case RaisonEchec::lecture_seule: return "Le dossier ou le disque est en lecture seule";
        case RaisonEchec::disque_plein: return "Le disque est plein";
        case RaisonEchec::chemin_absent: return "Le dossier n'existe pas";
        case RaisonEchec::aucune:
        case RaisonEchec::autre: break;
    }
    return "";
}

// IMPOSSIBLE_ECRIRE, and the reason on a second line when there is one.
inline std::string impossible_ecrire(RaisonEchec r) {
    std::string m = IMPOSSIBLE_ECRIRE;
    const std::string raison = texte_raison(r);
    if (!raison.empty()) m += "\n" + raison;
    return m;
}

}  // namespace kolmar::messages
