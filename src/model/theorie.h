#pragma once

#include "model/parametres.h"
#include "model/registre.h"

#include <array>
#include <cstdint>
#include <vector>

// What theory expects of the model, beside what chance gives.

// The allele frequencies of an infinitely large population with the same
// initial frequencies (as the founders are drawn: through the table of
// alleles), lethalities and random mating: genotypes in Hardy-Weinberg
// proportions at birth, homozygotes of allele i surviving with the model's
// exact probability. Entry g is generation g as the charts number it, after
// g + 1 rounds of reproduction.
std::vector<std::array<double, nb_alleles_maximal>>
frequences_theoriques(Tparametres_mesure parametres, std::uint32_t generations);

// The probability that a homozygote of allele i survives its lethality draw.
double survie_homozygote(const Tparametres_mesure& parametres, unsigned allele);

// The heterozygosity drift alone would leave after each generation of the
// record: the founders' expected heterozygosity times the product of
// (1 - 1 / (2 Ne)) over the generations, Ne = 4 Nm Nf / (Nm + Nf) of the
// parents of each (0 once a generation has a single sex).
std::vector<double> heterozygotie_derive(const Tregistre_mesure& registre);
