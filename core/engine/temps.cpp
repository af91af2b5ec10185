#include "engine/temps.h"

#include <algorithm>

namespace kolmar {

Budget budget_temps(int32_t periode, int32_t plafond, int32_t horloge_camp, int demi_coup, bool analyse,
                    bool illimite) {
    // Level, cap, clock and ply may come from a game file, so they may be
    // anything: bring them into a range (the longest level is far below a
    // year) where every product below fits 64 bits.
    constexpr int64_t MAX_SECONDES = 100000000;
    const int64_t T = std::clamp<int64_t>(periode, 0, MAX_SECONDES);
    const int64_t C = std::clamp<int64_t>(plafond, 0, MAX_SECONDES);
    const int64_t horloge = std::clamp<int64_t>(horloge_camp, 0, MAX_SECONDES);
    const int64_t w = std::clamp<int64_t>(demi_coup, 0, 1000000);
    const int64_t v = w / 50;
    int64_t Bt;
    if (analyse)
        Bt = T / 50;
    else if (w > 99)
        Bt = ((v + 1) * T / 2 - horloge) / (50 * v - w + 50);
    else
        Bt = (T - horloge) / (100 - w);
    Bt = Bt * 9 / 10;
    if (Bt < 1 && T != 50) Bt = 1;
    if (Bt < T / 150 && T / 150 + horloge < C) Bt = T / 150;
    if (Bt > T / 10) Bt = T / 10;
    Budget b{Bt, 5 * Bt, w > 99 ? (w + 1) * C / 100 : C};
    if (T == 32000 || illimite) b.Bt = b.arret = 3200000;
    return b;
}

}  // namespace kolmar
