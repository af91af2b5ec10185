#include "engine/bench.h"

#include <ctime>
#include <memory>

#include "engine/moteur.h"

namespace kolmar {

// From games of the engine against itself after random first moves.
const char* const k_positions_bench[] = {
    "W:W43-72:B1-30",
    "W:W41,43,44,45,48,51,52,53,54,55,56,57,58,59,60,61,62,63,64,65,66,67,68,69,70,71,72:B1,2,3,4,5,6,7,8,9,10,11,12,"
    "14,15,16,17,18,19,20,22,23,24,27,28,29,30,32",
    "W:W38,42,43,45,46,47,50,51,53,54,55,56,57,58,59,60,61,62,63,64,65,66,67,68,69,70,71,72:B1,2,3,4,5,6,7,8,9,10,11,"
    "12,13,14,15,17,18,19,20,21,22,24,26,27,28,29,30,35",
    "B:W72,71,70,69,68,67,65,64,63,62,60,59,58,57,56,55,54,53,52,51,50,49,47,46,45,44,38,35,31:B33,30,29,28,27,26,25,"
    "24,23,22,21,20,19,17,16,15,14,13,11,10,9,8,7,6,5,4,3,2",
    "W:W30,39,43,44,45,46,50,51,53,54,55,58,60,61,62,63,64,65,68,69,70,71,72:B1,2,3,4,5,8,9,10,11,12,14,15,16,17,18,20,"
    "22,26,29,31,32,33,42",
    "W:W32,37,47,50,52,53,58,59,60,61,63,64,65,66,67,68,70,71:B1,3,4,6,8,9,10,12,14,15,16,19,21,25,27,39,55",
    "B:W71,70,68,66,65,64,63,61,60,59,58,55,52,51,47,44,43,42,40,32:B54,31,29,28,23,22,21,20,17,16,12,11,10,9,8,6,5,4,"
    "3,1",
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
const int NB_POSITIONS_BENCH = static_cast<int>(sizeof k_positions_bench / sizeof k_positions_bench[0]);

bool lancer_bench(int profondeur, uint64_t& total, std::string& erreur, const std::string& dir,
                  const std::function<void(const PositionBench&)>& apres) {
    total = 0;
    for (int k = 0; k < NB_POSITIONS_BENCH; ++k) {
        auto jeu = std::make_unique<Jeu>();
        int trait = BLANC;
        if (!lire_fen(k_positions_bench[k], jeu->damier, trait, &erreur)) {
            erreur = "bad position " + std::to_string(k + 1) + ": " + erreur;
            return false;
        }
        commencer_partie(jeu->partie, jeu->damier, EtatNote{});
        // A fresh engine, so a fresh table of the default size.
        auto m = std::make_unique<Moteur>(*jeu);
        if (!charger_donnees_moteur(*m, erreur, dir)) return false;
        m->limites.profondeur_fixe = profondeur;
        // Processor time: the machine may be shared, the count of nodes is what matters.
        const std::clock_t debut = std::clock();
        const ChoixCoup choix = choisir_coup(*m, trait);
        PositionBench p;
        p.numero = k + 1;
        p.noeuds = m->noeuds;
        p.score = m->dernier_score;
        p.coup = choix.joue() ? texte_coup(choix.coup) : "none";
        p.secondes = static_cast<double>(std::clock() - debut) / CLOCKS_PER_SEC;
        total += p.noeuds;
        if (apres) apres(p);
    }
    return true;
}

}  // namespace kolmar
