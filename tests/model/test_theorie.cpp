// The engine against population genetics, not against itself: each result is
// a prediction of theory, checked within four standard errors on seeded runs.
#include "model/lot.h"
#include "model/mesure.h"
#include "model/theorie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// |observed - expected| within four standard errors.
::testing::AssertionResult a_quatre_erreurs(double observe, double attendu, double erreur) {
    if (std::abs(observe - attendu) <= 4.0 * erreur) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "observed " << observe << ", expected " << attendu << ", standard error " << erreur;
}

Tparametres_mesure effectif_constant(std::uint32_t n) {
    Tparametres_mesure p;
    p.effectif_min = n;
    p.effectif_max = n;
    p.fecondite = 2.5f; // enough children to refill the cap every generation
    p.nb_generations = 1000;
    return p;
}

TEST(Theorie, ANeutralAlleleIsFixedWithTheProbabilityOfItsInitialFrequency) {
    // Large enough never to die out, small enough to be absorbed soon.
    Tparametres_mesure p = effectif_constant(100);
    p.fixe_frequence(0, 0.3f);
    constexpr int replicats = 1000;
    // Per replicate, the frequency of the allele when it was fixed (1) or lost
    // (0), or after the last generation; -1 when the population died out.
    std::vector<double> finale(replicats);
    Tpool_fils pool(fils_disponibles());
    pool.pour_chaque(replicats, [&](std::size_t r) {
        Tmesure m(p, 1234, r);
        m.commence();
        double q = -1.0;
        while (!m.finie()) {
            const Tetat_generation& e = m.avance();
            q = e.taille > 0 ? e.alleles[0] / (2.0 * e.taille) : -1.0;
            if (q <= 0.0 || q >= 1.0) {
                break;
            }
        }
        finale[r] = q;
    });
    double somme = 0.0;
    int vivantes = 0;
    int absorbees = 0;
    for (double q : finale) {
        if (q >= 0.0) {
            somme += q;
            ++vivantes;
            absorbees += q == 0.0 || q == 1.0 ? 1 : 0;
        }
    }
    ASSERT_GT(absorbees, replicats * 95 / 100);
    const double q0 = 0.3;
    EXPECT_TRUE(a_quatre_erreurs(somme / vivantes, q0, std::sqrt(q0 * (1 - q0) / vivantes)));
}

TEST(Theorie, ALethalRecessiveFallsAsQ0Over1PlusTQ0) {
    Tparametres_mesure p = effectif_constant(10000);
    p.frequences = {1.0f / 3, 2.0f / 3};
    p.letalites = {1.0f, 0.0f};
    p.nb_generations = 10;
    constexpr int replicats = 30;
    // Frequency among the survivors after t generations of selection: the
    // first generation born is t = 1.
    std::vector<std::vector<double>> q(10);
    Tdemande_lot d;
    d.parametres = p;
    d.graine = 7;
    d.nombre = replicats;
    d.fils = fils_disponibles();
    double q0 = 0.0;
    execute_lot(d, [&](Tregistre_mesure&& r) {
        q0 = static_cast<double>(r.parametres.frequence(0));
        for (int g = 0; g < 10; ++g) {
            const Tetat_generation& e = r.generations[static_cast<std::size_t>(g)];
            q[static_cast<std::size_t>(g)].push_back(e.alleles[0] / (2.0 * e.taille));
        }
    });
    for (int t : {1, 2, 4, 9}) {
        const std::vector<double>& v = q[static_cast<std::size_t>(t - 1)];
        double somme = 0.0;
        double carres = 0.0;
        for (double x : v) {
            somme += x;
            carres += x * x;
        }
        const double moyenne = somme / replicats;
        const double ecart = std::sqrt((carres - replicats * moyenne * moyenne) / (replicats - 1));
        const double attendu = q0 / (1 + t * q0);
        EXPECT_TRUE(a_quatre_erreurs(moyenne, attendu, ecart / std::sqrt(replicats)))
            << "generation " << t;
        // The values the help quotes, to the tenth of a percent.
        EXPECT_NEAR(moyenne * 100, 100.0 / (3 + t), 0.1) << "generation " << t;
    }
}

TEST(Theorie, TheDeterministicCurvesFollowTheirFormulas) {
    Tparametres_mesure p;
    p.frequences = {1.0f / 3, 2.0f / 3};
    p.letalites = {1.0f, 0.0f};
    // The founders' frequency as the table of alleles gives it.
    const double q0 = 3334.0 / 10000;
    const auto q = frequences_theoriques(p, 9);
    ASSERT_EQ(q.size(), 9u);
    for (int t = 1; t <= 9; ++t) {
        EXPECT_NEAR(q[static_cast<std::size_t>(t - 1)][0], q0 / (1 + t * q0), 1e-12) << t;
        EXPECT_NEAR(q[static_cast<std::size_t>(t - 1)][1], 1 - q0 / (1 + t * q0), 1e-12) << t;
    }
    // Neutral alleles stay where they start; lethality 0 never kills, 1
    // always does, 0.5 spares the draws from 5000 up.
    p.nb_alleles = 3;
    p.ajuste();
    p.letalites = {0.0f, 0.0f, 0.0f};
    for (const auto& g : frequences_theoriques(p, 50)) {
        EXPECT_NEAR(g[0] + g[1] + g[2], 1.0, 1e-12);
        EXPECT_NEAR(g[2], 3333.0 / 10000, 1e-12);
    }
    p.letalites = {0.0f, 1.0f, 0.5f};
    EXPECT_EQ(survie_homozygote(p, 0), 1.0);
    EXPECT_EQ(survie_homozygote(p, 1), 0.0);
    EXPECT_EQ(survie_homozygote(p, 2), 0.5);
}

TEST(Theorie, HeterozygosityFallsByOneOverTwoNePerGeneration) {
    // A growing population that never reaches its cap: every couple has a
    // Poisson number of children. Only mated individuals breed, as many of
    // each sex as there are couples.
    Tparametres_mesure p;
    p.effectif_min = 60;
    p.effectif_max = 10000;
    p.fecondite = 2.5f;
    p.nb_generations = 15;
    constexpr int replicats = 3000;
    Tdemande_lot d;
    d.parametres = p;
    d.graine = 11;
    d.nombre = replicats;
    d.fils = fils_disponibles();
    std::vector<double> ecarts;
    execute_lot(d, [&](Tregistre_mesure&& r) {
        // The gene diversity 1 - sum p^2 expected at the end from the
        // founders' and the effective size of each step. It is computed over
        // the whole population, so each step also carries the change from
        // sampling two genes among 2N to two among 2N'.
        double h = r.fondateurs.heterozygotie_attendue();
        std::uint32_t n = r.fondateurs.taille;
        for (const Tetat_generation& e : r.generations) {
            if (e.taille == 0) {
                return;
            }
            Tetat_generation reproducteurs;
            reproducteurs.males = e.couples;
            reproducteurs.femelles = e.couples;
            const double ne = reproducteurs.effectif_efficace();
            h *= (1 - 1 / (2 * ne)) * (1 - 1 / (2.0 * e.taille)) / (1 - 1 / (2.0 * n));
            n = e.taille;
        }
        ecarts.push_back(r.dernier().heterozygotie_attendue() - h);
    });
    ASSERT_GT(ecarts.size(), replicats * 9 / 10u);
    double somme = 0.0;
    double carres = 0.0;
    for (double x : ecarts) {
        somme += x;
        carres += x * x;
    }
    const auto n = static_cast<double>(ecarts.size());
    const double moyenne = somme / n;
    const double ecart = std::sqrt((carres - n * moyenne * moyenne) / (n - 1));
    EXPECT_TRUE(a_quatre_erreurs(moyenne, 0.0, ecart / std::sqrt(n))) << n << " replicates";
}

} // namespace
