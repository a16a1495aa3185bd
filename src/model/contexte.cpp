#include "model/contexte.h"

#include <utility>

struct Tcontexte_mesure::Tpropre {
    Tparametres_mesure parametres;
    Tpopulation population;
    Thasard hasard;
    Ttable_descendants table;
};

Tcontexte_mesure::Tcontexte_mesure(const Tparametres_mesure& parametres, std::uint64_t graine)
    : propre(std::make_unique<Tpropre>(Tpropre{parametres, {}, Thasard(graine), {}})),
      parametres_(&propre->parametres), population_(&propre->population), hasard_(&propre->hasard),
      table_(&propre->table), tampons_(std::make_unique<Ttampons_generation>()) {
    table_->taille = parametres_->resolution;
    table_->nombres.assign(table_->taille, 0);
}

Tcontexte_mesure::Tcontexte_mesure(Tparametres_mesure& parametres, Tpopulation& population,
                                   Thasard& hasard, Ttable_descendants& table)
    : parametres_(&parametres), population_(&population), hasard_(&hasard), table_(&table),
      tampons_(std::make_unique<Ttampons_generation>()) {}

Tcontexte_mesure::Tcontexte_mesure(Tcontexte_mesure&&) noexcept = default;
Tcontexte_mesure& Tcontexte_mesure::operator=(Tcontexte_mesure&&) noexcept = default;
Tcontexte_mesure::~Tcontexte_mesure() = default;

Tcontexte_mesure& contexte_global() {
    // Built on first use, after the process-wide objects: destroyed before them.
    static Tcontexte_mesure contexte(parametres, population, hasard, table_descendants_globale());
    return contexte;
}
