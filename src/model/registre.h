#pragma once

#include "model/parametres.h"
#include "model/population.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// At most four alleles, so at most ten unordered genotypes.
constexpr unsigned nb_alleles_maximal = 4;
constexpr unsigned nb_genotypes_maximal = nb_alleles_maximal * (nb_alleles_maximal + 1) / 2;

// The place of the unordered genotype (i, j) among the genotypes of n alleles,
// in the order (0,0), (0,1) ... (0,n-1), (1,1), (1,2) ... (n-1,n-1).
constexpr unsigned indice_genotype(unsigned i, unsigned j, unsigned n = nb_alleles_maximal) {
    if (i > j) {
        const unsigned k = i;
        i = j;
        j = k;
    }
    return i * n - i * (i - 1) / 2 + (j - i);
}

// The exact state of one generation: counts, not rounded frequencies.
// Individuals whose `sexe` is true are counted as males.
struct Tetat_generation {
    std::int32_t generation = 0; // the charts' abscissa: 0 is the first generation born
    std::uint32_t taille = 0;
    std::uint32_t males = 0;
    std::uint32_t femelles = 0;
    std::uint32_t couples = 0; // formed among the parents of this generation
    std::array<std::uint32_t, nb_alleles_maximal> alleles{};     // copies of each
    std::array<std::uint32_t, nb_genotypes_maximal> genotypes{}; // in indice_genotype order
    std::int32_t indice_panmixie = 100;

    // The frequency of allele k, exactly as Tpopulation::frequence_allele
    // gives it.
    float frequence(unsigned k) const;

    // The share of heterozygous individuals (0 when the population is empty).
    double heterozygotie_observee() const;

    // The share of heterozygotes expected under Hardy-Weinberg proportions from
    // this generation's allele frequencies, 1 - sum of p squared (0 when empty).
    double heterozygotie_attendue() const;

    // The effective size of a population with these numbers of each sex,
    // 4 Nm Nf / (Nm + Nf); 0 without both sexes.
    double effectif_efficace() const;

    bool operator==(const Tetat_generation& autre) const;
    bool operator!=(const Tetat_generation& autre) const { return !(*this == autre); }
};

// The state of a population; the panmixia index counts `nb_alleles` alleles,
// as Tpopulation::indice_panmixie does. Alleles beyond the fourth are not
// counted.
Tetat_generation etat_de(const Tpopulation& population, unsigned nb_alleles,
                         std::int32_t generation = 0, std::uint32_t couples = 0);

// What became of an allele by the end of a run.
enum class Tissue : std::uint8_t {
    fixe,           // every copy in the last generation
    perdu,          // no copy left in a living population
    en_segregation, // still beside others
    eteinte,        // the population died out
};

// Everything one run gives: its seed and parameters, the founders, and the
// exact state of every generation made.
struct Tregistre_mesure {
    std::uint64_t graine = 0;
    std::uint64_t replicat = 0;
    Tparametres_mesure parametres; // as they stood when the run started
    Tetat_generation fondateurs;   // the initial population (generation -1)
    std::vector<Tetat_generation> generations;

    unsigned nb_alleles() const { return parametres.nb_alleles; }

    // The first generation with nobody left.
    std::optional<std::int32_t> generation_extinction() const;

    // The first generation that holds only allele k (fixation) or none of it
    // while it lives (loss).
    std::optional<std::int32_t> generation_fixation(unsigned k) const;
    std::optional<std::int32_t> generation_perte(unsigned k) const;

    // The fate of allele k in the last generation recorded (the founders when
    // none was).
    Tissue issue(unsigned k) const;

    const Tetat_generation& dernier() const {
        return generations.empty() ? fondateurs : generations.back();
    }
};
