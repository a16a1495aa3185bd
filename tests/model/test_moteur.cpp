// Runs as objects: contexts that share nothing, records, seeds and batches.
#include "model/contexte.h"
#include "model/lot.h"
#include "model/mesure.h"
#include "model/resume.h"
#include "model/tirage_ordonne.h"
#include "modele_test.h"

#include <atomic>
#include <stdexcept>
#include <vector>

namespace {

using Moteur = ModeleTest;

Tparametres_mesure quatre_alleles() {
    Tparametres_mesure p;
    p.nb_alleles = 4;
    p.ajuste();
    p.fixe_frequence(0, 0.4f);
    p.letalites = {0.3f, 1.0f, 0.0f, 0.55f};
    p.effectif_min = 500;
    p.effectif_max = 2000;
    p.fecondite = 2.37f;
    p.nb_generations = 60;
    return p;
}

Tparametres_mesure effectif_grand() {
    Tparametres_mesure p;
    p.effectif_min = 10000;
    p.effectif_max = 10000;
    return p;
}

// FNV-1a over every count of every generation.
std::uint64_t empreinte(const Tregistre_mesure& r) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    const auto mele = [&](std::uint64_t v) {
        for (int octet = 0; octet < 8; ++octet) {
            h = (h ^ ((v >> (8 * octet)) & 0xFF)) * 0x100000001b3ULL;
        }
    };
    for (const Tetat_generation& e : r.generations) {
        mele(static_cast<std::uint32_t>(e.generation));
        for (std::uint32_t v : {e.taille, e.males, e.femelles, e.couples}) {
            mele(v);
        }
        for (std::uint32_t v : e.alleles) {
            mele(v);
        }
        for (std::uint32_t v : e.genotypes) {
            mele(v);
        }
        mele(static_cast<std::uint32_t>(e.indice_panmixie));
    }
    return h;
}

Tregistre_mesure fait_mesure(const Tparametres_mesure& p, std::uint64_t graine,
                             std::uint64_t replicat = 0) {
    Tmesure m(p, graine, replicat);
    m.commence();
    while (!m.finie()) {
        m.avance();
    }
    return m.prend_registre();
}

TEST_F(Moteur, ARunOfItsOwnMakesTheSamePopulationsAsTheProcessWideOne) {
    const Tparametres_mesure p = quatre_alleles();
    Tmesure propre(p, 77);
    propre.commence();
    parametres = p;
    hasard.seme(graine_replicat(77, 0));
    cree_population_initiale();
    for (int g = 0; g < 40; ++g) {
        ASSERT_EQ(propre.contexte().population(), population) << "generation " << g - 1;
        propre.avance();
        generation_suivante();
    }
    EXPECT_TRUE(propre.contexte().hasard().prend() == hasard.prend());
}

TEST_F(Moteur, TheRecordDependsOnlyOnSeedAndParameters) {
    const Tparametres_mesure p = quatre_alleles();
    const Tregistre_mesure premier = fait_mesure(p, 2026);
    ASSERT_EQ(premier.generations.size(), 60u);
    // Pinned: a change of any draw, of the order of the draws or of a count
    // changes it.
    EXPECT_EQ(empreinte(premier), 0x5e69744f50700d60ULL);

    // Whatever ran before, in this context's process or in its own tables.
    Tparametres_mesure autre = p;
    autre.fecondite = 2.5f;
    fait_mesure(autre, 1);
    tirage_poisson(2.03f, 10);
    EXPECT_EQ(fait_mesure(p, 2026).generations, premier.generations);

    // Whichever way the shuffle finds its positions.
    force_positions_par_moities(true);
    const Tregistre_mesure par_moities = fait_mesure(p, 2026);
    force_positions_par_moities(false);
    EXPECT_EQ(par_moities.generations, premier.generations);
}

TEST_F(Moteur, TheStateOfAGenerationAgreesWithThePopulation) {
    for (unsigned n : {2u, 3u, 4u}) {
        parametres = quatre_alleles();
        parametres.nb_alleles = n;
        parametres.ajuste();
        hasard.seme(n);
        cree_population_initiale();
        generation_suivante();
        // The panmixia index counts the alleles of the parameters, even when
        // the population holds others.
        parametres.nb_alleles = 2;
        parametres.ajuste();
        const Tetat_generation e = etat_de(population, parametres.nb_alleles);
        EXPECT_EQ(e.indice_panmixie, population.indice_panmixie()) << n;
        for (unsigned k = 0; k < 4; ++k) {
            EXPECT_EQ(e.frequence(k), population.frequence_allele(k)) << n << ", allele " << k;
            for (unsigned j = 0; j < 4; ++j) {
                EXPECT_EQ(e.genotypes[indice_genotype(k, j)] / (population.taille() + 0.0001),
                          population.frequence_genotype(k, j));
            }
        }
        EXPECT_EQ(e.males + e.femelles, population.taille());
    }
    // A hand-made population may hold alleles beyond the fourth: they are not
    // counted, the others are.
    population = Tpopulation({individu_de(true, 0, 5), individu_de(false, 1, 1),
                              individu_de(true, 7, 6), individu_de(false, 0, 1)});
    const Tetat_generation e = etat_de(population, 2);
    for (unsigned k = 0; k < 4; ++k) {
        EXPECT_EQ(e.frequence(k), population.frequence_allele(k)) << k;
    }
    EXPECT_EQ(e.genotypes[indice_genotype(0, 1)], 1u);
    EXPECT_EQ(e.genotypes[indice_genotype(1, 1)], 1u);
    EXPECT_EQ(e.indice_panmixie, population.indice_panmixie());
}

TEST_F(Moteur, ABatchGivesTheSameRecordsHoweverItIsShared) {
    Tdemande_lot d;
    d.parametres = quatre_alleles();
    d.parametres.nb_generations = 20;
    d.graine = 99;
    d.nombre = 10;
    const auto recueille = [](const Tdemande_lot& demande) {
        std::vector<Tregistre_mesure> registres;
        execute_lot(demande, [&](Tregistre_mesure&& r) { registres.push_back(std::move(r)); });
        return registres;
    };
    d.fils = 1;
    const std::vector<Tregistre_mesure> seul = recueille(d);
    ASSERT_EQ(seul.size(), 10u);
    d.fils = 3;
    const std::vector<Tregistre_mesure> trois = recueille(d);
    Tdemande_lot seconde_moitie = d;
    seconde_moitie.premier = 5;
    seconde_moitie.nombre = 5;
    const std::vector<Tregistre_mesure> fin = recueille(seconde_moitie);
    for (std::size_t r = 0; r < 10; ++r) {
        EXPECT_EQ(seul[r].replicat, r);
        EXPECT_EQ(trois[r].generations, seul[r].generations) << r;
        EXPECT_EQ(fait_mesure(d.parametres, 99, r).generations, seul[r].generations) << r;
    }
    for (std::size_t r = 0; r < 5; ++r) {
        EXPECT_EQ(fin[r].generations, seul[r + 5].generations) << r;
    }
    EXPECT_NE(seul[0].generations, seul[1].generations);
}

TEST_F(Moteur, ABatchStopsWhenCancelledOrWhenItsReceiverFails) {
    Tdemande_lot d;
    d.parametres.nb_generations = 50;
    d.nombre = 200;
    d.fils = 2;
    std::atomic<bool> annule{false};
    std::uint64_t vus = 0;
    const std::uint64_t livres = execute_lot(
        d,
        [&](Tregistre_mesure&& r) {
            EXPECT_EQ(r.replicat, vus++);
            annule = vus == 3;
        },
        &annule);
    EXPECT_EQ(livres, 3u);
    EXPECT_THROW(execute_lot(d, [](Tregistre_mesure&&) { throw std::runtime_error("disque"); }),
                 std::runtime_error);

    Tpool_fils pool(2);
    std::vector<int> faits(1000);
    pool.pour_chaque(faits.size(), [&](std::size_t i) { ++faits[i]; });
    EXPECT_EQ(std::count(faits.begin(), faits.end(), 1), 1000);
    EXPECT_THROW(pool.pour_chaque(10,
                                  [](std::size_t i) {
                                      if (i == 4) {
                                          throw std::runtime_error("tache");
                                      }
                                  }),
                 std::runtime_error);
}

TEST_F(Moteur, ReplicatesStepByStepAreTheBatchsReplicates) {
    Tdemande_lot d;
    d.parametres = quatre_alleles();
    d.parametres.nb_generations = 15;
    d.graine = 31;
    d.nombre = 5;
    std::vector<Tregistre_mesure> lot;
    execute_lot(d, [&](Tregistre_mesure&& r) { lot.push_back(std::move(r)); });

    Tlot_pas_a_pas pas_a_pas(d.parametres, 31, 5, 2);
    pas_a_pas.commence();
    std::atomic<int> pas_finis{0};
    for (int g = 0; g < 15; ++g) {
        pas_a_pas.avance(d.parametres, [&] { ++pas_finis; });
        pas_a_pas.attend();
    }
    EXPECT_EQ(pas_finis, 15);
    EXPECT_EQ(pas_a_pas.nb_generations_faites(), 15u);
    for (std::uint32_t r = 0; r < 5; ++r) {
        EXPECT_EQ(pas_a_pas.registre(r).generations, lot[r].generations) << r;
    }
    // Destroyed with a step under way: it is cut short, nothing hangs.
    Tlot_pas_a_pas gros(effectif_grand(), 1, 50, 2);
    gros.commence();
    gros.avance(effectif_grand(), nullptr);
}

TEST_F(Moteur, FatesOfTheAllelesAndTheirSummary) {
    const auto registre = [](std::vector<std::array<std::uint32_t, 2>> comptes) {
        Tregistre_mesure r;
        r.parametres.nb_alleles = 2;
        for (std::size_t g = 0; g < comptes.size(); ++g) {
            Tetat_generation e;
            e.generation = static_cast<std::int32_t>(g);
            e.alleles = {comptes[g][0], comptes[g][1], 0, 0};
            e.taille = (comptes[g][0] + comptes[g][1]) / 2;
            r.generations.push_back(e);
        }
        return r;
    };
    const Tregistre_mesure fixe = registre({{6, 4}, {10, 0}, {8, 0}});
    const Tregistre_mesure perdu = registre({{6, 4}, {2, 8}, {0, 6}, {0, 4}});
    const Tregistre_mesure eteint = registre({{20, 0}, {0, 0}});
    EXPECT_EQ(fixe.issue(0), Tissue::fixe);
    EXPECT_EQ(fixe.issue(1), Tissue::perdu);
    EXPECT_EQ(*fixe.generation_fixation(0), 1);
    EXPECT_EQ(perdu.issue(0), Tissue::perdu);
    EXPECT_EQ(*perdu.generation_perte(0), 2);
    EXPECT_EQ(perdu.issue(1), Tissue::fixe);
    EXPECT_EQ(eteint.issue(0), Tissue::eteinte);
    EXPECT_EQ(*eteint.generation_extinction(), 1);
    EXPECT_FALSE(eteint.generation_perte(0)) << "dying out is not losing";

    Tresume_lot resume;
    for (const Tregistre_mesure* r : {&fixe, &perdu, &eteint, &fixe}) {
        resume.ajoute(*r);
    }
    EXPECT_EQ(resume.replicats, 4u);
    EXPECT_EQ(resume.eteintes, 1u);
    EXPECT_EQ(resume.alleles[0].fixe, 2u);
    EXPECT_EQ(resume.alleles[0].perdu, 1u);
    EXPECT_EQ(resume.alleles[1].fixe, 1u);
    EXPECT_DOUBLE_EQ(resume.alleles[1].perte.moyenne, 1.0);
    ASSERT_EQ(resume.generations.size(), 4u);
    EXPECT_EQ(resume.generations[1].vivantes(), 3u);
    EXPECT_DOUBLE_EQ(resume.generations[1].taille.moyenne, (5 + 5 + 0 + 5) / 4.0);
    EXPECT_DOUBLE_EQ(resume.generations[1].frequences[0].moyenne, (1.0 + 0.2 + 1.0) / 3);
    EXPECT_EQ(resume.generations[3].taille.n, 1u);
}

} // namespace
