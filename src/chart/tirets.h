#pragma once

#include "chart/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

// Dashes of a dashed curve, in pixels painted along it: so many on, then off
// up to the pattern's length, the pattern running on from one piece of the
// curve to the next.
constexpr std::int64_t tiret = 5;
constexpr std::int64_t periode_tirets = 8;
// Longest piece cut into dashes; a longer one (far off the surface) is drawn
// whole.
constexpr std::int64_t longueur_max_tirets = longueur_max_trait;

// Pixels a line from (ax, ay) to (bx, by) paints: one per step along its
// longer side.
inline std::int64_t longueur_trait(int ax, int ay, int bx, int by) {
    return std::max(std::llabs(static_cast<long long>(bx) - ax),
                    std::llabs(static_cast<long long>(by) - ay));
}

// Calls `trait(x0, y0, x1, y1)` for each dash of a piece from (ax, ay) to
// (bx, by) whose first pixel is at `phase` in the pattern. A dash is a shorter
// line between points of the piece, so it paints nothing outside the piece's
// rectangle, and never the piece's end pixel.
template <typename F>
void tirets(int ax, int ay, int bx, int by, std::int64_t phase, F&& trait) {
    const std::int64_t l = longueur_trait(ax, ay, bx, by);
    if (l > longueur_max_tirets) {
        trait(ax, ay, bx, by);
        return;
    }
    // The k-th pixel along the piece, rounded to the nearest.
    const auto x = [&](std::int64_t k) {
        return ax + static_cast<int>(std::lround(static_cast<double>(k) / static_cast<double>(l) *
                                                 (static_cast<double>(bx) - ax)));
    };
    const auto y = [&](std::int64_t k) {
        return ay + static_cast<int>(std::lround(static_cast<double>(k) / static_cast<double>(l) *
                                                 (static_cast<double>(by) - ay)));
    };
    for (std::int64_t k = 0; k < l;) {
        const std::int64_t p = (phase + k) % periode_tirets;
        if (p >= tiret) {
            k += periode_tirets - p;
            continue;
        }
        const std::int64_t fin = std::min(l, k + tiret - p);
        if (fin == l) {
            trait(x(k), y(k), bx, by);
        } else {
            trait(x(k), y(k), x(fin), y(fin));
        }
        k = fin;
    }
}
