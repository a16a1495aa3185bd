#include "model/hasard.h"
#include "model/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Keeps what a run shows.
struct Tjournal : Tobservateur_mesure {
    std::vector<Tetat_generation> etats;
    int debuts = 0;
    int fins = 0;
    void debut(const Tregistre_mesure&) override { ++debuts; }
    void generation(const Tregistre_mesure&, const Tetat_generation& e) override {
        etats.push_back(e);
    }
    void fin(const Tregistre_mesure&) override { ++fins; }
};

// Runs without a window, watched by a journal.
class Simulation : public ::testing::Test {
protected:
    void SetUp() override {
        parametres = Tparametres_mesure();
        hasard.seme(2024);
        Tfenetre_simulation f;
        f.observateur = &journal;
        attache_fenetre_simulation(f);
    }
    void TearDown() override {
        attache_fenetre_simulation({});
        parametres = Tparametres_mesure();
    }
    Tjournal journal;
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

TEST_F(Simulation, RunRecordsOneStatePerGenerationUnderTheCap) {
    parametres.fecondite = 2.5f; // grows to the cap within a few generations
    lance_simulation();
    EXPECT_FALSE(mesure_en_cours);
    EXPECT_EQ(journal.debuts, 1);
    EXPECT_EQ(journal.fins, 1);
    ASSERT_EQ(journal.etats.size(), 100u);
    EXPECT_EQ(registre_simulation().generations, journal.etats);
    EXPECT_EQ(registre_simulation().fondateurs.taille, 300u);
    unsigned plus_grande = 0;
    for (int g = 0; g < 100; ++g) {
        const Tetat_generation& e = journal.etats[static_cast<std::size_t>(g)];
        EXPECT_EQ(e.generation, g);
        EXPECT_LE(e.taille, 1000u) << g;
        EXPECT_EQ(e.males + e.femelles, e.taille);
        EXPECT_EQ(e.alleles[0] + e.alleles[1], 2 * e.taille);
        plus_grande = std::max(plus_grande, e.taille);
    }
    EXPECT_EQ(plus_grande, 1000u);
    // The last state is the population as the run left it.
    const Tetat_generation& dernier = journal.etats.back();
    EXPECT_EQ(dernier.taille, population.taille());
    EXPECT_EQ(dernier.frequence(1), population.frequence_allele(1));
    EXPECT_EQ(dernier.indice_panmixie, population.indice_panmixie());
}

TEST_F(Simulation, HooksAreCalledInOrder) {
    std::vector<char> journal_crochets;
    Tfenetre_simulation f;
    f.rafraichit = [&] { journal_crochets.push_back(mesure_en_cours ? 'R' : 'r'); };
    f.traite_messages = [&] {
        journal_crochets.push_back('m');
        return true;
    };
    f.echap = [&] {
        journal_crochets.push_back('e');
        return false;
    };
    f.fixe_panmixie = [&](int indice) {
        EXPECT_LE(indice, 100);
        journal_crochets.push_back('p');
    };
    attache_fenetre_simulation(f);
    parametres.nb_generations = 12;
    while (!une_fois_sur(10)) { // the shared counter back to 0: the 11th call answers
    }
    lance_simulation();
    const std::vector<char>& j = journal_crochets;
    ASSERT_GE(j.size(), 4u);
    EXPECT_EQ(j.front(), 'R');
    EXPECT_EQ(j.back(), 'r');
    EXPECT_EQ(std::count(j.begin(), j.end(), 'm'), 2); // g = 0 and 10
    EXPECT_EQ(std::count(j.begin(), j.end(), 'e'), 12);
    EXPECT_EQ(std::count(j.begin(), j.end(), 'p'), 1);
    EXPECT_EQ(j[1], 'm');
}

TEST_F(Simulation, AClosingWindowStopsTheRunBeforeItDrawsAgain) {
    int passages = 0;
    Tfenetre_simulation f;
    f.traite_messages = [&] { return ++passages < 2; };
    f.observateur = &journal;
    attache_fenetre_simulation(f);
    lance_simulation();
    EXPECT_EQ(journal.etats.size(), 10u);
    EXPECT_EQ(journal.fins, 1);
    EXPECT_FALSE(mesure_en_cours);
}

} // namespace
