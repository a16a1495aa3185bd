#pragma once

#include "model/registre.h"

#include <array>
#include <cstdint>
#include <vector>

// The mean and the spread of a quantity, given one value at a time (Welford's
// method: no sum of squares that loses its precision).
struct Tmoyenne {
    std::uint64_t n = 0;
    double moyenne = 0.0;
    double m2 = 0.0;

    void ajoute(double x);
    // The sample standard deviation; 0 below two values.
    double ecart_type() const;
};

// What a batch of replicates gives, kept as it goes: a few numbers per
// generation and per allele, never the records themselves. Records are added
// in replicate order, so that the sums, and so the results, do not depend on
// how the replicates were shared out.
class Tresume_lot {
public:
    // Per allele, the fate of each replicate that is still alive at its end.
    struct Tallele {
        std::uint64_t fixe = 0;
        std::uint64_t perdu = 0;
        std::uint64_t en_segregation = 0;
        Tmoyenne fixation; // generation of fixation, of the replicates that fixed it
        Tmoyenne perte;    // generation of loss, of the replicates that lost it
    };
    // Per generation, over every replicate for the size and over the living
    // ones for the rest.
    struct Tgeneration {
        Tmoyenne taille;
        std::array<Tmoyenne, nb_alleles_maximal> frequences;
        Tmoyenne heterozygotie_observee;
        Tmoyenne heterozygotie_attendue;
        std::uint64_t vivantes() const { return heterozygotie_observee.n; }
    };

    void ajoute(const Tregistre_mesure& registre);

    unsigned nb_alleles = 0; // of the first record added
    std::uint64_t replicats = 0;
    std::uint64_t eteintes = 0; // replicates that died out
    std::array<Tallele, nb_alleles_maximal> alleles;
    std::vector<Tgeneration> generations;
};
