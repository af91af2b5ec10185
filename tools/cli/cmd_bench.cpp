#include <cstdio>

#include "cli.h"
#include "engine/bench.h"
#include "moteur_cli.h"

namespace kolmar::cli {

int cmd_bench(const Args& args) {
    long depth = 8;
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
    std::string erreur;
    const bool ok = lancer_bench(static_cast<int>(depth), total, erreur, std::string(), [&](const PositionBench& p) {
        secondes += p.secondes;
        std::printf("position %2d nodes %10llu score %6d best %s\n", p.numero,
                    static_cast<unsigned long long>(p.noeuds), p.score, p.coup.c_str());
        std::fflush(stdout);
    });
    if (!ok) {
        std::fprintf(stderr, "kolmar-cli: bench: %s\n", erreur.c_str());
        return 1;
    }
    std::printf("bench nodes %llu\n", static_cast<unsigned long long>(total));
    std::printf("time %.3f nps %.0f\n", secondes, secondes > 0 ? total / secondes : 0.0);
    return 0;
}

}  // namespace kolmar::cli
