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

// Positions with kings and long captures, where a change in the flying
// king's slides or in the majority rule moves the counts. Counted both ways:
// every capture order, and the same pieces taken to the same square once.
TEST(Perft, KingsAndLongCapturesTable) {
    struct Ligne {
        const char* nom;
        const char* fen;
        int profondeur;
        uint64_t tous, uniques;
    };
    const Ligne table[] = {
        {"kings of both sides among men", "W:W30,K50,51,60:B13,21,K22,27,32,47", 5, 735066, 734994},
        {"lone black king against men", "W:W25,K37,54,67:BK13", 5, 461488, 461488},
        {"white king against two kings", "W:WK56:B7,19,33,38,K51,K70", 5, 912669, 912669},
        {"black king that must take", "B:W52,39,16,12:BK61,41,40,19,14,6", 5, 4806, 4806},
        {"king and men against a block", "W:WK16,42,49,62,63,72:B29,30,36,37", 5, 13001, 13001},
        {"king taking up to five in many orders", "W:WK67:B20,21,22,32,33,34,44,45,46,56", 6, 11616, 10192},
        {"two kings taking all twelve", "W:WK61,K66:B14,15,16,26,27,28,38,39,40,50,51,52", 1, 32, 2},
    };
    for (const Ligne& l : table) {
        Banc b(l.fen);
        EXPECT_EQ(b.compter(l.profondeur, false), l.tous) << l.nom;
        EXPECT_EQ(b.compter(l.profondeur, true), l.uniques) << l.nom;
    }
}
