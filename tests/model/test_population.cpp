#include "modele_test.h"
#include "reference.h"

#include <algorithm>
#include <vector>

namespace {

using Population = ModeleTest;

std::vector<std::uint32_t> premiers_alleles(const Tpopulation& p) {
    std::vector<std::uint32_t> a;
    for (const Tindividu& x : p.contenu()) {
        a.push_back(x.allele1);
    }
    return a;
}

Tpopulation numerotee(std::uint32_t n) {
    std::vector<Tindividu> v;
    for (std::uint32_t i = 0; i < n; ++i) {
        v.push_back(individu_de(i % 2 == 0, i, i));
    }
    return Tpopulation(v);
}

TEST_F(Population, IndividuStartsBlankAndKnowsHomozygotes) {
    const Tindividu x;
    EXPECT_FALSE(x.sexe);
    EXPECT_FALSE(x.accouple);
    EXPECT_FALSE(x.vivant);
    EXPECT_TRUE(x.homozygote());
    EXPECT_FALSE(individu_de(true, 0, 1).homozygote());
    EXPECT_TRUE(individu_de(true, 3, 3).homozygote());
}

TEST_F(Population, AjouteStopsAtTheCapReadAtEachCall) {
    Tpopulation p;
    parametres.effectif_max = 2;
    EXPECT_TRUE(p.ajoute(individu_de(true, 0, 0)));
    EXPECT_TRUE(p.ajoute(individu_de(true, 1, 1)));
    EXPECT_FALSE(p.ajoute(individu_de(true, 2, 2)));
    EXPECT_EQ(p.taille(), 2u);
    parametres.effectif_max = 3;
    EXPECT_TRUE(p.ajoute(individu_de(false, 2, 2)));
    EXPECT_EQ(p.individu(2), individu_de(false, 2, 2));
    p.vide();
    EXPECT_EQ(p.taille(), 0u);
}

TEST_F(Population, MelangeTakesTheKthRemainingForEachDraw) {
    Tpopulation p = numerotee(5);
    hasard.impose({2, 0, 2, 1, 0});
    p.melange();
    EXPECT_EQ(premiers_alleles(p), (std::vector<std::uint32_t>{2, 0, 4, 3, 1}));
    EXPECT_EQ(hasard.imposees_restantes(), 0u);

    // An empty population draws nothing; one individual draws once.
    Tpopulation vide;
    hasard.impose({0, 0});
    vide.melange();
    EXPECT_EQ(hasard.imposees_restantes(), 2u);
    Tpopulation seul = numerotee(1);
    seul.melange();
    EXPECT_EQ(hasard.imposees_restantes(), 1u);
    EXPECT_EQ(seul.individu(0).allele1, 0u);
}

TEST_F(Population, MelangeMatchesTheLiteralRemovalForLargeScriptedDraws) {
    // Always the last, then always the first: reversed, then unchanged order.
    for (const bool dernier : {true, false}) {
        Tpopulation rapide = numerotee(300);
        Tpopulation litterale = rapide;
        std::vector<std::uint32_t> tirages;
        for (std::uint32_t t = 0; t < 300; ++t) {
            tirages.push_back(dernier ? 299 - t : 0);
        }
        hasard.impose(tirages);
        rapide.melange();
        hasard.impose(tirages);
        melange_litteral(litterale);
        EXPECT_EQ(rapide, litterale);
        EXPECT_EQ(rapide.individu(0).allele1, dernier ? 299u : 0u);
    }
    for (std::uint64_t graine = 0; graine < 20; ++graine) {
        Tpopulation rapide = numerotee(1 + static_cast<std::uint32_t>(graine) * 37);
        Tpopulation litterale = rapide;
        hasard.seme(graine);
        rapide.melange();
        hasard.seme(graine);
        melange_litteral(litterale);
        ASSERT_EQ(rapide, litterale) << "seed " << graine;
    }
}

TEST_F(Population, AlleleFrequencies) {
    Tpopulation p;
    EXPECT_EQ(p.frequence_allele(0), 0.0f);
    parametres.effectif_max = 1000;
    for (int i = 0; i < 1000; ++i) {
        p.ajoute(individu_de(i % 2 == 0, 1, 1));
    }
    EXPECT_EQ(p.frequence_allele(1), 0.99999994f); // 2000 / 2000.0001
    EXPECT_EQ(p.frequence_allele(0), 0.0f);
    p.individu(0).allele2 = 3;
    EXPECT_EQ(p.frequence_allele(3), static_cast<float>(1 / 2000.0001));
}

TEST_F(Population, GenotypeFrequenciesAreUnordered) {
    Tpopulation p(std::vector<Tindividu>{individu_de(true, 0, 1), individu_de(true, 1, 0),
                                         individu_de(false, 1, 1), individu_de(false, 2, 0)});
    EXPECT_DOUBLE_EQ(p.frequence_genotype(0, 1), 2.0f / (4 + 0.0001));
    EXPECT_DOUBLE_EQ(p.frequence_genotype(1, 0), 2.0f / (4 + 0.0001));
    EXPECT_DOUBLE_EQ(p.frequence_genotype(1, 1), 1.0f / (4 + 0.0001));
    EXPECT_EQ(p.frequence_genotype(2, 2), 0.0);
    EXPECT_EQ(Tpopulation().frequence_genotype(0, 0), 0.0);
}

TEST_F(Population, PanmixiaIndex) {
    EXPECT_EQ(Tpopulation().indice_panmixie(), 100);

    parametres.effectif_max = 10000;
    Tpopulation fixee;
    for (int i = 0; i < 1000; ++i) {
        fixee.ajoute(individu_de(i % 2 == 0, 0, 0));
    }
    EXPECT_EQ(fixee.indice_panmixie(), 99);

    Tpopulation heterozygotes;
    for (int i = 0; i < 1000; ++i) {
        heterozygotes.ajoute(individu_de(i % 2 == 0, i % 4 < 2 ? 0 : 1, i % 4 < 2 ? 1 : 0));
    }
    EXPECT_EQ(heterozygotes.indice_panmixie(), -690);

    // Exact Hardy-Weinberg proportions at p = q = 1/2: 1/4, 1/2, 1/4.
    Tpopulation equilibre;
    for (int i = 0; i < 1000; ++i) {
        const int quart = i % 4;
        equilibre.ajoute(individu_de(true, quart == 0 ? 0 : 1, quart == 3 ? 1 : 0));
    }
    EXPECT_EQ(equilibre.indice_panmixie(), 99);
}

TEST_F(Population, PanmixiaIndexReadsTheAlleleCountThroughAjuste) {
    Tpopulation p(std::vector<Tindividu>{individu_de(true, 2, 2), individu_de(false, 2, 2)});
    // Allele 2 is not counted while there are two alleles: the observed and
    // expected frequencies of the pairs of 0 and 1 are all 0.
    EXPECT_EQ(p.indice_panmixie(), 100);
    parametres.nb_alleles = 3;
    EXPECT_EQ(p.indice_panmixie(), 99);
    EXPECT_EQ(parametres.frequences.size(), 3u);
}

std::vector<std::uint32_t> comptes(const std::vector<std::uint32_t>& table, std::uint32_t n) {
    std::vector<std::uint32_t> c(n, 0);
    for (const std::uint32_t a : table) {
        ++c.at(a);
    }
    return c;
}

TEST_F(Population, InitialAlleleTable) {
    EXPECT_EQ(comptes(table_alleles_initiaux(), 2), (std::vector<std::uint32_t>{5000, 5000}));

    parametres.nb_alleles = 3;
    parametres.ajuste();
    const std::vector<std::uint32_t> tiers = table_alleles_initiaux();
    EXPECT_EQ(comptes(tiers, 3), (std::vector<std::uint32_t>{3334, 3333, 3333}));
    EXPECT_EQ(tiers.back(), 0u);
    EXPECT_EQ(tiers[3333], 1u);

    // Counts come from the stored float in double precision: 0.7f is just
    // below 0.7, so allele 0 fills 6999 entries and allele 1 starts there.
    parametres = Tparametres_mesure();
    parametres.frequences = {0.7f, 0.3f};
    const std::vector<std::uint32_t> septieme = table_alleles_initiaux();
    EXPECT_EQ(septieme[6998], 0u);
    EXPECT_EQ(septieme[6999], 1u);
    EXPECT_EQ(septieme[9998], 1u);
    EXPECT_EQ(septieme[9999], 0u);
}

TEST_F(Population, InitialAlleleTableWhenTheFrequenciesMissOne) {
    // Below 1: the entries left over keep allele 0.
    parametres.frequences = {0.6f, 0.2000966f};
    EXPECT_EQ(comptes(table_alleles_initiaux(), 2), (std::vector<std::uint32_t>{8000, 2000}));

    // Above 1 (only reachable by writing the member): the table keeps its size
    // and the last alleles lose the excess.
    parametres.frequences = {1.0f, 0.000196f};
    EXPECT_EQ(comptes(table_alleles_initiaux(), 2), (std::vector<std::uint32_t>{10000, 0}));
    parametres.nb_alleles = 3;
    parametres.frequences = {0.5f, 0.75f, 0.5f};
    EXPECT_EQ(comptes(table_alleles_initiaux(), 3), (std::vector<std::uint32_t>{5000, 5000, 0}));

    // Out-of-range entries written directly fill nothing.
    parametres.frequences = {-0.5f, 2.0f, 0.0f};
    EXPECT_EQ(comptes(table_alleles_initiaux(), 3), (std::vector<std::uint32_t>{0, 10000, 0}));
}

TEST_F(Population, InitialPopulationFollowsItsDraws) {
    parametres.effectif_min = 3;
    // Per individual: allele1 entry, allele2 entry, sex draw; then the shuffle.
    hasard.impose({0, 9999, 5000, 5000, 4999, 5001, 9999, 9999, 0, 0, 0, 0});
    cree_population_initiale();
    EXPECT_EQ(hasard.imposees_restantes(), 0u);
    ASSERT_EQ(population.taille(), 3u);
    EXPECT_EQ(population.individu(0), individu_de(false, 0, 1)); // x = 5000: not below 5000
    EXPECT_EQ(population.individu(1), individu_de(false, 1, 0)); // x = 5001
    EXPECT_EQ(population.individu(2), individu_de(true, 1, 1));  // x = 0
}

TEST_F(Population, InitialPopulationSizeAndCap) {
    cree_population_initiale();
    EXPECT_EQ(population.taille(), 300u);
    for (const Tindividu& x : population.contenu()) {
        EXPECT_TRUE(x.vivant);
        EXPECT_FALSE(x.accouple);
    }

    // More asked than the cap: the draws of the refused individuals still
    // take place (3 per individual), then 4 shuffle draws.
    parametres.effectif_min = 6;
    parametres.effectif_max = 4;
    hasard.impose(std::vector<std::uint32_t>(6 * 3 + 4 + 1, 0));
    cree_population_initiale();
    EXPECT_EQ(population.taille(), 4u);
    EXPECT_EQ(hasard.imposees_restantes(), 1u);
}

TEST_F(Population, InitialPopulationMatchesTheLiteralOne) {
    parametres.nb_alleles = 4;
    parametres.ajuste();
    parametres.effectif_min = 2000;
    parametres.effectif_max = 3000;
    for (std::uint64_t graine = 0; graine < 5; ++graine) {
        hasard.seme(graine);
        cree_population_initiale();
        const Tpopulation rapide = population;
        hasard.seme(graine);
        cree_population_initiale_litterale();
        ASSERT_EQ(rapide, population) << "seed " << graine;
    }
}

} // namespace
