#pragma once

#include <cstdint>

// One diploid, sexed individual: the two alleles it carries, one from each
// parent, and its state within the current generation.
struct Tindividu {
    bool sexe = false;
    std::uint32_t allele1 = 0;
    std::uint32_t allele2 = 0;
    bool accouple = false;
    bool vivant = false;

    bool homozygote() const { return allele1 == allele2; }
};

inline bool operator==(const Tindividu& a, const Tindividu& b) {
    return a.sexe == b.sexe && a.allele1 == b.allele1 && a.allele2 == b.allele2 &&
           a.accouple == b.accouple && a.vivant == b.vivant;
}

inline bool operator!=(const Tindividu& a, const Tindividu& b) {
    return !(a == b);
}
