#include <chrono>
#include <cstdio>
#include <memory>

#include "cli.h"
#include "moteur_cli.h"

namespace kolmar::cli {

namespace {

// Openings, middlegames and endings with kings, from games of the engine
// against itself after random first moves.
const char* const k_positions[] = {
    "W:W43-72:B1-30",
};

}  // namespace

int cmd_bench(const Args& args) {
    long depth = 9;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--depth" && i + 1 < args.size()) {
            if (!lire_entier(args[++i], depth, PROFONDEUR_MAX - 1) || depth < 1)
                return erreur_usage("bench: --depth takes 1.." + std::to_string(PROFONDEUR_MAX - 1));
        } else {
            return erreur_usage("bench: bad argument '" + args[i] + "'");
        }
    }
    uint64_t total = 0;
    double secondes = 0;
    int k = 0;
    for (const char* fen : k_positions) {
        auto jeu = std::make_unique<Jeu>();
        int trait = BLANC;
        std::string erreur;
        if (!lire_fen(fen, jeu->damier, trait, &erreur)) {
            std::fprintf(stderr, "kolmar-cli: bench: bad position %d: %s\n", k + 1, erreur.c_str());
            return 1;
        }
        commencer_partie(jeu->partie, jeu->damier, EtatNote{});
        // A fresh engine, so a fresh table of the default size.
        auto m = std::make_unique<Moteur>(*jeu);
        if (!preparer_moteur(*m)) return 1;
        m->limites.profondeur_fixe = static_cast<int>(depth);
        auto debut = std::chrono::steady_clock::now();
        int i = choisir_coup(*m, trait);
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
        total += m->noeuds;
        secondes += s;
        std::printf("position %2d nodes %10llu score %6d best %s\n", ++k, static_cast<unsigned long long>(m->noeuds),
                    m->dernier_score, i < 100 || i == 254 ? texte_coup(jeu->gen.liste_coups[1][i == 254 ? 0 : i]).c_str() : "none");
        std::fflush(stdout);
    }
    std::printf("bench nodes %llu\n", static_cast<unsigned long long>(total));
    std::printf("time %.3f nps %.0f\n", secondes, secondes > 0 ? total / secondes : 0.0);
    return 0;
}

}  // namespace kolmar::cli
