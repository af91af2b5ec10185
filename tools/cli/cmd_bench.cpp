#include <cstdio>
#include <ctime>
#include <memory>

#include "cli.h"
#include "moteur_cli.h"

namespace kolmar::cli {

namespace {

// Openings, middlegames and endings with kings, from games of the engine
// against itself after random first moves.
const char* const k_positions[] = {
    "W:W43-72:B1-30",
    "W:W41,43,44,45,48,51,52,53,54,55,56,57,58,59,60,61,62,63,64,65,66,67,68,69,70,71,72:B1,2,3,4,5,6,7,8,9,10,11,12,14,15,16,17,18,19,20,22,23,24,27,28,29,30,32",
    "W:W38,42,43,45,46,47,50,51,53,54,55,56,57,58,59,60,61,62,63,64,65,66,67,68,69,70,71,72:B1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,17,18,19,20,21,22,24,26,27,28,29,30,35",
    "B:W72,71,70,69,68,67,65,64,63,62,60,59,58,57,56,55,54,53,52,51,50,49,47,46,45,44,38,35,31:B33,30,29,28,27,26,25,24,23,22,21,20,19,17,16,15,14,13,11,10,9,8,7,6,5,4,3,2",
    "W:W30,39,43,44,45,46,50,51,53,54,55,58,60,61,62,63,64,65,68,69,70,71,72:B1,2,3,4,5,8,9,10,11,12,14,15,16,17,18,20,22,26,29,31,32,33,42",
    "W:W32,37,47,50,52,53,58,59,60,61,63,64,65,66,67,68,70,71:B1,3,4,6,8,9,10,12,14,15,16,19,21,25,27,39,55",
    "B:W71,70,68,66,65,64,63,61,60,59,58,55,52,51,47,44,43,42,40,32:B54,31,29,28,23,22,21,20,17,16,12,11,10,9,8,6,5,4,3,1",
    "W:W35,39,40,41,43,45,47,48,51,53,59,63,64,66,70:B1,3,4,15,16,17,22,24,26,27,28,30,36,42,44",
    "W:W37,46,51,52,53,56,58,59,60,63,66,67,68,70:B3,4,6,8,9,10,15,21,22,24,25,34,55",
    "B:W72,71,70,69,68,65,64,63,62,58,56,51,50,49,48,43,40,37,31:B32,27,26,23,22,20,19,17,16,15,14,10,9,8,7,5,4,3,2",
    "W:W31,39,43,44,45,46,51,52,57,58,66,70:B1,10,13,15,17,22,23,26,27,28,29,32,35,48",
    "W:W39,42,44,45,46,52,53,56,57,59,62,63,69,72:B1,3,10,15,22,26,27,28,29,30,36,41,43,54",
    "W:W30,K50,51,60:B13,21,K22,27,32,47",
    "W:W25,K37,54,67:BK13",
    "B:W52,39,16,12:BK61,41,40,19,14,6",
    "W:WK16,42,49,62,63,72:B29,30,36,37",
    "W:WK56:B7,19,33,38,K51,K70",
    "B:W63,58,53,45,44,30,20,K2:B46,42,35,28",
    "W:WK12,53:B7,19,K24,27,32,35,57",
    "W:W41,45,48,53,54,58,59:B10,13,15,20,21,22,27,30,36,42",
};

}  // namespace

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
        // Processor time: the machine may be shared, the count of nodes is what matters.
        std::clock_t debut = std::clock();
        int i = choisir_coup(*m, trait);
        double s = static_cast<double>(std::clock() - debut) / CLOCKS_PER_SEC;
        total += m->noeuds;
        secondes += s;
        std::printf("position %2d nodes %10llu score %6d best %s\n", ++k, static_cast<unsigned long long>(m->noeuds),
                    m->dernier_score, i != AUCUN_COUP ? texte_coup(jeu->gen.liste_coups[1][i == COUP_UNIQUE ? 0 : i]).c_str() : "none");
        std::fflush(stdout);
    }
    std::printf("bench nodes %llu\n", static_cast<unsigned long long>(total));
    std::printf("time %.3f nps %.0f\n", secondes, secondes > 0 ? total / secondes : 0.0);
    return 0;
}

}  // namespace kolmar::cli
