// Whether a key has its row in the generated language table, found by
// index rather than by pointer: a sanitizer build does not take the
// comparison of an address with null as a constant. A key of the table
// always has its French text (the generator refuses one that has not).
#pragma once

#include <cstddef>
#include <string_view>

#include "lang/textes_donnees.h"

namespace kolmar::langues {

constexpr bool cle_presente(std::string_view cle) {
    std::size_t bas = 0, haut = sizeof k_lignes / sizeof k_lignes[0];
    while (bas < haut) {
        const std::size_t m = (bas + haut) / 2;
        if (k_lignes[m].cle < cle)
            bas = m + 1;
        else
            haut = m;
    }
    return bas < sizeof k_lignes / sizeof k_lignes[0] && k_lignes[bas].cle == cle;
}

// Every key of a table of text ids has its row (and so its French text).
template <std::size_t N>
constexpr bool toutes_presentes(const std::string_view (&cles)[N]) {
    for (std::string_view c : cles)
        if (!cle_presente(c)) return false;
    return true;
}

}  // namespace kolmar::langues
