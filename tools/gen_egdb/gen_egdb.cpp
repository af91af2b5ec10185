// Writes the sixteen endgame tables and an empty "can.dat" into the
// directory given as argument. Classes that do not depend on each other
// are solved on two threads; each class is solved by one thread in a fixed
// order, so the bytes do not depend on the scheduling.
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "engine/endgame.h"
#include "engine/endgame_gen.h"
#include "records/fichiers.h"

using namespace kolmar;

namespace {

// Each wave holds classes (named by one of their tables) whose children
// lie in earlier waves only.
const std::vector<std::vector<int>> k_vagues = {
    {DOD}, {DOP}, {POP}, {DDOD}, {DDOP, PDOD}, {PDOP, PPOD}, {PPOP},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_egdb OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    auto debut = std::chrono::steady_clock::now();
    std::vector<int8_t> tables[NB_TABLES_FINALES];
    BilanFinale bilan[NB_TABLES_FINALES];
    for (const auto& vague : k_vagues) {
        std::vector<std::thread> fils;
        for (size_t i = 1; i < vague.size(); ++i)
            fils.emplace_back([&, t = vague[i]] { resoudre_finale(t, tables, bilan); });
        resoudre_finale(vague[0], tables, bilan);
        for (auto& f : fils) f.join();
    }
    int erreurs = 0;
    for (int t = 0; t < NB_TABLES_FINALES; ++t) {
        const BilanFinale& b = bilan[t];
        std::printf("%-9s wins %7ld  losses %7ld  draws %7ld  longest win %3d  longest loss %3d%s\n",
                    nom_table_finale(t), b.gains, b.pertes, b.nulles, b.gain_max, b.perte_max,
                    (b.gain_max > 127 || b.perte_max > 126) ? "  (clamped)" : "");
        std::string chemin = dir + "/" + nom_table_finale(t);
        if (!ecrire_fichier_sur(chemin, tables[t].data(), tables[t].size())) {
            std::fprintf(stderr, "gen_egdb: cannot write %s\n", chemin.c_str());
            ++erreurs;
        }
    }
    std::vector<uint8_t> vide(TAILLE_POSITIONS_APPRISES, 0);
    if (!ecrire_fichier_sur(dir + "/can.dat", vide.data(), vide.size())) {
        std::fprintf(stderr, "gen_egdb: cannot write %s/can.dat\n", dir.c_str());
        ++erreurs;
    }
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::printf("endgame tables generated in %.1f s\n", s);
    return erreurs ? 1 : 0;
}
