#include "model/hasard.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

TEST(Hasard, SequenceIsPinnedForASeed) {
    // The generator is ours, not the standard library's: these values are the
    // same with every compiler, so a seed replays the same run anywhere.
    Thasard h(1);
    std::vector<std::uint32_t> tirages;
    for (std::uint32_t b : {100u, 100u, 10000u, 7u, 1u << 31}) {
        tirages.push_back(h.tire(b));
    }
    EXPECT_EQ(tirages, (std::vector<std::uint32_t>{70, 52, 5741, 2, 1497179249}));
    Thasard a(42);
    Thasard b(42);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(a.suivant(), b.suivant());
    }
    EXPECT_EQ(a.tire(0), 0u);
    EXPECT_EQ(a.suivant(), b.suivant()) << "tire(0) consumes nothing";
}

TEST(Hasard, DrawsStayInRangeAndCoverIt) {
    Thasard h(7);
    for (std::uint32_t b : {1u, 2u, 3u, 100u, 10000u, 0x80000001u, 0xFFFFFFFFu}) {
        for (int i = 0; i < 2000; ++i) {
            ASSERT_LT(h.tire(b), b);
        }
    }
    std::array<int, 3> vus{};
    for (int i = 0; i < 3000; ++i) {
        ++vus[h.tire(3)];
    }
    for (int n : vus) {
        EXPECT_GT(n, 850);
        EXPECT_LT(n, 1150);
    }
}

TEST(Hasard, NoModuloBiasForALargeBound) {
    // With b = 3 * 2^30, a plain modulo of 32 bits would favour the lowest
    // third twice as much as the others.
    Thasard h(3);
    const std::uint32_t b = 3u << 30;
    std::array<int, 3> tiers{};
    for (int i = 0; i < 30000; ++i) {
        ++tiers[h.tire(b) / (1u << 30)];
    }
    for (int n : tiers) {
        EXPECT_GT(n, 9500);
        EXPECT_LT(n, 10500);
    }
}

TEST(Hasard, ClockSeedsDiffer) {
    EXPECT_NE(graine_horloge(), graine_horloge());
}

} // namespace
