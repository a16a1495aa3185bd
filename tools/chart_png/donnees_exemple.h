#pragma once

#include "chart/graphique.h"

#include <cstdint>
#include <functional>

// One generation of a sample run: its population size and the frequency of
// each allele.
struct Generation_exemple {
    std::int32_t effectif = 0;
    std::vector<float> frequences;
};

// A sample run of `nb_generations` generations with `nb_alleles` alleles,
// handed generation by generation (g from 0) to `recoit`.
void run_exemple(unsigned nb_alleles, unsigned nb_generations, std::int32_t effectif_max,
                 const std::function<void(std::int32_t g, const Generation_exemple&)>& recoit);
