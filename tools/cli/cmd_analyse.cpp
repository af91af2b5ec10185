#include <cstdio>
#include <iostream>
#include <memory>

#include "cli.h"
#include "engine/analyse.h"
#include "lang/messages.h"
#include "lang/textes.h"
#include "moteur_cli.h"
#include "records/gamefile.h"

namespace kolmar::cli {

// Analyses a saved game as "Débuter une analyse" does and prints the
// analysis window's list, then the count of marked moves of each side.
int cmd_analyse(const Args& args) {
    std::string fichier;
    long level = -1;
    double secondes = 0;
    int langue = FRANCAIS;
    int modes = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool suivant = i + 1 < args.size();
        if (a == "--level" && suivant) {
            if (!lire_entier(args[++i], level, 8)) return erreur_usage("analyse: --level takes 0..8");
            ++modes;
        } else if (a == "--time" && suivant) {
            if (!lire_secondes(args[++i], secondes)) return erreur_usage("analyse: --time takes a number of seconds");
            ++modes;
        } else if (a == "--lang" && suivant) {
            const std::string l = args[++i];
            if (l == "fr")
                langue = FRANCAIS;
            else if (l == "en")
                langue = ANGLAIS;
            else if (l == "pt")
                langue = PORTUGAIS;
            else if (l == "es")
                langue = ESPAGNOL;
            else
                return erreur_usage("analyse: --lang takes fr, en, pt or es");
        } else if (fichier.empty() && !a.empty() && a[0] != '-') {
            fichier = a;
        } else {
            return erreur_usage("analyse: bad argument '" + a + "'");
        }
    }
    if (fichier.empty()) return erreur_usage("analyse: expected a game FILE");
    if (modes > 1) return erreur_usage("analyse: give at most one of --level N, --time S");

    auto jeu = std::make_unique<Jeu>();
    EtatNote etat;
    Reglages reglages;
    ResultatFichier res = ouvrir_jeu(fichier, *jeu, etat, reglages, ModeLecture::ouvrir);
    if (!res.ok) {
        std::cerr << texte_resultat(res, langue) << "\n";
        return 1;
    }
    auto m = std::make_unique<Moteur>(*jeu);
    if (!preparer_moteur(*m)) return 1;
    Finales finales;
    charger_positions(finales);
    m->finales = &finales;
    // Without an option the game's own level, as the window would have it.
    if (level >= 0)
        limites_niveau(static_cast<int>(level), m->limites);
    else if (secondes > 0)
        m->limites.temps_fixe_ms = static_cast<int64_t>(secondes * 1000);
    else
        m->limites.engineBudget = reglages.engineBudget, m->limites.periodLimit = reglages.periodLimit;

    Analyse a;
    if (!analyser_partie(*m, a)) {
        std::cerr << "kolmar-cli: analyse: no move has been played\n";
        return 1;
    }
    for (const std::string& l : lignes_longues(a, langue)) std::cout << l << "\n";
    std::cout << "mistakes white " << fautes(a, BLANC) << " black " << fautes(a, NOIR) << "\n";
    return 0;
}

}  // namespace kolmar::cli
