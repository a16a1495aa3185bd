#include "model/parametres.h"

#include <cstddef>

namespace {

float entree(const std::vector<float>& valeurs, std::size_t i) {
    return i < valeurs.size() ? valeurs[i] : 0.0f;
}

} // namespace

Tparametres_mesure::Tparametres_mesure() {
    ajuste();
}

Tparametres_mesure& Tparametres_mesure::ajuste() {
    if (frequences.size() == nb_alleles) {
        return *this;
    }
    const float part = static_cast<float>(1.0 / nb_alleles);
    frequences.assign(nb_alleles, part);
    if (letalites.size() < nb_alleles) {
        letalites.resize(nb_alleles, 0.0f);
    }
    return *this;
}

bool Tparametres_mesure::fixe_frequence(unsigned i, float v) {
    if (!(v >= 0.0f && v <= 1.0f) || i >= nb_alleles || i >= frequences.size()) {
        return false;
    }
    const std::size_t n = frequences.size();
    float somme_autres = 0.0f;
    for (std::size_t j = 0; j < n; ++j) {
        if (j != i) {
            somme_autres += frequences[j];
        }
    }
    const double reste = 1.0 - static_cast<double>(v);
    for (std::size_t j = 0; j < n; ++j) {
        if (j == i) {
            continue;
        }
        if (somme_autres > 0.0f) {
            frequences[j] = static_cast<float>(static_cast<double>(frequences[j]) * reste /
                                               static_cast<double>(somme_autres));
        } else {
            frequences[j] = static_cast<float>(reste / static_cast<double>(n - 1));
        }
    }
    frequences[i] = v;
    return true;
}

float Tparametres_mesure::frequence(unsigned i) const {
    return i < nb_alleles ? entree(frequences, i) : 0.0f;
}

float Tparametres_mesure::letalite(unsigned i) const {
    return entree(letalites, i);
}

bool Tparametres_mesure::operator==(const Tparametres_mesure& autre) const {
    if (nb_alleles != autre.nb_alleles || effectif_min != autre.effectif_min ||
        effectif_max != autre.effectif_max || nb_generations != autre.nb_generations ||
        fecondite != autre.fecondite) {
        return false;
    }
    for (std::size_t i = 0; i < nb_alleles; ++i) {
        if (entree(frequences, i) != entree(autre.frequences, i) ||
            entree(letalites, i) != entree(autre.letalites, i)) {
            return false;
        }
    }
    return true;
}

bool Tparametres_mesure::a_change() const {
    static Tparametres_mesure vus;
    if (*this == vus) {
        return false;
    }
    vus = *this;
    return true;
}
