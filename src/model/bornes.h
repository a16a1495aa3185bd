#pragma once

#include "model/parametres.h"

#include <cstdint>

// The ranges of the control panel and the way it brings a value into them.
// The panel's handlers and the scenario files use these same rules. Each
// takes the value asked for, whatever its size or sign, and answers the one
// stored.

// 2 to 4 alleles.
std::uint32_t borne_nb_alleles(std::int64_t demande);

// 10 generations up to `nb_generations_max`.
std::uint32_t borne_nb_generations(const Tparametres_mesure& p, std::int64_t demande);

// At least 10 and at least `effectif_min`, at most `effectif_plafond`.
std::uint32_t borne_effectif_max(const Tparametres_mesure& p, std::int64_t demande);

// At least `effectif_plancher`, at most `effectif_max` (and the ceiling).
std::uint32_t borne_effectif_min(const Tparametres_mesure& p, std::int64_t demande);

// The fecundity bar counts hundredths, from `fecondite_min` to
// `fecondite_max`.
std::int64_t borne_centiemes_fecondite(const Tparametres_mesure& p, std::int64_t centiemes);

// The fecundity a bar position gives: hundredths times 0.01.
float fecondite_de_centiemes(std::int64_t centiemes);

// A frequency or a lethality in percent, 0 to 100 (a NaN gives 0).
double borne_pourcentage(double pourcentage);
