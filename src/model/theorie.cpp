#include "model/theorie.h"

#include "model/population.h"

#include <algorithm>
#include <cmath>

double survie_homozygote(const Tparametres_mesure& p, unsigned allele) {
    // A homozygote lives when its draw x, from 0 to T - 1, reaches
    // lethality x T: T - ceil(lethality x T) draws of T.
    const double t = p.resolution;
    const double seuil = static_cast<double>(p.letalite(allele)) * t;
    const double vivants = t - std::ceil(std::max(0.0, seuil));
    return t > 0 ? std::clamp(vivants / t, 0.0, 1.0) : 1.0;
}

std::vector<std::array<double, nb_alleles_maximal>>
frequences_theoriques(Tparametres_mesure p, std::uint32_t generations) {
    p.ajuste();
    const unsigned n = std::min(p.nb_alleles, nb_alleles_maximal);
    std::array<double, nb_alleles_maximal> q{};
    // The founders' alleles are drawn from the table, whose entries round
    // the frequencies.
    const std::vector<std::uint32_t> table = table_alleles_initiaux(p);
    for (const std::uint32_t a : table) {
        if (a < nb_alleles_maximal) {
            q[a] += 1.0 / static_cast<double>(table.size());
        }
    }
    std::array<double, nb_alleles_maximal> survie{};
    for (unsigned i = 0; i < n; ++i) {
        survie[i] = survie_homozygote(p, i);
    }
    std::vector<std::array<double, nb_alleles_maximal>> resultat;
    resultat.reserve(generations);
    for (std::uint32_t g = 0; g < generations; ++g) {
        // Births in Hardy-Weinberg proportions, then the homozygotes' deaths.
        double morts = 0.0;
        for (unsigned i = 0; i < n; ++i) {
            morts += q[i] * q[i] * (1.0 - survie[i]);
        }
        std::array<double, nb_alleles_maximal> suivant{};
        if (morts < 1.0) {
            for (unsigned i = 0; i < n; ++i) {
                suivant[i] = q[i] * (1.0 - q[i] * (1.0 - survie[i])) / (1.0 - morts);
            }
        }
        q = suivant;
        resultat.push_back(q);
    }
    return resultat;
}

std::vector<double> heterozygotie_derive(const Tregistre_mesure& r) {
    std::vector<double> resultat;
    resultat.reserve(r.generations.size());
    double h = r.fondateurs.heterozygotie_attendue();
    const Tetat_generation* parents = &r.fondateurs;
    for (const Tetat_generation& e : r.generations) {
        const double ne = parents->effectif_efficace();
        h = ne > 0 ? h * (1.0 - 1.0 / (2.0 * ne)) : 0.0;
        resultat.push_back(h);
        parents = &e;
    }
    return resultat;
}
