// Why the engine's data could not be loaded at start-up: a code and what
// the text needs (the path, the size found). The words are core/lang's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kolmar {

struct ErreurDonnees {
    enum class Code : uint8_t {
        aucune,
        cles_absentes,          // "hashkey73.dat" cannot be read
        cles_incompletes,       // shorter than its 2920 bytes
        parametres_absents,     // "defaut_can.par" cannot be read
        parametres_incomplets,  // shorter than its 1166 bytes
        allocation_tables,      // no memory for the transposition table
    };
    Code code = Code::aucune;
    std::string chemin;
    size_t taille = 0;
};

// The text of e in an interface language (lang/messages.cpp).
std::string texte_erreur_donnees(const ErreurDonnees& e, int langue = 0);

}  // namespace kolmar
