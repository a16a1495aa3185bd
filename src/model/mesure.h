#pragma once

#include "model/contexte.h"
#include "model/registre.h"

#include <cstdint>
#include <memory>
#include <utility>

// Told of each step of a run: the window's observer draws, the command line's
// writes rows, a test's keeps what it sees.
class Tobservateur_mesure {
public:
    virtual ~Tobservateur_mesure() = default;
    // The founders are in the record; no generation yet.
    virtual void debut(const Tregistre_mesure& /*registre*/) {}
    // A generation was added to the record.
    virtual void generation(const Tregistre_mesure& /*registre*/,
                            const Tetat_generation& /*etat*/) {}
    // The run is over (at its end, or stopped).
    virtual void fin(const Tregistre_mesure& /*registre*/) {}
};

// One run: a context, the generations made so far and their record.
class Tmesure {
public:
    // Replicate `replicat` of the runs of seed `graine`: a copy of the
    // parameters and a generator seeded with graine_replicat(graine, replicat).
    // A single run is replicate 0.
    Tmesure(const Tparametres_mesure& parametres, std::uint64_t graine, std::uint64_t replicat = 0);

    // A run on a context that outlives it (the process-wide one, whose
    // parameters may change between two generations). Its record says seed 0.
    explicit Tmesure(Tcontexte_mesure& contexte);

    // A fresh initial population, recorded as the founders; the record's
    // generations are emptied.
    void commence();

    // The seed the record names (a run on the process-wide context seeds the
    // process's generator itself).
    void fixe_graine(std::uint64_t graine) { registre_.graine = graine; }

    // One generation more, recorded; answers its state. The record's storage
    // does not move while the run stays within the largest number of
    // generations of its parameters.
    const Tetat_generation& avance();

    // The generations made since commence().
    std::uint32_t nb_generations_faites() const {
        return static_cast<std::uint32_t>(registre_.generations.size());
    }

    // Whether the run has made the number of generations its parameters ask
    // for (read now, so that a change takes effect at once).
    bool finie() const { return nb_generations_faites() >= contexte_->parametres().nb_generations; }

    const Tregistre_mesure& registre() const { return registre_; }

    // The record, taken away: the run is over.
    Tregistre_mesure prend_registre() { return std::move(registre_); }
    Tcontexte_mesure& contexte() { return *contexte_; }

private:
    std::unique_ptr<Tcontexte_mesure> propre;
    Tcontexte_mesure* contexte_;
    Tregistre_mesure registre_;
};
