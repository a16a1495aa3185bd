#pragma once

#include "model/generation.h"
#include "model/hasard.h"
#include "model/parametres.h"
#include "model/population.h"

#include <cstdint>
#include <memory>
#include <vector>

// One couple of a generation: the individual whose turn it was and its mate
// behind it (indices in the population).
struct Tcouple {
    unsigned premier;
    unsigned second;
};

// The working storage of the generation cycle, kept from one generation to
// the next so that its memory is reused.
struct Ttampons_generation {
    std::vector<Tindividu> enfants;
    std::vector<unsigned> libres[2];
    std::vector<Tcouple> couples;
    std::vector<std::uint32_t> ordre;
    Tgenerateur_bloc::Tbloc bloc{};
};

// Everything one run works on: its parameters, its population, its generator,
// its offspring table and its buffers. Two contexts share nothing that
// changes, so that runs on different threads never meet. A context either owns
// these objects or is bound to objects that live elsewhere (the process-wide
// ones, which the control panel changes while a run reads them).
class Tcontexte_mesure {
public:
    // A context of its own: a copy of the parameters, an empty population and
    // a generator seeded with `graine`.
    Tcontexte_mesure(const Tparametres_mesure& parametres, std::uint64_t graine);

    // Bound to objects that outlive it.
    Tcontexte_mesure(Tparametres_mesure& parametres, Tpopulation& population, Thasard& hasard,
                     Ttable_descendants& table);

    Tcontexte_mesure(const Tcontexte_mesure&) = delete;
    Tcontexte_mesure& operator=(const Tcontexte_mesure&) = delete;
    Tcontexte_mesure(Tcontexte_mesure&&) noexcept;
    Tcontexte_mesure& operator=(Tcontexte_mesure&&) noexcept;
    ~Tcontexte_mesure();

    Tparametres_mesure& parametres() const { return *parametres_; }
    Tpopulation& population() const { return *population_; }
    Thasard& hasard() const { return *hasard_; }
    Ttable_descendants& table() const { return *table_; }
    Ttampons_generation& tampons() const { return *tampons_; }

private:
    struct Tpropre;
    std::unique_ptr<Tpropre> propre;
    Tparametres_mesure* parametres_;
    Tpopulation* population_;
    Thasard* hasard_;
    Ttable_descendants* table_;
    std::unique_ptr<Ttampons_generation> tampons_;
};

// The context of the process-wide `parametres`, `population`, `hasard` and
// offspring table: the one the main window's run uses.
Tcontexte_mesure& contexte_global();

// A first generation of `effectif_min` individuals drawn from the context's
// parameters, then shuffled, as cree_population_initiale() does.
void cree_population_initiale(Tcontexte_mesure& contexte);

// The next generation of the context's population, as generation_suivante()
// makes it. Answers the number of couples formed.
unsigned generation_suivante(Tcontexte_mesure& contexte);
