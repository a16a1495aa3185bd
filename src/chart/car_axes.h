#pragma once

#include <cstdint>
#include <string>

// What an axis shows: its label, "titre(unite)", and its range [min, max]
// with one graduation every `pas`.
struct Tcar_axes {
    std::string titre;
    std::string unite;
    std::int32_t max = 100;
    std::int32_t min = 0;
    std::int32_t pas = 10;

    // (max - min) / pas, truncated toward zero; 0 when `pas` is 0.
    std::int32_t nb_graduations() const;

    // A drawable axis: max > min and 1 <= pas <= max - min, so that it has at
    // least one graduation and a scale that never divides by zero.
    bool valide() const;
};
