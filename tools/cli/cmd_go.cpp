#include <chrono>
#include <cstdio>
#include <memory>

#include "cli.h"
#include "moteur_cli.h"

namespace kolmar::cli {

int cmd_go(const Args& args) {
    std::string fen;
    bool fen_donnee = false;  // --fen "" is refused, not the initial position
    long depth = 0, level = -1;
    double secondes = 0;
    int modes = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool suivant = i + 1 < args.size();
        if (a == "--fen" && suivant) {
            fen = args[++i];
            fen_donnee = true;
        } else if (a == "--depth" && suivant) {
            if (!lire_entier(args[++i], depth, PROFONDEUR_MAX - 1) || depth < 1)
                return erreur_usage("go: --depth takes 1.." + std::to_string(PROFONDEUR_MAX - 1));
            ++modes;
        } else if (a == "--time" && suivant) {
            if (!lire_secondes(args[++i], secondes)) return erreur_usage("go: --time takes a number of seconds");
            ++modes;
        } else if (a == "--level" && suivant) {
            if (!lire_entier(args[++i], level, 8)) return erreur_usage("go: --level takes 0..8");
            ++modes;
        } else {
            return erreur_usage("go: bad argument '" + a + "'");
        }
    }
    if (modes != 1) return erreur_usage("go: give exactly one of --depth D, --time S, --level N");

    auto jeu = std::make_unique<Jeu>();
    int trait = BLANC;
    if (fen_donnee) {
        std::string erreur;
        if (!lire_fen(fen, jeu->damier, trait, &erreur)) return erreur_usage("go: bad FEN: " + erreur);
    }
    jeu->trait = static_cast<uint8_t>(trait);
    std::memcpy(jeu->plateau_affiche, jeu->damier, TAILLE_DAMIER);
    commencer_partie(jeu->partie, jeu->damier, EtatNote{});

    auto m = std::make_unique<Moteur>(*jeu);
    if (!preparer_moteur(*m)) return 1;
    Finales finales;
    charger_positions(finales);
    m->finales = &finales;
    if (depth)
        m->limites.profondeur_fixe = static_cast<int>(depth);
    else if (secondes > 0)
        m->limites.temps_fixe_ms = static_cast<int64_t>(secondes * 1000);
    else
        limites_niveau(static_cast<int>(level), m->limites);

    auto debut = std::chrono::steady_clock::now();
    m->rappels.fin_iteration = [&](int d, int score, uint64_t noeuds) {
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
        std::printf("depth %d score %d nodes %llu nps %.0f pv %s\n", d, score, static_cast<unsigned long long>(noeuds),
                    s > 0 ? noeuds / s : 0.0, texte_pv(*m).c_str());
        std::fflush(stdout);
    };
    const ChoixCoup choix = choisir_coup(*m, trait);
    if (!choix.joue()) {
        std::printf("bestmove none\n");
        return 0;
    }
    std::printf("bestmove %s\n", texte_coup(choix.coup).c_str());
    return 0;
}

}  // namespace kolmar::cli
