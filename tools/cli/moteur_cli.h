// Helpers shared by the engine's subcommands (go, bench, match).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "cli.h"
#include "engine/moteur.h"

namespace kolmar::cli {

// Loads keys, parameters and the default table; prints the loader's
// message and returns false when the program's data is missing.
inline bool preparer_moteur(Moteur& m) {
    std::string erreur;
    if (!charger_donnees_moteur(m, erreur)) {
        std::fprintf(stderr, "kolmar-cli: %s\n", erreur.c_str());
        return false;
    }
    return true;
}

// A decimal number of seconds such as "2" or "0.5"; false on anything else.
inline bool lire_secondes(const std::string& t, double& s) {
    if (t.empty()) return false;
    char* fin = nullptr;
    s = std::strtod(t.c_str(), &fin);
    return fin && *fin == '\0' && s > 0 && s <= 100000 && t.find_first_not_of("0123456789.") == std::string::npos;
}

}  // namespace kolmar::cli
