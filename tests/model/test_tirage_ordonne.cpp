#include "model/hasard.h"
#include "model/tirage_ordonne.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace {

// Removal from the middle of a sequence, one rank after the other.
std::vector<std::uint32_t> par_retrait(const std::vector<std::uint32_t>& rangs) {
    std::vector<std::uint32_t> restants(rangs.size());
    std::iota(restants.begin(), restants.end(), 0u);
    std::vector<std::uint32_t> positions;
    for (const std::uint32_t k : rangs) {
        const std::uint32_t i =
            k < restants.size() ? k : static_cast<std::uint32_t>(restants.size() - 1);
        positions.push_back(restants[i]);
        restants.erase(restants.begin() + i);
    }
    return positions;
}

std::vector<std::uint32_t> decode(std::vector<std::uint32_t> rangs) {
    positions_tirees(rangs);
    return rangs;
}

TEST(TirageOrdonne, MatchesRemovalOnRandomRanks) {
    Thasard h(11);
    for (const std::uint32_t n : {0u, 1u, 2u, 3u, 63u, 64u, 65u, 127u, 128u, 129u, 1000u, 4097u}) {
        for (int essai = 0; essai < 5; ++essai) {
            std::vector<std::uint32_t> rangs(n);
            for (std::uint32_t t = 0; t < n; ++t) {
                rangs[t] = h.tire(n - t);
            }
            ASSERT_EQ(decode(rangs), par_retrait(rangs)) << "n = " << n;
        }
    }
}

TEST(TirageOrdonne, MatchesRemovalOnSkewedRanks) {
    // Ranks that pile every step on one side, then alternate sides.
    const std::uint32_t n = 777;
    std::vector<std::uint32_t> premiers(n, 0);
    std::vector<std::uint32_t> derniers(n);
    std::vector<std::uint32_t> alternes(n);
    for (std::uint32_t t = 0; t < n; ++t) {
        derniers[t] = n - 1 - t;
        alternes[t] = t % 2 == 0 ? 0 : (n - 1 - t) / 2;
    }
    EXPECT_EQ(decode(premiers), par_retrait(premiers));
    EXPECT_EQ(decode(derniers), par_retrait(derniers));
    EXPECT_EQ(decode(alternes), par_retrait(alternes));
}

TEST(TirageOrdonne, RanksBeyondTheRestCountAsTheLast) {
    const std::vector<std::uint32_t> rangs{7, 9, 0, 5};
    EXPECT_EQ(decode(rangs), (std::vector<std::uint32_t>{3, 2, 0, 1}));
}

TEST(TirageOrdonne, LongSequencesUseWideSteps) {
    // Beyond 65536 positions the steps no longer fit in 32 bits; always the
    // first gives the order of the positions, always the last the reverse.
    const std::uint32_t n = 70000;
    std::vector<std::uint32_t> premiers(n, 0);
    std::vector<std::uint32_t> identite(n);
    std::iota(identite.begin(), identite.end(), 0u);
    EXPECT_EQ(decode(premiers), identite);
    std::vector<std::uint32_t> derniers(n, 0xFFFFFFFFu);
    std::vector<std::uint32_t> inverse(identite.rbegin(), identite.rend());
    EXPECT_EQ(decode(derniers), inverse);
    // Every other step takes the second one.
    std::vector<std::uint32_t> seconds(n, 1);
    const std::vector<std::uint32_t> positions = decode(seconds);
    EXPECT_EQ(positions[0], 1u);
    EXPECT_EQ(positions[1], 2u);
    EXPECT_EQ(positions[n - 2], n - 1);
    EXPECT_EQ(positions[n - 1], 0u);
}

} // namespace
