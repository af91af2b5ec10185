#include <gtest/gtest.h>

#include "rules/board.h"
#include "rules/perft.h"

using namespace kolmar;

namespace {

struct Banc {
    uint8_t damier[TAILLE_DAMIER];
    Generateur g;
    int trait = BLANC;
    explicit Banc(const char* fen = nullptr) {
        position_initiale(damier);
        if (fen) {
            EXPECT_TRUE(lire_fen(fen, damier, trait));
        }
        g.damier = damier;
        init_listes(g);
    }
    uint64_t compter(int depth, bool unique) {
        g.ply = 1;
        return perft(g, trait, depth, unique);
    }
};

}  // namespace

// Published counts for Canadian draughts with duplicate captures dropped.
TEST(Perft, InitialPositionMatchesPublishedCounts) {
    Banc b;
    const uint64_t attendu[] = {11, 121, 1222, 10053, 79049, 584100};
    for (int d = 1; d <= 6; ++d) EXPECT_EQ(b.compter(d, true), attendu[d - 1]) << "depth " << d;
}

TEST(Perft, BoardIsRestoredAfterEnumeration) {
    Banc b("W:W43,44,K60,K70:B20,K25,30,31,K40");
    uint8_t avant[TAILLE_DAMIER];
    std::copy(b.damier, b.damier + TAILLE_DAMIER, avant);
    b.compter(5, false);
    EXPECT_TRUE(std::equal(avant, avant + TAILLE_DAMIER, b.damier));
}
