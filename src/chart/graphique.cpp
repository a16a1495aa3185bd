#include "chart/graphique.h"

#include "i18n/traducteur.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

// Truncation toward zero to a 32-bit integer; values beyond the integer range
// stay at its ends.
std::int32_t tronque(float valeur) {
    constexpr float plafond = 2147483648.0f; // 2^31, the first float above the range
    if (valeur >= plafond) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (valeur < -plafond) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(valeur);
}

} // namespace

bool Tgraphique::ajoute_serie(std::string nom, Tcouleur couleur) {
    if (nom.empty()) {
        nom = Traducteur().traduit("sans titre");
    }
    const bool place = static_cast<std::int64_t>(series.size()) < nb_series_max;
    const Tserie serie{std::move(nom), couleur, Tvaleurs{}, std::nullopt};
    if (place) {
        series.push_back(serie);
    }
    return place;
}

bool Tgraphique::modifie_serie(const std::string& nom, Tcouleur couleur, std::size_t i) {
    if (i >= series.size()) {
        return false;
    }
    series[i].nom = nom;
    series[i].couleur = couleur;
    return true;
}

bool Tgraphique::supprime_serie(std::size_t i) {
    if (i >= series.size()) {
        return false;
    }
    series.erase(series.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

bool Tgraphique::supprime_series() {
    const bool il_y_en_avait = !series.empty();
    while (!series.empty()) {
        supprime_serie(0);
    }
    return il_y_en_avait;
}

bool Tgraphique::est_vide() const {
    return series.empty();
}

std::size_t Tgraphique::nb_series() const {
    return series.size();
}

bool Tgraphique::ajoute_point(std::int32_t i, std::int32_t x, float valeur) {
    if (x >= x_limite || i < 0 || static_cast<std::size_t>(i) >= series.size()) {
        return false;
    }
    if (std::isnan(valeur)) {
        return false; // no value to store
    }
    series[static_cast<std::size_t>(i)].valeurs.fixe(x, tronque(valeur));
    return true;
}

void Tgraphique::efface_valeurs() {
    for (Tserie& serie : series) {
        serie.valeurs.clear();
    }
}

bool Tgraphique::ajoute_point_courbe(std::size_t i, std::int32_t x, float valeur) {
    if (x >= x_limite || i >= courbes.size() || std::isnan(valeur)) {
        return false;
    }
    courbes[i].valeurs.fixe(x, tronque(valeur));
    return true;
}

void Tgraphique::attache_ecran(Tsurface& surface) {
    ecran = &surface;
}
