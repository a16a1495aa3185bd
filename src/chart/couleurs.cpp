// Colours of replicate curves.
#include "chart/graphique.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// sRGB component (0 to 1) to linear light and back.
double lineaire(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double encode(double l) {
    return l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055;
}

} // namespace

// Hues walk by the golden ratio over three bands of the colour circle, which
// leave out red, yellow (the axes), green and blue: two neighbours stand
// about half the bands apart. Each colour is then brought to one of two
// luminances, in turn, both dark enough to stand out on silver.
Tcouleur couleur_replicat(std::uint32_t r) {
    struct Tbande {
        double debut, fin; // degrees
    };
    constexpr std::array<Tbande, 3> bandes{{{20, 40}, {160, 215}, {265, 340}}};
    constexpr std::array<double, 2> luminances{0.12, 0.05};
    double etendue = 0;
    for (const Tbande& b : bandes) {
        etendue += b.fin - b.debut;
    }
    double position = std::fmod(r * 0.6180339887498949, 1.0) * etendue;
    double teinte = bandes.back().fin;
    for (const Tbande& b : bandes) {
        if (position < b.fin - b.debut) {
            teinte = b.debut + position;
            break;
        }
        position -= b.fin - b.debut;
    }
    // The hue at full saturation and value, in linear light.
    std::array<double, 3> c{};
    for (int i = 0; i < 3; ++i) {
        // Red, green, blue: 1 within 60 degrees of their hue, 0 beyond 120.
        const double centre = 120.0 * i;
        const double ecart = std::abs(std::remainder(teinte - centre, 360.0));
        c[static_cast<std::size_t>(i)] = lineaire(std::clamp(2.0 - ecart / 60.0, 0.0, 1.0));
    }
    const auto luminance = [](const std::array<double, 3>& v) {
        return 0.2126 * v[0] + 0.7152 * v[1] + 0.0722 * v[2];
    };
    const double cible = luminances[r % luminances.size()];
    const double y = luminance(c);
    for (double& v : c) {
        // Darkened, or lightened towards white where the hue is too dark.
        v = y >= cible ? v * cible / y : v + (cible - y) / (1.0 - y) * (1.0 - v);
    }
    Tcouleur couleur = 0;
    for (int i = 0; i < 3; ++i) {
        const long octet = std::lround(encode(c[static_cast<std::size_t>(i)]) * 255.0);
        couleur |= static_cast<Tcouleur>(std::clamp(octet, 0L, 255L)) << (8 * i);
    }
    return couleur;
}
