#include "model/population.h"

#include "model/contexte.h"
#include "model/hasard.h"
#include "model/tronque.h"

#include <algorithm>
#include <cmath>

float Tpopulation::frequence_allele(unsigned k) const {
    float copies = 0.0f;
    for (const Tindividu& x : individus) {
        copies += static_cast<float>((x.allele1 == k ? 1 : 0) + (x.allele2 == k ? 1 : 0));
    }
    return static_cast<float>(copies / (2.0 * taille() + 0.0001));
}

double Tpopulation::frequence_genotype(unsigned i, unsigned j) const {
    float nombre = 0.0f;
    for (const Tindividu& x : individus) {
        if ((x.allele1 == i && x.allele2 == j) || (x.allele1 == j && x.allele2 == i)) {
            nombre += 1.0f;
        }
    }
    return nombre / (taille() + 0.0001);
}

int Tpopulation::indice_panmixie() const {
    float somme = 0.0f;
    // The allele count is read again at each test: a run lets the control
    // panel change it between two generations.
    for (unsigned i = 0; i < parametres.ajuste().nb_alleles; ++i) {
        for (unsigned j = 0; j < parametres.ajuste().nb_alleles; ++j) {
            const float pi = frequence_allele(i);
            const float pj = frequence_allele(j);
            const float attendu = pi * pj * static_cast<float>(i == j ? 1 : 2);
            const double observe = frequence_genotype(i, j);
            const double ecart = attendu - observe;
            somme = static_cast<float>(somme + ecart * ecart);
        }
    }
    return static_cast<int>(100.0 - 1000.0 * std::sqrt(static_cast<double>(somme)));
}

std::vector<std::uint32_t> table_alleles_initiaux() {
    return table_alleles_initiaux(parametres);
}

std::vector<std::uint32_t> table_alleles_initiaux(Tparametres_mesure& parametres) {
    const std::uint32_t t = parametres.resolution;
    std::vector<std::uint32_t> table(t, 0);
    std::uint32_t position = 0;
    for (std::uint32_t i = 0; i < parametres.ajuste().nb_alleles; ++i) {
        const double produit = static_cast<double>(parametres.frequence(i)) * t;
        const std::uint32_t nombre = compte_tronque(produit, t - position);
        std::fill_n(table.begin() + position, nombre, i);
        position += nombre;
    }
    return table;
}

namespace {

// One entry of the table at a random place (0 if the table is empty).
std::uint32_t tire_dans(Thasard& hasard, const std::vector<std::uint32_t>& table) {
    const std::uint32_t x = hasard.tire(static_cast<std::uint32_t>(table.size()));
    return x < table.size() ? table[x] : 0;
}

} // namespace

void cree_population_initiale(Tcontexte_mesure& c) {
    Tparametres_mesure& parametres = c.parametres();
    Tpopulation& population = c.population();
    Thasard& hasard = c.hasard();
    population.vide();
    const std::vector<std::uint32_t> table = table_alleles_initiaux(parametres);
    const auto t = static_cast<std::uint32_t>(table.size());
    const std::uint32_t nombre = parametres.effectif_min;
    for (std::uint32_t n = 0; n < nombre; ++n) {
        Tindividu nouveau;
        nouveau.allele1 = tire_dans(hasard, table);
        nouveau.allele2 = tire_dans(hasard, table);
        nouveau.vivant = true;
        nouveau.sexe = hasard.tire(t) < t / 2; // exactly one half for an even T
        population.ajoute(nouveau, parametres.effectif_max);
    }
    population.melange_avec(hasard);
}

void cree_population_initiale() {
    cree_population_initiale(contexte_global());
}
