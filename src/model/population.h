#pragma once

#include "model/hasard.h"
#include "model/individu.h"
#include "model/parametres.h"
#include "model/tirage_ordonne.h"

#include <cstdint>
#include <utility>
#include <vector>

// One generation: an ordered sequence of individuals. Order matters, since
// mating walks the population by index.
class Tpopulation {
public:
    Tpopulation() = default;
    explicit Tpopulation(std::vector<Tindividu> individus) : individus(std::move(individus)) {}

    void vide() { individus.clear(); }

    unsigned taille() const { return static_cast<unsigned>(individus.size()); }

    // The individual at index i (below taille()), to read or to change in place.
    Tindividu& individu(unsigned i) { return individus[i]; }
    const Tindividu& individu(unsigned i) const { return individus[i]; }

    // Appends a copy while the population holds fewer than `effectif_max` of
    // `parametres` (read at each call) individuals; otherwise drops it.
    bool ajoute(Tindividu nouveau) { return ajoute(nouveau, parametres.effectif_max); }

    // The same with the cap given.
    bool ajoute(Tindividu nouveau, std::uint32_t plafond) {
        if (individus.size() >= plafond) {
            return false;
        }
        // Member by member: a child built in registers goes straight to its
        // place instead of through a copy on the stack.
        Tindividu& place = individus.emplace_back();
        place.sexe = nouveau.sexe;
        place.allele1 = nouveau.allele1;
        place.allele2 = nouveau.allele2;
        place.accouple = nouveau.accouple;
        place.vivant = nouveau.vivant;
        return true;
    }

    // Puts the individuals in a uniformly random order: one draw per
    // individual, draw(N), draw(N-1), ..., draw(1), each taking the k-th of the
    // individuals not yet taken, as removing it from the sequence would.
    void melange() { melange_avec(hasard); }

    // The same with the draws taken from g (the process's generator or a bare
    // copy of it).
    template <class Generateur>
    void melange_avec(Generateur& g) {
        const std::vector<Tindividu> avant = individus;
        std::vector<std::uint32_t> ordre;
        remplace_melange(g, avant.data(), taille(), ordre);
    }

    // Replaces the contents with source[0 .. n-1] shuffled as melange()
    // shuffles them, with the draws taken from g; `ordre` is working storage.
    template <class Generateur>
    void remplace_melange(Generateur& g, const Tindividu* source, unsigned n,
                          std::vector<std::uint32_t>& ordre);

    // Frequency of allele k among the 2N allele copies (0 when empty).
    float frequence_allele(unsigned k) const;

    // Frequency of the unordered genotype (i, j) among the N individuals.
    double frequence_genotype(unsigned i, unsigned j) const;

    // How close the genotypes are to Hardy-Weinberg proportions: 100 for an
    // empty population, 99 for exact proportions, negative far from them.
    int indice_panmixie() const;

    const std::vector<Tindividu>& contenu() const { return individus; }

    bool operator==(const Tpopulation& autre) const { return individus == autre.individus; }
    bool operator!=(const Tpopulation& autre) const { return !(*this == autre); }

private:
    std::vector<Tindividu> individus;
};

template <class Generateur>
void Tpopulation::remplace_melange(Generateur& g, const Tindividu* source, unsigned n,
                                   std::vector<std::uint32_t>& ordre) {
    ordre.resize(n);
    for (std::uint32_t t = 0; t < n; ++t) {
        ordre[t] = g.tire(n - t);
    }
    positions_tirees(ordre);
    individus.resize(n);
    for (std::uint32_t t = 0; t < n; ++t) {
        individus[t] = source[ordre[t]];
    }
}

// The current generation of the process.
extern Tpopulation population;

// The table of T = `resolution` allele numbers from which the initial alleles
// are drawn: each allele fills (its frequency x T, truncated) entries in turn,
// entries left over keep allele 0, and nothing is written past the end.
std::vector<std::uint32_t> table_alleles_initiaux();
std::vector<std::uint32_t> table_alleles_initiaux(Tparametres_mesure& parametres);

// Replaces `population` with a first generation of `effectif_min` individuals
// drawn from `parametres`, then shuffles it.
void cree_population_initiale();
