#include "model/parametres.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

float total(const Tparametres_mesure& p) {
    return std::accumulate(p.frequences.begin(), p.frequences.end(), 0.0f);
}

TEST(Parametres, DefaultsAfterConstruction) {
    const Tparametres_mesure p;
    EXPECT_EQ(p.nb_alleles, 2u);
    EXPECT_EQ(p.frequences, (std::vector<float>{0.5f, 0.5f}));
    EXPECT_EQ(p.letalites, (std::vector<float>{0.0f, 0.0f}));
    EXPECT_EQ(p.effectif_min, 300u);
    EXPECT_EQ(p.effectif_max, 1000u);
    EXPECT_EQ(p.nb_generations, 100u);
    EXPECT_EQ(p.resolution, 10000u);
    EXPECT_EQ(p.nb_generations_max, 1000u);
    EXPECT_EQ(p.effectif_plafond, 10000u);
    EXPECT_EQ(p.effectif_plancher, 2u);
    EXPECT_EQ(p.fecondite, 2.1f);
    EXPECT_EQ(p.fecondite_max, 2.5f);
    EXPECT_EQ(p.fecondite_min, 2.0f);
    EXPECT_TRUE(p.modifiable);
}

TEST(Parametres, AjusteResetsFrequenciesAndKeepsLethalities) {
    Tparametres_mesure p;
    p.letalites = {0.25f, 0.5f};
    p.nb_alleles = 3;
    p.ajuste();
    EXPECT_EQ(p.frequences, (std::vector<float>(3, 0.33333334f)));
    EXPECT_EQ(p.letalites, (std::vector<float>{0.25f, 0.5f, 0.0f}));

    p.letalites[2] = 0.75f;
    p.nb_alleles = 2;
    p.ajuste();
    EXPECT_EQ(p.frequences, (std::vector<float>{0.5f, 0.5f}));
    p.nb_alleles = 4;
    p.ajuste();
    EXPECT_EQ(p.frequences, (std::vector<float>(4, 0.25f)));
    EXPECT_EQ(p.letalites, (std::vector<float>{0.25f, 0.5f, 0.75f, 0.0f}));

    // A second call changes nothing, user-set frequencies included.
    ASSERT_TRUE(p.fixe_frequence(0, 0.4f));
    const Tparametres_mesure avant = p;
    p.ajuste();
    EXPECT_EQ(p.frequences, avant.frequences);
    EXPECT_EQ(p.letalites, avant.letalites);
}

TEST(Parametres, FixeFrequenceKeepsTheTotalAtOne) {
    Tparametres_mesure p;
    ASSERT_TRUE(p.fixe_frequence(0, 0.7f));
    EXPECT_FLOAT_EQ(p.frequences[0], 0.7f);
    EXPECT_FLOAT_EQ(p.frequences[1], 0.3f);

    Tparametres_mesure q;
    ASSERT_TRUE(q.fixe_frequence(0, 1.0f));
    EXPECT_EQ(q.frequences[1], 0.0f);
    ASSERT_TRUE(q.fixe_frequence(0, 0.6f));
    EXPECT_FLOAT_EQ(q.frequences[0], 0.6f);
    EXPECT_FLOAT_EQ(q.frequences[1], 0.4f);

    Tparametres_mesure r;
    r.frequences = {1.0f, 0.0f};
    ASSERT_TRUE(r.fixe_frequence(0, 0.6f));
    EXPECT_FLOAT_EQ(r.frequences[1], 0.4f);

    // 0.99 then 1.0 no longer pushes the total above 1.
    Tparametres_mesure s;
    ASSERT_TRUE(s.fixe_frequence(0, 0.99f));
    ASSERT_TRUE(s.fixe_frequence(0, 1.0f));
    EXPECT_FLOAT_EQ(total(s), 1.0f);
}

TEST(Parametres, FixeFrequenceRescalesOthersInProportion) {
    Tparametres_mesure p;
    p.nb_alleles = 4;
    p.ajuste();
    ASSERT_TRUE(p.fixe_frequence(3, 0.1f));
    ASSERT_TRUE(p.fixe_frequence(0, 0.5f));
    // 0.3, 0.3 and 0.1 share 0.5 in the same proportions.
    EXPECT_FLOAT_EQ(p.frequences[1], 0.5f * 3 / 7);
    EXPECT_FLOAT_EQ(p.frequences[2], 0.5f * 3 / 7);
    EXPECT_FLOAT_EQ(p.frequences[3], 0.5f / 7);
    EXPECT_NEAR(total(p), 1.0f, 1e-6f);

    // When the others are all 0 they share the rest equally.
    p.frequences = {1.0f, 0.0f, 0.0f, 0.0f};
    ASSERT_TRUE(p.fixe_frequence(0, 0.4f));
    EXPECT_EQ(p.frequences, (std::vector<float>{0.4f, 0.2f, 0.2f, 0.2f}));
}

TEST(Parametres, FixeFrequenceRejectsOutOfRange) {
    Tparametres_mesure p;
    const auto avant = p.frequences;
    EXPECT_FALSE(p.fixe_frequence(0, 1.01f));
    EXPECT_FALSE(p.fixe_frequence(0, -0.01f));
    EXPECT_FALSE(p.fixe_frequence(2, 0.5f));
    EXPECT_EQ(p.frequences, avant);
    EXPECT_EQ(p.frequence(2), 0.0f);
    EXPECT_EQ(p.frequence(1), 0.5f);
}

TEST(Parametres, AccessorsNeverReadPastTheSequences) {
    Tparametres_mesure p;
    p.nb_alleles = 4; // not yet adjusted, as during a panel move in a run
    EXPECT_EQ(p.frequence(3), 0.0f);
    EXPECT_EQ(p.letalite(3), 0.0f);
    EXPECT_FALSE(p.fixe_frequence(3, 0.5f));
    const Tparametres_mesure q;
    EXPECT_FALSE(p == q);
}

TEST(Parametres, EqualityComparesOnlyWhatARunUses) {
    Tparametres_mesure a;
    Tparametres_mesure b;
    EXPECT_TRUE(a == b);
    b.modifiable = false;
    b.effectif_plafond = 5;
    b.fecondite_max = 3.0f;
    EXPECT_TRUE(a == b);
    b.letalites.push_back(0.5f); // beyond nb_alleles
    EXPECT_TRUE(a == b);
    b.letalites[1] = 0.5f;
    EXPECT_FALSE(a == b);
    Tparametres_mesure c;
    c.fecondite = 2.11f;
    EXPECT_FALSE(a == c);
}

TEST(Parametres, AChangeAnswersTrueOncePerChange) {
    Tparametres_mesure p;
    // The remembered copy starts from the defaults.
    EXPECT_FALSE(p.a_change());
    p.nb_generations = 200;
    EXPECT_TRUE(p.a_change());
    EXPECT_FALSE(p.a_change());
    p.modifiable = false;
    p.nb_generations_max = 7;
    EXPECT_FALSE(p.a_change());
    // One copy for the whole process, whichever object asks.
    const Tparametres_mesure autre;
    EXPECT_TRUE(autre.a_change());
    EXPECT_FALSE(autre.a_change());
    EXPECT_TRUE(p.a_change());
    EXPECT_TRUE(autre.a_change());
}

} // namespace
