// Building and checking the endgame tables by retrograde analysis with the
// rules' own move generator. Positions are handled with white to move going
// up; a child is turned half round with colours swapped so that its mover
// is white again, and is then indexed exactly as a probe would index it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/endgame.h"
#include "rules/movegen.h"

namespace kolmar {

// Position of `table` at byte `off`, white to move (damier[0] = BORD).
// False for offsets that hold no position: squares that coincide, a white
// man on 1..6, a black man on 67..72.
bool position_de_decalage(int table, long off, uint8_t damier[TAILLE_DAMIER]);

// Where one move of white leads. table -1: black has no piece left.
struct EnfantFinale {
    int table;
    long decalage;
};

// The children of the position on damier (white to move), one per legal
// move in generation order. damier is left as it was.
int enfants_finale(Generateur& g, uint8_t damier[TAILLE_DAMIER], std::vector<EnfantFinale>& enfants);

// A stored byte as a distance: wins odd, losses even, -1 is a loss with no move.
inline int distance_finale(int8_t v) {
    return v == -1 ? 0 : (v < 0 ? -v : v);
}
// Distance in plies to a byte, clamped so that the sign stays right.
int8_t octet_finale(bool gagne, int distance);

// Tables solved together: a table and the one its children fall into.
int table_partenaire(int table);
// Tables in an order where every child table outside a class is solved first.
extern const int k_ordre_generation[NB_TABLES_FINALES];

struct BilanFinale {
    long gains = 0, pertes = 0, nulles = 0;
    int gain_max = 0, perte_max = 0;  // largest distances before clamping
};

// Solves `table` and its partner into tables[], which must already hold
// every table their children can reach. Single-threaded; the same input
// gives the same bytes.
void resoudre_finale(int table, std::vector<int8_t> tables[NB_TABLES_FINALES], BilanFinale bilan[NB_TABLES_FINALES]);

// Checks every `pas`-th position of `table` against its children: a win
// has a child lost one ply nearer the end and none nearer, a loss only
// children won with the longest one ply nearer, a draw no lost child and a
// drawn one. False with a message on the first inconsistency.
bool verifier_finale(const std::vector<int8_t> tables[NB_TABLES_FINALES], int table, BilanFinale& bilan,
                     std::string& erreur, long pas = 1);

}  // namespace kolmar
