#include <gtest/gtest.h>

#include "engine/bench.h"
#include "engine/moteur.h"

using namespace kolmar;

// The node count of `kolmar-cli bench --depth 6`. Any change to how the
// search prunes, orders or extends, or to what the evaluation returns, moves
// it: a commit that changes it on purpose updates it here and says so.
TEST(Bench, NodeSignatureAtDepthSix) {
    uint64_t total = 0;
    std::string erreur;
    ASSERT_TRUE(lancer_bench(6, total, erreur, KOLMAR_DIR)) << erreur;
    EXPECT_EQ(total, 306624u) << "the engine's behaviour changed";
}

// The refinements added beside the original search are switches: with the
// history, the late-move reductions, the tables' node depths, the ordering
// near the horizon, the latest killers and ProbCut off the tree is the one before them.
TEST(Bench, SwitchedOffRefinementsGiveTheEarlierTree) {
    Interrupteurs& depart = interrupteurs_de_depart();
    const Interrupteurs garde = depart;
    ASSERT_TRUE(regler_interrupteur(depart, "historique", false));
    ASSERT_TRUE(regler_interrupteur(depart, "reductions", false));
    ASSERT_TRUE(regler_interrupteur(depart, "horizon_noeud", false));
    ASSERT_TRUE(regler_interrupteur(depart, "ordre_horizon", false));
    ASSERT_TRUE(regler_interrupteur(depart, "tueurs_recents", false));
    ASSERT_TRUE(regler_interrupteur(depart, "seaux", false));
    ASSERT_TRUE(regler_interrupteur(depart, "probcut", false));
    EXPECT_FALSE(regler_interrupteur(depart, "reduction", false));
    uint64_t total = 0;
    std::string erreur;
    const bool ok = lancer_bench(6, total, erreur, KOLMAR_DIR);
    depart = garde;
    ASSERT_TRUE(ok) << erreur;
    EXPECT_EQ(total, 1736427u);
}
