#include "model/bornes.h"

#include <algorithm>

namespace {

std::uint32_t entre(std::int64_t valeur, std::int64_t bas, std::int64_t haut) {
    return static_cast<std::uint32_t>(std::clamp(valeur, bas, std::max(bas, haut)));
}

} // namespace

std::uint32_t borne_nb_alleles(std::int64_t demande) {
    return entre(demande, 2, 4);
}

std::uint32_t borne_nb_generations(const Tparametres_mesure& p, std::int64_t demande) {
    return entre(demande, 10, p.nb_generations_max);
}

std::uint32_t borne_effectif_max(const Tparametres_mesure& p, std::int64_t demande) {
    const std::int64_t plafond = p.effectif_plafond;
    return static_cast<std::uint32_t>(std::max<std::int64_t>(
        {10, std::clamp<std::int64_t>(demande, 0, plafond), p.effectif_min}));
}

std::uint32_t borne_effectif_min(const Tparametres_mesure& p, std::int64_t demande) {
    const std::int64_t plafond = p.effectif_plafond;
    const std::int64_t haut = std::min<std::int64_t>(plafond, p.effectif_max);
    return static_cast<std::uint32_t>(std::max<std::int64_t>(
        p.effectif_plancher, std::min(std::clamp<std::int64_t>(demande, 0, plafond), haut)));
}

std::int64_t borne_centiemes_fecondite(const Tparametres_mesure& p, std::int64_t centiemes) {
    const auto bas = static_cast<std::int64_t>(static_cast<double>(p.fecondite_min) * 100.0);
    const auto haut = static_cast<std::int64_t>(static_cast<double>(p.fecondite_max) * 100.0);
    return std::clamp(centiemes, bas, std::max(bas, haut));
}

float fecondite_de_centiemes(std::int64_t centiemes) {
    return static_cast<float>(static_cast<double>(centiemes) * 0.01);
}

double borne_pourcentage(double pourcentage) {
    if (!(pourcentage >= 0.0)) {
        return 0.0;
    }
    return std::min(pourcentage, 100.0);
}
