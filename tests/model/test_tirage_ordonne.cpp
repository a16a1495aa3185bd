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

std::vector<std::uint32_t> par_moities(std::vector<std::uint32_t> rangs) {
    positions_tirees_par_moities(rangs);
    return rangs;
}

// Empty where the processor or the size rules the counts out.
std::vector<std::uint32_t> par_comptes(std::vector<std::uint32_t> rangs) {
    return positions_tirees_par_comptes(rangs) ? rangs : std::vector<std::uint32_t>{};
}

bool comptes_possibles() {
    std::vector<std::uint32_t> rangs{0};
    return positions_tirees_par_comptes(rangs);
}

std::vector<std::uint32_t> rangs_au_hasard(Thasard& h, std::uint32_t n) {
    std::vector<std::uint32_t> rangs(n);
    for (std::uint32_t t = 0; t < n; ++t) {
        rangs[t] = h.tire(n - t);
    }
    return rangs;
}

// Around the blocks of each way: 16-position leaves and halves; 64-position
// words, groups of 1024 positions and the 16384 positions of the counts.
TEST(TirageOrdonne, BothWaysMatchRemovalOnRandomRanks) {
    Thasard h(11);
    for (const std::uint32_t n :
         {0u,   1u,   2u,    3u,    15u,   16u,   17u,   63u,    64u,    65u,   127u,
          128u, 129u, 1000u, 1023u, 1024u, 1025u, 4097u, 10000u, 16383u, 16384u}) {
        for (int essai = 0; essai < 3; ++essai) {
            const std::vector<std::uint32_t> rangs = rangs_au_hasard(h, n);
            const std::vector<std::uint32_t> attendu = par_retrait(rangs);
            ASSERT_EQ(par_moities(rangs), attendu) << "n = " << n;
            ASSERT_EQ(decode(rangs), attendu) << "n = " << n;
            if (comptes_possibles()) {
                ASSERT_EQ(par_comptes(rangs), attendu) << "n = " << n;
            }
        }
    }
}

TEST(TirageOrdonne, CountsRefuseMorePositionsThanTheyHold) {
    Thasard h(5);
    const std::vector<std::uint32_t> rangs = rangs_au_hasard(h, 16385);
    std::vector<std::uint32_t> copie = rangs;
    EXPECT_FALSE(positions_tirees_par_comptes(copie));
    EXPECT_EQ(copie, rangs);
    EXPECT_EQ(decode(rangs), par_moities(rangs));
}

TEST(TirageOrdonne, CountsAtTheirLargestSize) {
    if (!comptes_possibles()) {
        GTEST_SKIP() << "this processor lacks AVX2 or BMI2";
    }
    // Always the first gives the order of the positions; ranks far beyond the
    // rest, always the last, give the reverse.
    const std::uint32_t n = 16384;
    std::vector<std::uint32_t> identite(n);
    std::iota(identite.begin(), identite.end(), 0u);
    EXPECT_EQ(par_comptes(std::vector<std::uint32_t>(n, 0)), identite);
    const std::vector<std::uint32_t> inverse(identite.rbegin(), identite.rend());
    EXPECT_EQ(par_comptes(std::vector<std::uint32_t>(n, 0xFFFFFFFFu)), inverse);
}

TEST(TirageOrdonne, CountsMatchHalvesOnManySizes) {
    if (!comptes_possibles()) {
        GTEST_SKIP() << "this processor lacks AVX2 or BMI2";
    }
    Thasard h(23);
    for (std::uint32_t n = 1; n <= 3000; n += 1 + n / 16) {
        const std::vector<std::uint32_t> rangs = rangs_au_hasard(h, n);
        ASSERT_EQ(par_comptes(rangs), par_moities(rangs)) << "n = " << n;
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
    for (const auto& rangs : {premiers, derniers, alternes}) {
        const std::vector<std::uint32_t> attendu = par_retrait(rangs);
        EXPECT_EQ(par_moities(rangs), attendu);
        if (comptes_possibles()) {
            EXPECT_EQ(par_comptes(rangs), attendu);
        }
    }
}

TEST(TirageOrdonne, RanksBeyondTheRestCountAsTheLast) {
    const std::vector<std::uint32_t> rangs{7, 9, 0, 5};
    const std::vector<std::uint32_t> attendu{3, 2, 0, 1};
    EXPECT_EQ(par_moities(rangs), attendu);
    if (comptes_possibles()) {
        EXPECT_EQ(par_comptes(rangs), attendu);
    }
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
