// How long the computer may think on a move.
#pragma once

#include <cstdint>

namespace kolmar {

// Time budget of the move (seconds): Bt, stop limit 5 Bt and hard limit L.
struct Budget {
    int64_t Bt, arret, L;
};
// T the level's period, C the cap of the side's clock, `horloge` the side's
// clock before the move, w the half-move number.
Budget budget_temps(int32_t T, int32_t C, int32_t horloge, int w, bool analyse, bool illimite);

}  // namespace kolmar
