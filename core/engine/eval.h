// The static evaluation: its state prepared at the root and the terms that
// make it up. Internal to the engine; the tuner and the tests read it too.
#pragma once

#include <cstdint>

namespace kolmar {

struct Moteur;
struct Incremental;

// The evaluation's working state, prepared at the root.
struct EtatEval {
    uint8_t phase = 0;
    bool variant1 = false;
    bool variant2 = false;
    uint8_t table_pions[73] = {};
    uint8_t table_dames[73] = {};
    int8_t tempo[61] = {};  // weight W by number of men
    // Per code and square, signed for the root side: table value, row,
    // zone counter index (255: none) and centre value.
    int16_t valeur[5][73] = {};
    int8_t rang[5][73] = {};
    uint8_t zone[5][73] = {};
    int8_t centre[5][73] = {};
    int16_t valeur_dame_signee[5][73] = {};  // crowning: the king's value on that square
    uint8_t code_final = 0;                  // final-phase mover code
};

void preparer_phase(Moteur& m);                 // phase, variant, active table
void preparer_evaluation(Moteur& m, int root);  // prepare_evaluation
int evaluer(Moteur& m, int side, int alpha, int beta, int ply);
int runaway_term(const Moteur& m, int side, int ply);
int formation_term(const Moteur& m, int side);
int pattern_term(const Moteur& m, int side);
// Recomputes sums, zones and keys from the board (checks and set-up).
void recalculer_incremental(const Moteur& m, Incremental& out);

}  // namespace kolmar
