#include "model/mesure.h"

#include <algorithm>
#include <cstddef>

Tmesure::Tmesure(const Tparametres_mesure& parametres, std::uint64_t graine, std::uint64_t replicat)
    : propre(std::make_unique<Tcontexte_mesure>(parametres, graine_replicat(graine, replicat))),
      contexte_(propre.get()) {
    registre_.graine = graine;
    registre_.replicat = replicat;
}

Tmesure::Tmesure(Tcontexte_mesure& contexte) : contexte_(&contexte) {}

void Tmesure::commence() {
    Tparametres_mesure& parametres = contexte_->parametres();
    cree_population_initiale(*contexte_);
    registre_.parametres = parametres;
    registre_.generations.clear();
    // Room for every generation a run may reach: the record never moves, so
    // that the generations already made can be read while the next one is
    // added on another thread.
    registre_.generations.reserve(
        std::max(parametres.nb_generations, parametres.nb_generations_max) + std::size_t{1});
    registre_.fondateurs = etat_de(contexte_->population(), parametres.ajuste().nb_alleles, -1);
}

const Tetat_generation& Tmesure::avance() {
    const unsigned couples = generation_suivante(*contexte_);
    const auto g = static_cast<std::int32_t>(registre_.generations.size());
    registre_.generations.push_back(
        etat_de(contexte_->population(), contexte_->parametres().ajuste().nb_alleles, g, couples));
    return registre_.generations.back();
}
