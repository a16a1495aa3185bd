#pragma once

#include "chart/surface.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The points of one series: value by x (the generation), in ascending order of
// x. The entry with the greatest x is the last value, the one the legend shows.
using Tvaleurs = std::map<std::int32_t, std::int32_t>;

// One series of a chart: its legend name, the colour of its curve and legend
// box, and its points. Copied by value, points included.
struct Tserie {
    std::string nom;
    Tcouleur couleur = 0;
    Tvaleurs valeurs;
};

// The series of a chart, addressed by their index (their order of addition).
using Tseries = std::vector<Tserie>;

// Default look of one allele series: its name (a translator key) and colour.
struct Taspect_serie {
    std::string nom;
    Tcouleur couleur = 0;
};

// Default look of the allele series, entry i for allele i + 1.
class Tseries_aspect {
public:
    std::vector<Taspect_serie> aspects;

    Tseries_aspect();

    // Entry i; an index past the last entry throws std::out_of_range.
    const Taspect_serie& operator[](std::size_t i) const { return aspects.at(i); }
    std::size_t size() const { return aspects.size(); }
};
