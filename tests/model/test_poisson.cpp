#include "model/generation.h"
#include "modele_test.h"

#include <cmath>
#include <vector>

namespace {

using Poisson = ModeleTest;

TEST_F(Poisson, FactorielleAndProbabilities) {
    EXPECT_EQ(factorielle(0), 1.0);
    EXPECT_EQ(factorielle(1), 1.0);
    EXPECT_EQ(factorielle(5), 120.0);
    EXPECT_EQ(factorielle(10), 3628800.0);
    EXPECT_EQ(proba_poisson(0, 0.0f), 1.0);
    EXPECT_EQ(proba_poisson(3, 0.0f), 0.0);
    EXPECT_NEAR(proba_poisson(0, 2.0f), std::exp(-2.0), 1e-9);
    EXPECT_NEAR(proba_poisson(2, 2.5f), 2.5 * 2.5 / 2 * std::exp(-2.5), 1e-9);
}

// The table holds, from entry 0 on, counts[k] entries of k for each k.
void verifie_remplissage(const std::vector<std::uint32_t>& comptes) {
    const Ttable_descendants& t = table_descendants();
    ASSERT_EQ(t.nombres.size(), 10000u);
    std::size_t position = 0;
    for (std::uint32_t k = 0; k < comptes.size(); ++k) {
        for (std::uint32_t i = 0; i < comptes[k]; ++i, ++position) {
            ASSERT_EQ(t.nombres[position], k) << "entry " << position;
        }
    }
}

TEST_F(Poisson, TableCountsAndLeftovers) {
    const std::vector<std::uint32_t> c21{1224, 2571, 2700, 1890, 992, 416, 145, 43, 11, 2, 0};
    const std::vector<std::uint32_t> c20{1353, 2706, 2706, 1804, 902, 360, 120, 34, 8, 1, 0};
    const std::vector<std::uint32_t> c25{820, 2052, 2565, 2137, 1336, 668, 278, 99, 31, 8, 2};

    // Mean 0 fills every entry with 0 (or finds them so): a clean start.
    tirage_poisson(2.5f, 10);
    EXPECT_EQ(tirage_poisson(0.0f, 10), 0u);
    EXPECT_EQ(table_descendants().moyenne, 0.0f);

    tirage_poisson(2.1f, 10);
    EXPECT_EQ(table_descendants().moyenne, 2.1f);
    verifie_remplissage(c21);
    for (std::size_t i = 9994; i < 10000; ++i) {
        EXPECT_EQ(table_descendants().nombres[i], 0u);
    }

    tirage_poisson(2.5f, 10);
    verifie_remplissage(c25);
    // 2.0 fills 9994 entries; the last six hold 0 again, not what 2.5 left.
    tirage_poisson(2.0f, 10);
    verifie_remplissage(c20);
    for (std::size_t i = 9994; i < 10000; ++i) {
        EXPECT_EQ(table_descendants().nombres[i], 0u);
    }
}

TEST_F(Poisson, OneDrawPerCallThroughTheTable) {
    parametres.fecondite = 2.1f;
    // Entry 1224 is the first 1, entry 9993 the last 9, entry 0 a 0.
    hasard.impose({1224, 9993, 0, 1223});
    EXPECT_EQ(nb_descendants(), 1u);
    EXPECT_EQ(nb_descendants(), 9u);
    EXPECT_EQ(tirage_poisson(2.1f, 10), 0u);
    EXPECT_EQ(hasard.imposees_restantes(), 1u);
    EXPECT_EQ(tirage_poisson(2.1f, 10), 0u);
    EXPECT_EQ(hasard.imposees_restantes(), 0u);
}

TEST_F(Poisson, MeanZeroAlwaysAnswersZero) {
    hasard.impose({9999});
    EXPECT_EQ(tirage_poisson(0.0f, 10), 0u);
    EXPECT_EQ(hasard.imposees_restantes(), 0u);
}

TEST_F(Poisson, ARefillFollowsTheResolution) {
    parametres.resolution = 100;
    tirage_poisson(2.0f, 10);
    EXPECT_EQ(table_descendants().taille, 100u);
    EXPECT_EQ(table_descendants().nombres.size(), 100u);
    // 13 entries of 0, then 27 of 1.
    hasard.impose({12, 13, 39, 40});
    EXPECT_EQ(tirage_poisson(2.0f, 10), 0u);
    EXPECT_EQ(tirage_poisson(2.0f, 10), 1u);
    EXPECT_EQ(tirage_poisson(2.0f, 10), 1u);
    EXPECT_EQ(tirage_poisson(2.0f, 10), 2u);
    parametres.resolution = 10000;
    tirage_poisson(2.0f, 10);
    EXPECT_EQ(table_descendants().taille, 10000u);
    verifie_remplissage({1353, 2706, 2706, 1804, 902, 360, 120, 34, 8, 1, 0});
}

} // namespace
