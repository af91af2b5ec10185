// The search's state and its entry points: the incremental board sums, the
// per-ply stack, the root moves, and the max/min nodes. Internal to the
// engine (the driver, the analysis and the tests use it).
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "rules/bits.h"
#include "rules/board.h"

namespace kolmar {

struct Moteur;

constexpr int PLY_STATIQUE = 33;  // a node this deep is evaluated at once
constexpr int NB_PLIES = 36;
constexpr int PROFONDEUR_MAX = 31;

// What make_move changes besides the board, restored by copy.
struct Incremental {
    int32_t somme_pos = 0;
    int32_t somme_tempo = 0;
    int8_t zones[12] = {};
    uint32_t cle_index = 0;
    uint32_t cle_verrou = 0;
    uint32_t cle_fichier = 0;
    int32_t bilan = 0;  // men 1, kings 3, root side positive, since the root
    int16_t ext_promotion = 0;
    uint8_t coups_calmes = 0;
    uint8_t derniere_arrivee = 0;
    Bits pieces[5] = {};  // squares of each piece code
};

// A node's board, piece counts and sums, taken before its moves.
struct Sauvegarde {
    uint8_t damier[TAILLE_DAMIER];
    uint8_t nb_pieces[5];
    Incremental inc;
};

struct Tueur {
    uint8_t depart = 0;
    uint8_t arrivee = 0;
    int16_t score = 0;
};

struct Pile {
    Tueur k1, k2, alpha;
    int8_t ext = 0;               // forced-capture plies on the path
    bool pres_promotion = false;  // man-near-crowning flag of the move at this ply
    uint8_t hash_de = 0, hash_vers = 0;
    Sauvegarde sauve;
};

struct EntreeRacine {
    uint8_t depart = 0;
    uint8_t arrivee = 0;
    int16_t score = 0;
};

struct Racine {
    std::vector<EntreeRacine> coups;  // as long as the longest root list met
    int nb = 0;
    Coup meilleur{};
    int meilleur_index = -1;
    int16_t score_statique = 0;
    int16_t meilleur_precedent = 0;  // previous iteration's best
};

void sauver(const Moteur& m, Sauvegarde& s);
void restaurer(Moteur& m, const Sauvegarde& s);

int search_max(Moteur& m, int alpha, int beta, int ply);
int search_min(Moteur& m, int alpha, int beta, int ply);
void make_move(Moteur& m, const Coup& c, int ply);

// Move ordering (ordre.cpp): the generator's hook, killers and the alpha slot.
void installer_ordre(Moteur& m);
void effacer_tueurs(Moteur& m);
void store_killer(Moteur& m, const Coup& c, int score, int ply);
void store_alpha_move(Moteur& m, const Coup& c, int ply);
void noter_historique(Moteur& m, const Coup& c, int trait, int reste);

// Monotonic milliseconds from the engine's clock callback or the steady clock.
int64_t maintenant_ms(const Moteur& m);

}  // namespace kolmar
