#pragma once

#include <cstdint>
#include <vector>

// Every setting of a run, with the bounds that the control panel offers.
// Members are public: the control panel writes them directly, the model and
// the windows read them at the moment they use them.
class Tparametres_mesure {
public:
    std::uint32_t nb_alleles = 2;
    std::vector<float> frequences;
    std::uint32_t effectif_min = 300;
    std::uint32_t effectif_max = 1000;
    std::uint32_t nb_generations = 100;
    std::uint32_t resolution = 10000;
    std::uint32_t nb_generations_max = 1000;
    std::uint32_t effectif_plafond = 10000;
    std::uint32_t effectif_plancher = 2;
    float fecondite = 2.1f;
    float fecondite_max = 2.5f;
    float fecondite_min = 2.0f;
    std::vector<float> letalites;
    bool modifiable = true;

    Tparametres_mesure();

    // Makes the per-allele sequences fit `nb_alleles`: equal initial
    // frequencies when their count changed, lethalities kept and padded with 0.
    Tparametres_mesure& ajuste();

    // Sets the initial frequency of allele i to v; the other alleles share the
    // rest in proportion to their current values, so the total stays 1.
    bool fixe_frequence(unsigned i, float v);

    // Initial frequency of allele i; 0 for an allele beyond `nb_alleles`.
    float frequence(unsigned i) const;

    // Lethality of allele i; 0 for an allele never set.
    float letalite(unsigned i) const;

    // Compares what a run depends on; the panel's bounds and `modifiable` take
    // no part.
    bool operator==(const Tparametres_mesure& autre) const;
    bool operator!=(const Tparametres_mesure& autre) const { return !(*this == autre); }

    // True when this object differs from the parameters seen at the previous
    // call (one remembered copy for the whole process).
    bool a_change() const;
};

extern Tparametres_mesure parametres;
