// Move-path enumeration, the rules' performance signature.
#pragma once

#include <cstdint>

#include "rules/movegen.h"

namespace kolmar {

// Leaf count at depth >= 1 from the position on g.damier with side to move.
// unique: a capture of the same pieces to the same square counts once,
// whatever the order they were taken in.
uint64_t perft(Generateur& g, int side, int depth, bool unique);

// Number of distinct (depart, arrivee, captured set) among n moves.
int compter_uniques(const Coup* liste, int n);

}  // namespace kolmar
