// kolmar-tune: moves the men tables and tempo weights of the default
// parameters towards the results of games.
//
//   kolmar-tune DATA_DIR SOURCE.txt OUT.txt GAMES.pdn... [--passes N] [--lambda L]
//
// DATA_DIR holds the keys and the built parameters of SOURCE.txt; OUT.txt
// is SOURCE.txt with the tuned values.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "accord.h"

using namespace kolmar;

namespace {

std::string lire(const std::string& chemin, bool& ok) {
    std::ifstream f(chemin, std::ios::binary);
    ok = static_cast<bool>(f);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: kolmar-tune DATA_DIR SOURCE.txt OUT.txt GAMES.pdn... [--passes N] [--lambda L]\n");
        return 2;
    }
    int passes = 20;
    double lambda = 0;
    std::vector<std::string> fichiers;
    for (int i = 4; i < argc; ++i) {
        if (std::strcmp(argv[i], "--passes") == 0 && i + 1 < argc)
            passes = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--lambda") == 0 && i + 1 < argc)
            lambda = std::atof(argv[++i]);
        else
            fichiers.push_back(argv[i]);
    }
    auto jeu = std::make_unique<Jeu>();
    auto m = std::make_unique<Moteur>(*jeu);
    std::string erreur;
    if (!charger_donnees_moteur(*m, erreur, argv[1])) {
        std::fprintf(stderr, "kolmar-tune: %s\n", erreur.c_str());
        return 1;
    }
    bool ok = false;
    const std::string source = lire(argv[2], ok);
    if (!ok) {
        std::fprintf(stderr, "kolmar-tune: cannot read %s\n", argv[2]);
        return 1;
    }
    std::vector<accord::Position> positions;
    for (const std::string& f : fichiers) {
        const std::string t = lire(f, ok);
        if (!ok) {
            std::fprintf(stderr, "kolmar-tune: cannot read %s\n", f.c_str());
            return 1;
        }
        int n = accord::lire_parties(t, positions);
        std::printf("%s: %d games, %zu positions so far\n", f.c_str(), n, positions.size());
    }
    accord::Accordeur a(*m, std::move(positions));
    a.fixer_rappel(lambda);
    std::printf("scale %.5f error %.6f\n", a.ajuster_echelle(), a.erreur());
    for (int p = 0; p < passes; ++p) {
        int n = a.passe(1);
        std::printf("pass %d: %d settings moved, error %.6f\n", p + 1, n, a.erreur());
        std::fflush(stdout);
        if (n == 0) break;
    }
    std::ofstream out(argv[3], std::ios::binary);
    out << accord::reecrire_source(source, m->parametres);
    if (!out) {
        std::fprintf(stderr, "kolmar-tune: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
