// kolmar-cli openings: balanced openings for matches. Random lines of 4 to 8
// plies from the initial position, kept when a fixed-depth search of the
// final position finds it level and the line is new.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <set>

#include "cli.h"
#include "engine/match.h"
#include "moteur_cli.h"
#include "records/pdn.h"

namespace kolmar::cli {

int cmd_openings(const Args& args) {
    long nombre = 0, profondeur = 10, graine = 1, marge = 40;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool suivant = i + 1 < args.size();
        if (a == "--count" && suivant) {
            if (!lire_entier(args[++i], nombre, 10000) || nombre < 1)
                return erreur_usage("openings: --count takes a count");
        } else if (a == "--depth" && suivant) {
            if (!lire_entier(args[++i], profondeur, PROFONDEUR_MAX - 1) || profondeur < 1)
                return erreur_usage("openings: --depth takes 1.." + std::to_string(PROFONDEUR_MAX - 1));
        } else if (a == "--seed" && suivant) {
            if (!lire_entier(args[++i], graine, 4000000000L)) return erreur_usage("openings: --seed takes a number");
        } else if (a == "--margin" && suivant) {
            if (!lire_entier(args[++i], marge, 32000)) return erreur_usage("openings: --margin takes 1/200 of a man");
        } else {
            return erreur_usage("openings: bad argument '" + a + "'");
        }
    }
    if (nombre < 1) return erreur_usage("openings: needs --count N");
    auto jeu = std::make_unique<Jeu>();
    auto m = std::make_unique<Moteur>(*jeu);
    if (!preparer_moteur(*m)) return 1;
    m->limites.profondeur_fixe = static_cast<int>(profondeur);
    std::mt19937 hasard(static_cast<unsigned>(graine));
    std::set<std::string> vues;
    uint8_t depart[TAILLE_DAMIER];
    position_initiale(depart);
    std::printf("# Balanced openings: kolmar-cli openings --count %ld --depth %ld --seed %ld --margin %ld\n", nombre,
                profondeur, graine, marge);
    std::printf("# Each line is level (|score| <= %ld/200 of a man) at depth %ld for the side to move.\n", marge,
                profondeur);
    long gardees = 0;
    for (long essai = 0; gardees < nombre && essai < nombre * 200; ++essai) {
        std::string e;
        poser_partie(*jeu, depart, BLANC, {}, nullptr, e);
        const int plies = std::uniform_int_distribution<int>(4, 8)(hasard);
        std::string ligne;
        bool fini = false;
        for (int p = 0; p < plies; ++p) {
            int n = coups_legaux(jeu->gen, jeu->trait);
            if (n == 0) {
                fini = true;
                break;
            }
            Coup c = jeu->gen.liste_coups[1][std::uniform_int_distribution<int>(0, n - 1)(hasard)];
            ligne += (ligne.empty() ? "" : " ") + coup_protocole(c);
            jouer_et_noter(*jeu, c);
        }
        // A capture pending at the end would decide the game's first move.
        if (fini || vues.count(ligne) || coups_legaux(jeu->gen, jeu->trait) == 0 || jeu->gen.prise_max > 0) continue;
        vues.insert(ligne);
        m->dernier_score = 0;
        if (!choisir_coup(*m, jeu->trait).joue()) continue;
        if (std::abs(m->dernier_score) > marge) continue;
        std::printf("%s\n", ligne.c_str());
        std::fflush(stdout);
        ++gardees;
    }
    return gardees == nombre ? 0 : 1;
}

}  // namespace kolmar::cli
