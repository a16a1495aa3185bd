#include "model/generation.h"
#include "modele_test.h"
#include "reference.h"

#include <vector>

namespace {

using Generation = ModeleTest;

TEST_F(Generation, CreeEnfantDrawsAlleleAlleleSexInThatOrder) {
    const Tindividu p1 = individu_de(true, 1, 2);
    const Tindividu p2 = individu_de(false, 3, 4);
    hasard.impose({49, 50, 50, 50, 49, 49});
    Tindividu attendu = individu_de(true, 1, 4);
    EXPECT_EQ(cree_enfant(p1, p2), attendu);
    attendu = individu_de(false, 2, 3);
    EXPECT_EQ(cree_enfant(p1, p2), attendu);
    EXPECT_EQ(hasard.imposees_restantes(), 0u);
}

TEST_F(Generation, SurvivalNeedsTheDrawToReachTheLethality) {
    // Over every draw value, the number of survivors out of 10000: lethality
    // 0 never kills, 1 always does.
    const auto survivants = [](float letalite) {
        unsigned n = 0;
        for (std::uint32_t x = 0; x < 10000; ++x) {
            n += survit(letalite, 10000, x) ? 1 : 0;
        }
        return n;
    };
    EXPECT_EQ(survivants(0.0f), 10000u);
    EXPECT_EQ(survivants(0.5f), 5000u);
    EXPECT_EQ(survivants(0.29f), 7100u); // 0.28999999 x 10000 = 2899.9999
    EXPECT_EQ(survivants(1.0f), 0u);
    EXPECT_FALSE(survit(0.5f, 10000, 4999));
    EXPECT_TRUE(survit(0.5f, 10000, 5000));
}

TEST_F(Generation, AHomozygousChildFacesItsLethalityDraw) {
    parametres.letalites = {0.5f, 0.0f};
    population = Tpopulation({individu_de(true, 0, 0), individu_de(false, 0, 0)});
    // 2 children (entry 4000); the first dies on a draw of 4999, the second
    // lives on a draw of 5000; then the shuffle of the one survivor.
    hasard.impose({4000, 10, 60, 70, 4999, 10, 10, 10, 5000, 0});
    generation_suivante();
    EXPECT_EQ(hasard.imposees_restantes(), 0u);
    ASSERT_EQ(population.taille(), 1u);
    EXPECT_EQ(population.individu(0), individu_de(false, 0, 0));

    // Lethality 0 spares even a draw of 0; lethality 1 not even the highest.
    parametres.letalites = {0.0f, 0.0f};
    population = Tpopulation({individu_de(true, 0, 0), individu_de(false, 0, 0)});
    hasard.impose({1224, 10, 10, 10, 0, 0});
    generation_suivante();
    EXPECT_EQ(population.taille(), 1u);
    parametres.letalites = {1.0f, 0.0f};
    population = Tpopulation({individu_de(true, 0, 0), individu_de(false, 0, 0)});
    hasard.impose({1224, 10, 10, 10, 9999});
    generation_suivante();
    EXPECT_EQ(hasard.imposees_restantes(), 0u);
    EXPECT_EQ(population.taille(), 0u);
}

TEST_F(Generation, HeterozygousChildrenMakeNoLethalityDraw) {
    parametres.letalites = {1.0f, 1.0f};
    population = Tpopulation({individu_de(true, 0, 0), individu_de(false, 1, 1)});
    // 3 children (entry 6495), three draws each, then 3 shuffle draws.
    hasard.impose({6495, 0, 0, 0, 99, 99, 99, 50, 50, 50, 2, 1, 0, 7});
    generation_suivante();
    EXPECT_EQ(hasard.imposees_restantes(), 1u);
    ASSERT_EQ(population.taille(), 3u);
    for (const Tindividu& x : population.contenu()) {
        EXPECT_EQ(x.allele1, 0u);
        EXPECT_EQ(x.allele2, 1u);
        EXPECT_FALSE(x.accouple);
        EXPECT_TRUE(x.vivant);
    }
}

TEST_F(Generation, ChildrenBeyondTheCapAreDrawnThenDropped) {
    parametres.effectif_max = 3;
    population = Tpopulation({individu_de(true, 0, 1), individu_de(false, 0, 1),
                              individu_de(true, 0, 1), individu_de(false, 0, 1)});
    std::vector<std::uint32_t> tirages;
    for (int couple = 0; couple < 2; ++couple) {
        tirages.push_back(9377); // 5 children
        for (int enfant = 0; enfant < 5; ++enfant) {
            tirages.insert(tirages.end(), {10, 60, 0}); // 0/1, no lethality draw
        }
    }
    tirages.insert(tirages.end(), {0, 0, 0});
    hasard.impose(tirages);
    generation_suivante();
    EXPECT_EQ(hasard.imposees_restantes(), 0u);
    EXPECT_EQ(population.taille(), 3u);
}

TEST_F(Generation, NoCoupleMeansExtinction) {
    population =
        Tpopulation({individu_de(true, 0, 0), individu_de(true, 0, 1), individu_de(true, 1, 1)});
    hasard.impose({0});
    generation_suivante();
    EXPECT_EQ(population.taille(), 0u);
    EXPECT_EQ(hasard.imposees_restantes(), 1u) << "no couple, no draw";
    generation_suivante();
    EXPECT_EQ(population.taille(), 0u);
    population = Tpopulation({individu_de(false, 0, 0)});
    generation_suivante();
    EXPECT_EQ(population.taille(), 0u);
}

TEST_F(Generation, CherchePartenaire) {
    std::vector<Tindividu> v{individu_de(true, 0, 0),  individu_de(true, 0, 0),
                             individu_de(false, 0, 0), individu_de(false, 0, 0),
                             individu_de(false, 0, 0), individu_de(true, 0, 0)};
    v[2].accouple = true;
    v[4].vivant = false;
    population = Tpopulation(v);
    EXPECT_EQ(cherche_partenaire(0), 3u);
    EXPECT_EQ(cherche_partenaire(1), 3u);
    EXPECT_EQ(cherche_partenaire(3), 5u);
    EXPECT_EQ(cherche_partenaire(2), 5u);
    EXPECT_EQ(cherche_partenaire(5), 0u) << "the last one has nobody behind it";
    EXPECT_EQ(cherche_partenaire(6), 0u);
    population.individu(3).accouple = true;
    EXPECT_EQ(cherche_partenaire(0), 0u) << "the only one left is not viable";
}

TEST_F(Generation, EveryIndividualMatesAtMostOnce) {
    // Sexes T T F T F F: couples (0,2), (1,4), (3,5), in this order.
    population =
        Tpopulation({individu_de(true, 0, 0), individu_de(true, 1, 1), individu_de(false, 2, 2),
                     individu_de(true, 3, 3), individu_de(false, 4, 4), individu_de(false, 5, 5)});
    // One child per couple (entry 1224): allele1 from the first parent,
    // allele2 from the second; then the shuffle keeps the order.
    hasard.impose({1224, 0, 0, 0, 1224, 0, 0, 0, 1224, 0, 0, 0, 0, 0, 0});
    generation_suivante();
    EXPECT_EQ(hasard.imposees_restantes(), 0u);
    ASSERT_EQ(population.taille(), 3u);
    EXPECT_EQ(population.individu(0), individu_de(false, 0, 2));
    EXPECT_EQ(population.individu(1), individu_de(false, 1, 4));
    EXPECT_EQ(population.individu(2), individu_de(false, 3, 5));
}

TEST_F(Generation, LethalityOfAnAlleleBeyondTheSequenceIsZero) {
    // The panel may shrink the allele count during a run; lethalities are
    // then read only where they exist.
    parametres.letalites.clear();
    std::vector<Tindividu> v;
    for (int i = 0; i < 200; ++i) {
        v.push_back(individu_de(i % 2 == 0, 3, 3));
    }
    population = Tpopulation(v);
    hasard.seme(5);
    generation_suivante();
    EXPECT_GT(population.taille(), 150u);
    for (const Tindividu& x : population.contenu()) {
        EXPECT_EQ(x.allele1, 3u);
        EXPECT_EQ(x.allele2, 3u);
    }
}

TEST_F(Generation, LethalAlleleDisappearsFromHomozygotes) {
    parametres.letalites = {1.0f, 0.0f};
    parametres.effectif_min = 1000;
    hasard.seme(3);
    cree_population_initiale();
    for (int g = 0; g < 5; ++g) {
        generation_suivante();
        ASSERT_GT(population.taille(), 0u);
        for (const Tindividu& x : population.contenu()) {
            ASSERT_FALSE(x.allele1 == 0 && x.allele2 == 0);
        }
    }
}

TEST_F(Generation, ARunDoesNotDependOnWhatRanBefore) {
    // Fecundity 2.0 after a table filled for 2.5, and after a clean one.
    const auto tailles = [](float fecondite_avant) {
        tirage_poisson(fecondite_avant, 10);
        parametres.fecondite = 2.0f;
        parametres.effectif_min = 2000;
        parametres.effectif_max = 2000;
        hasard.seme(42);
        cree_population_initiale();
        std::vector<unsigned> resultat;
        for (int g = 0; g < 30; ++g) {
            generation_suivante();
            resultat.push_back(population.taille());
        }
        return resultat;
    };
    EXPECT_EQ(tailles(2.5f), tailles(0.0f));
}

} // namespace
