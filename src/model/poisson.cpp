#include "model/generation.h"

#include "model/hasard.h"
#include "model/parametres.h"
#include "model/tronque.h"

#include <algorithm>
#include <cmath>

namespace {

// Built on first use, after the process-wide objects, and so destroyed
// before them at exit.
Ttable_descendants& table() {
    static Ttable_descendants instance = [] {
        Ttable_descendants t;
        t.taille = parametres.resolution;
        t.nombres.assign(t.taille, 0);
        return t;
    }();
    return instance;
}

// Each number of children k fills (proba_poisson(k) x T, as a 32-bit float,
// truncated) entries in turn; the entries no count reaches hold 0, whatever an
// earlier fill left there, so that a draw never depends on earlier runs.
void remplit(Ttable_descendants& t, std::uint32_t resolution, float lambda, unsigned n) {
    t.moyenne = lambda;
    t.taille = resolution;
    t.nombres.assign(t.taille, 0);
    std::uint32_t position = 0;
    for (unsigned k = 0; k <= n; ++k) {
        const auto produit = static_cast<float>(proba_poisson(k, lambda) * t.taille);
        const std::uint32_t nombre = compte_tronque(produit, t.taille - position);
        std::fill_n(t.nombres.begin() + position, nombre, k);
        position += nombre;
    }
}

} // namespace

const Ttable_descendants& table_descendants() {
    return table();
}

Ttable_descendants& table_descendants_globale() {
    return table();
}

const Ttable_descendants& table_descendants_pour(float lambda, unsigned n) {
    return table_descendants_pour(table(), parametres.resolution, lambda, n);
}

const Ttable_descendants& table_descendants_pour(Ttable_descendants& t, std::uint32_t resolution,
                                                 float lambda, unsigned n) {
    if (lambda != t.moyenne || t.taille != resolution) {
        remplit(t, resolution, lambda, n);
    }
    return t;
}

unsigned tirage_poisson(float lambda, unsigned n) {
    return tire_descendants(table_descendants_pour(lambda, n), hasard);
}

double proba_poisson(unsigned k, float lambda) {
    if (lambda == 0.0f && k == 0) {
        return 1.0;
    }
    const double l = lambda;
    return std::pow(l, static_cast<double>(k)) / factorielle(k) * std::pow(2.718281828, -l);
}

double factorielle(unsigned k) {
    if (k <= 1) {
        return 1.0;
    }
    return k * factorielle(k - 1);
}
