#include <gtest/gtest.h>

#include "engine/bench.h"

using namespace kolmar;

// The node count of `kolmar-cli bench --depth 6`. Any change to how the
// search prunes, orders or extends, or to what the evaluation returns, moves
// it: a commit that changes it on purpose updates it here and says so.
TEST(Bench, NodeSignatureAtDepthSix) {
    uint64_t total = 0;
    std::string erreur;
    ASSERT_TRUE(lancer_bench(6, total, erreur, KOLMAR_DIR)) << erreur;
    EXPECT_EQ(total, 1736427u) << "the engine's behaviour changed";
}
