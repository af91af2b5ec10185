#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli.h"
#include "engine/moteur.h"

namespace kolmar::cli {

int erreur_usage(const std::string& message) {
    std::cerr << "kolmar-cli: " << message << "\n";
    return 2;
}

bool lire_entier(const std::string& texte, long& valeur, long max) {
    if (texte.empty() || texte.size() > 12) return false;
    long v = 0;
    for (char c : texte) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v > max) return false;
    valeur = v;
    return true;
}

namespace {

struct Commande {
    const char* nom;
    int (*executer)(const Args&);
    const char* usage;
};

const Commande k_commandes[] = {
    {"perft", cmd_perft, "perft [--fen FEN] [--unique] DEPTH"},
    {"egdb", cmd_egdb, "egdb [--dir DIR] (FEN | --verify [--sample STEP])"},
    {"dam", cmd_dam, "dam FILE"},
    {"go", cmd_go, "go [--fen FEN] (--depth D | --time S | --level N)"},
    {"bench", cmd_bench, "bench [--depth D]"},
    {"match", cmd_match,
     "match --games N [--first P] [--second P] [--depth D | --time S] [--params FILE] [--openings FILE]\n"
     "                   [--max-plies N] [--concurrency N] [--seed K] [--pdn FILE]\n"
     "                   [--sprt [elo0=E0] [elo1=E1] [alpha=A] [beta=B]]\n"
     "                   [--resign [moves=N] [score=S]] [--draw [ply=P] [moves=N] [score=S]]\n"
     "                   (P: kolmar depth:D time:S level:N greedy random engine:COMMAND)"},
    {"engine", cmd_engine, "engine [--params FILE]   (line protocol on stdin/stdout, docs/engine-protocol.md)"},
    {"openings", cmd_openings, "openings --count N [--depth D] [--seed K]   (balanced match openings)"},
    {"pdn", cmd_pdn, "pdn FILE   (replays every game of a PDN or text file)"},
    {"export", cmd_export, "export (--text | --pdn) GAME.dam"},
    {"analyse", cmd_analyse, "analyse GAME.dam [--level N | --time S] [--lang fr|en|pt|es]"},
};

int usage() {
    std::cerr << "usage: kolmar-cli [--on NAME | --off NAME]... COMMAND ...\n";
    for (const auto& c : k_commandes) std::cerr << "  kolmar-cli " << c.usage << "\n";
    std::cerr << "  NAME, a switch of the search:";
    for (const std::string& n : kolmar::noms_interrupteurs()) std::cerr << " " << n;
    std::cerr << "\n";
    return 2;
}

}  // namespace
}  // namespace kolmar::cli

int main(int argc, char** argv) {
    using namespace kolmar::cli;
    // The search's switches for every engine this process makes, so that one
    // build can play against itself with a refinement off.
    int k = 1;
    for (; k + 1 < argc && (std::strcmp(argv[k], "--on") == 0 || std::strcmp(argv[k], "--off") == 0); k += 2)
        if (!kolmar::regler_interrupteur(kolmar::interrupteurs_de_depart(), argv[k + 1],
                                         std::strcmp(argv[k], "--on") == 0))
            return erreur_usage(std::string("no switch named '") + argv[k + 1] + "'");
    if (argc <= k) return usage();
    Args args(argv + k + 1, argv + argc);
    for (const auto& c : k_commandes)
        if (std::strcmp(argv[k], c.nom) == 0) return c.executer(args);
    return erreur_usage(std::string("unknown command '") + argv[k] + "'");
}
