#pragma once

#include <cstdint>

// A real count truncated toward zero, kept within 0 .. plafond (a negative or
// undefined value gives 0), so that filling a table never runs past its end.
inline std::uint32_t compte_tronque(double valeur, std::uint32_t plafond) {
    if (!(valeur > 0.0)) {
        return 0;
    }
    if (valeur >= static_cast<double>(plafond)) {
        return plafond;
    }
    return static_cast<std::uint32_t>(valeur);
}
