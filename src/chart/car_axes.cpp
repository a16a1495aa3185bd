#include "chart/car_axes.h"

#include <limits>

namespace {

std::int64_t etendue(const Tcar_axes& axe) {
    return static_cast<std::int64_t>(axe.max) - static_cast<std::int64_t>(axe.min);
}

} // namespace

std::int32_t Tcar_axes::nb_graduations() const {
    if (pas == 0) {
        return 0;
    }
    return static_cast<std::int32_t>(etendue(*this) / pas);
}

bool Tcar_axes::valide() const {
    const std::int64_t e = etendue(*this);
    return e > 0 && e <= std::numeric_limits<std::int32_t>::max() && pas >= 1 && pas <= e;
}
