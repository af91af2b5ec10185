// The engine's signature: a fixed set of positions searched to a fixed
// depth, each on a fresh engine. The total node count changes only when the
// search or the evaluation behaves differently, so a test pins it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kolmar {

struct PositionBench {
    int numero = 0;  // from 1
    uint64_t noeuds = 0;
    int score = 0;
    std::string coup;     // "none" when the side has no move
    double secondes = 0;  // processor time
};

// Openings, middlegames and endings with kings.
extern const char* const k_positions_bench[];
extern const int NB_POSITIONS_BENCH;

// Searches every position to `profondeur` with the data of `dir` (the
// program's folder when empty); `apres` sees each position's result. The
// total node count, or false with a message.
bool lancer_bench(int profondeur, uint64_t& total, std::string& erreur, const std::string& dir = std::string(),
                  const std::function<void(const PositionBench&)>& apres = nullptr);

}  // namespace kolmar
