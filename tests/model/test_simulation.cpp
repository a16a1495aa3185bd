#include "model/globaux.h"
#include "model/hasard.h"
#include "model/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Runs without a window: the charts have series but no surface.
class Simulation : public ::testing::Test {
protected:
    void SetUp() override {
        parametres = Tparametres_mesure();
        hasard.seme(2024);
        for (unsigned i = 0; i < parametres.nb_alleles; ++i) {
            graphique_frequences.ajoute_serie("a", 0);
        }
        graphique_effectif.ajoute_serie("e", 0);
    }
    void TearDown() override {
        graphique_frequences.supprime_series();
        graphique_effectif.supprime_series();
        attache_fenetre_simulation({});
        parametres = Tparametres_mesure();
    }
};

TEST(UneFoisSur, AnswersTrueEveryElevenCallsWithoutReset) {
    while (!une_fois_sur(10)) {
    }
    for (int tour = 0; tour < 3; ++tour) {
        for (int i = 0; i < 10; ++i) {
            EXPECT_FALSE(une_fois_sur(10));
        }
        EXPECT_TRUE(une_fois_sur(10));
    }
    // The counter is shared: a different period continues from it.
    EXPECT_FALSE(une_fois_sur(2));
    EXPECT_FALSE(une_fois_sur(2));
    EXPECT_TRUE(une_fois_sur(2));
}

TEST_F(Simulation, RunRecordsOnePointPerGenerationUnderTheCap) {
    parametres.fecondite = 2.5f; // grows to the cap within a few generations
    lance_simulation();
    EXPECT_FALSE(mesure_en_cours);
    for (const Tserie* s : {&graphique_effectif.series[0], &graphique_frequences.series[0],
                            &graphique_frequences.series[1]}) {
        ASSERT_EQ(s->valeurs.size(), 100u);
        EXPECT_EQ(s->valeurs.begin()->first, 0);
        EXPECT_EQ(s->valeurs.rbegin()->first, 99);
    }
    int plus_grande = 0;
    for (const auto& [x, taille] : graphique_effectif.series[0].valeurs) {
        EXPECT_LE(taille, 1000) << x;
        plus_grande = std::max(plus_grande, taille);
    }
    EXPECT_EQ(plus_grande, 1000);
    // The last point is the population as the run left it.
    EXPECT_EQ(graphique_effectif.series[0].valeurs.rbegin()->second,
              static_cast<int>(population.taille()));
    EXPECT_EQ(graphique_frequences.series[1].valeurs.rbegin()->second,
              static_cast<int>(population.frequence_allele(1) * 100.0f));
}

TEST_F(Simulation, HooksAreCalledInOrder) {
    std::vector<char> journal;
    Tfenetre_simulation f;
    f.rafraichit = [&] { journal.push_back(mesure_en_cours ? 'R' : 'r'); };
    f.traite_messages = [&] {
        journal.push_back('m');
        return true;
    };
    f.echap = [&] {
        journal.push_back('e');
        return false;
    };
    f.fixe_panmixie = [&](int indice) {
        EXPECT_LE(indice, 100);
        journal.push_back('p');
    };
    attache_fenetre_simulation(f);
    parametres.nb_generations = 12;
    while (!une_fois_sur(10)) { // the shared counter back to 0: the 11th call answers
    }
    lance_simulation();
    ASSERT_GE(journal.size(), 4u);
    EXPECT_EQ(journal.front(), 'R');
    EXPECT_EQ(journal.back(), 'r');
    EXPECT_EQ(std::count(journal.begin(), journal.end(), 'm'), 2); // g = 0 and 10
    EXPECT_EQ(std::count(journal.begin(), journal.end(), 'e'), 12);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), 'p'), 1);
    EXPECT_EQ(journal[1], 'm');
}

TEST_F(Simulation, AClosingWindowStopsTheRunBeforeItDrawsAgain) {
    int passages = 0;
    Tfenetre_simulation f;
    f.traite_messages = [&] { return ++passages < 2; };
    attache_fenetre_simulation(f);
    lance_simulation();
    EXPECT_EQ(graphique_effectif.series[0].valeurs.size(), 10u);
    EXPECT_FALSE(mesure_en_cours);
}

} // namespace
