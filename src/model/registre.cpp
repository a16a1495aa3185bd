#include "model/registre.h"

#include <cmath>

float Tetat_generation::frequence(unsigned k) const {
    if (k >= nb_alleles_maximal) {
        return 0.0f;
    }
    // As counted one copy at a time in a float, then divided in double.
    const auto copies = static_cast<float>(alleles[k]);
    return static_cast<float>(copies / (2.0 * taille + 0.0001));
}

double Tetat_generation::heterozygotie_observee() const {
    if (taille == 0) {
        return 0.0;
    }
    std::uint32_t homozygotes = 0;
    for (unsigned a = 0; a < nb_alleles_maximal; ++a) {
        homozygotes += genotypes[indice_genotype(a, a)];
    }
    return 1.0 - static_cast<double>(homozygotes) / taille;
}

double Tetat_generation::heterozygotie_attendue() const {
    if (taille == 0) {
        return 0.0;
    }
    double somme = 0.0;
    for (unsigned a = 0; a < nb_alleles_maximal; ++a) {
        const double p = static_cast<double>(alleles[a]) / (2.0 * taille);
        somme += p * p;
    }
    return 1.0 - somme;
}

double Tetat_generation::effectif_efficace() const {
    if (males == 0 || femelles == 0) {
        return 0.0;
    }
    return 4.0 * males * femelles / (static_cast<double>(males) + femelles);
}

bool Tetat_generation::operator==(const Tetat_generation& autre) const {
    return generation == autre.generation && taille == autre.taille && males == autre.males &&
           femelles == autre.femelles && couples == autre.couples && alleles == autre.alleles &&
           genotypes == autre.genotypes && indice_panmixie == autre.indice_panmixie;
}

namespace {

// The panmixia index from the counts, with the arithmetic of
// Tpopulation::indice_panmixie (the counts are exact in a float up to 2^24).
int panmixie_des_comptes(const Tetat_generation& e, unsigned nb_alleles) {
    float somme = 0.0f;
    for (unsigned i = 0; i < nb_alleles; ++i) {
        for (unsigned j = 0; j < nb_alleles; ++j) {
            const float pi = e.frequence(i);
            const float pj = e.frequence(j);
            const float attendu = pi * pj * static_cast<float>(i == j ? 1 : 2);
            const auto nombre = i < nb_alleles_maximal && j < nb_alleles_maximal
                                    ? static_cast<float>(e.genotypes[indice_genotype(i, j)])
                                    : 0.0f;
            const double observe = nombre / (e.taille + 0.0001);
            const double ecart = attendu - observe;
            somme = static_cast<float>(somme + ecart * ecart);
        }
    }
    return static_cast<int>(100.0 - 1000.0 * std::sqrt(static_cast<double>(somme)));
}

} // namespace

Tetat_generation etat_de(const Tpopulation& population, unsigned nb_alleles,
                         std::int32_t generation, std::uint32_t couples) {
    Tetat_generation e;
    e.generation = generation;
    e.couples = couples;
    e.taille = population.taille();
    // One pass, with the genotype counts indexed by a1 * 4 + a2 and folded
    // afterwards: no branch in the loop.
    std::array<std::uint32_t, nb_alleles_maximal * nb_alleles_maximal> paires{};
    std::uint32_t males = 0;
    std::uint32_t hors = 0;
    for (const Tindividu& x : population.contenu()) {
        males += x.sexe ? 1 : 0;
        const bool dedans = x.allele1 < nb_alleles_maximal && x.allele2 < nb_alleles_maximal;
        hors += dedans ? 0 : 1;
        paires[dedans ? x.allele1 * nb_alleles_maximal + x.allele2 : 0] += dedans ? 1 : 0;
    }
    e.males = males;
    e.femelles = e.taille - males;
    for (unsigned i = 0; i < nb_alleles_maximal; ++i) {
        for (unsigned j = 0; j < nb_alleles_maximal; ++j) {
            const std::uint32_t n = paires[i * nb_alleles_maximal + j];
            e.genotypes[indice_genotype(i, j)] += n;
            e.alleles[i] += n;
            e.alleles[j] += n;
        }
    }
    if (hors > 0) {
        // Alleles beyond the fourth exist only in hand-made populations: count
        // the ones within range among their carriers too.
        for (const Tindividu& x : population.contenu()) {
            const bool dedans = x.allele1 < nb_alleles_maximal && x.allele2 < nb_alleles_maximal;
            if (!dedans) {
                for (std::uint32_t a : {x.allele1, x.allele2}) {
                    if (a < nb_alleles_maximal) {
                        ++e.alleles[a];
                    }
                }
            }
        }
    }
    e.indice_panmixie = panmixie_des_comptes(e, nb_alleles);
    return e;
}

std::optional<std::int32_t> Tregistre_mesure::generation_extinction() const {
    for (const Tetat_generation& e : generations) {
        if (e.taille == 0) {
            return e.generation;
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> Tregistre_mesure::generation_fixation(unsigned k) const {
    for (const Tetat_generation& e : generations) {
        if (e.taille > 0 && k < nb_alleles_maximal && e.alleles[k] == 2 * e.taille) {
            return e.generation;
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> Tregistre_mesure::generation_perte(unsigned k) const {
    for (const Tetat_generation& e : generations) {
        if (e.taille > 0 && (k >= nb_alleles_maximal || e.alleles[k] == 0)) {
            return e.generation;
        }
    }
    return std::nullopt;
}

Tissue Tregistre_mesure::issue(unsigned k) const {
    const Tetat_generation& e = dernier();
    if (e.taille == 0) {
        return Tissue::eteinte;
    }
    if (k >= nb_alleles_maximal || e.alleles[k] == 0) {
        return Tissue::perdu;
    }
    return e.alleles[k] == 2 * e.taille ? Tissue::fixe : Tissue::en_segregation;
}
