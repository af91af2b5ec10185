#include <cstdio>

#include "cli.h"
#include "engine/endgame.h"
#include "engine/endgame_gen.h"
#include "records/fichiers.h"
#include "rules/board.h"

namespace kolmar::cli {

namespace {

int verifier(Finales& f, long pas) {
    int manquantes = 0;
    for (int t = 0; t < NB_TABLES_FINALES; ++t)
        if (f.tables[t].empty()) {
            std::fprintf(stderr, "kolmar-cli: %s missing or short\n", nom_table_finale(t));
            ++manquantes;
        }
    if (manquantes) return 1;
    for (int t = 0; t < NB_TABLES_FINALES; ++t) {
        BilanFinale b;
        std::string erreur;
        bool ok = verifier_finale(f.tables, t, b, erreur, pas);
        std::printf("%-9s wins %7ld  losses %7ld  draws %7ld  longest win %3d  longest loss %3d\n", nom_table_finale(t),
                    b.gains, b.pertes, b.nulles, b.gain_max, b.perte_max);
        std::fflush(stdout);
        if (!ok) {
            std::fprintf(stderr, "kolmar-cli: inconsistent table: %s\n", erreur.c_str());
            return 1;
        }
    }
    std::printf("all tables consistent\n");
    return 0;
}

}  // namespace

int cmd_egdb(const Args& args) {
    std::string fen, dir;
    bool verify = false;
    long pas = 1;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--verify") {
            verify = true;
        } else if (a == "--dir") {
            if (i + 1 >= args.size()) return erreur_usage("--dir needs a directory");
            dir = args[++i];
        } else if (a == "--sample") {
            if (i + 1 >= args.size() || !lire_entier(args[i + 1], pas, 1000000) || pas < 1)
                return erreur_usage("--sample needs a step of 1 or more");
            ++i;
        } else if (fen.empty() && !a.empty() && a[0] != '-') {
            fen = a;
        } else {
            return erreur_usage("egdb: bad argument '" + a + "'");
        }
    }
    if (verify == !fen.empty()) return erreur_usage("egdb: give either FEN or --verify");

    Finales f;
    charger_finales(f, dir.empty() ? repertoire_donnees() : dir);
    if (verify) return verifier(f, pas);

    uint8_t damier[TAILLE_DAMIER];
    int trait = BLANC;
    std::string erreur;
    if (!lire_fen(fen, damier, trait, &erreur)) return erreur_usage("bad FEN: " + erreur);
    uint8_t nb[5];
    compter_pieces(damier, nb);
    int t = table_finale(nb, trait);
    long off = t < 0 ? -1 : decalage_finale(t, damier, trait);
    if (t < 0 || off < 0) {
        std::printf("no table\n");
        return 0;
    }
    if (f.tables[t].empty()) {
        std::printf("no table (%s missing or short)\n", nom_table_finale(t));
        return 0;
    }
    int8_t v = f.tables[t][static_cast<size_t>(off)];
    int16_t score = 0;
    valeur_finale(f, t, damier, trait, 1, score);
    const char* sens = v > 0 ? "win" : v < 0 ? "loss" : "draw";
    std::printf("table %s offset %ld byte %d (%s", nom_table_finale(t), off, v, sens);
    if (v != 0) std::printf(" in %d plies", distance_finale(v));
    std::printf(") score %d for %s to move at ply 1\n", score, trait == BLANC ? "white" : "black");
    return 0;
}

}  // namespace kolmar::cli
