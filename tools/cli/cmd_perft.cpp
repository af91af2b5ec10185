#include <chrono>
#include <cstdio>

#include "cli.h"
#include "rules/board.h"
#include "rules/perft.h"

namespace kolmar::cli {

int cmd_perft(const Args& args) {
    std::string fen;
    bool fen_donnee = false;  // --fen "" is refused, not the initial position
    bool unique = false;
    long depth = -1;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--fen") {
            if (i + 1 >= args.size()) return erreur_usage("--fen needs a position");
            fen = args[++i];
            fen_donnee = true;
        } else if (a == "--unique") {
            unique = true;
        } else if (depth < 0 && lire_entier(a, depth, NB_LISTES - 3)) {
            if (depth < 1) return erreur_usage("depth must be at least 1");
        } else {
            return erreur_usage("perft: bad argument '" + a + "' (depth is 1.." + std::to_string(NB_LISTES - 3) + ")");
        }
    }
    if (depth < 1) return erreur_usage("perft: missing DEPTH");

    Generateur g;
    uint8_t damier[TAILLE_DAMIER];
    int trait = BLANC;
    position_initiale(damier);
    if (fen_donnee) {
        std::string erreur;
        if (!lire_fen(fen, damier, trait, &erreur)) return erreur_usage("bad FEN: " + erreur);
    }
    g.damier = damier;
    init_listes(g);

    uint64_t total = 0;
    auto debut = std::chrono::steady_clock::now();
    for (int d = 1; d <= depth; ++d) {
        g.ply = 1;
        uint64_t n = perft(g, trait, d, unique);
        total += n;
        std::printf("perft %d %llu\n", d, static_cast<unsigned long long>(n));
        std::fflush(stdout);
    }
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::printf("nodes %llu time %.3f nps %.0f\n", static_cast<unsigned long long>(total), s, s > 0 ? total / s : 0.0);
    return 0;
}

}  // namespace kolmar::cli
