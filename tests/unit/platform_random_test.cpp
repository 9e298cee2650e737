// The random source gives the C runtime's well-known sequence, so particles fall as they
// did on the original platform.
#include <gtest/gtest.h>

#include "platform/random.h"

namespace {

TEST(Random, SeedOneGivesTheCRuntimesSequence) {
    platform::SeedRandom(1);
    std::vector<int> values;
    for (int i = 0; i < 5; ++i) {
        values.push_back(platform::Random());
    }
    EXPECT_EQ(values, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
}

}  // namespace
