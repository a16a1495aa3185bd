#include "chart/nombre.h"

std::string format_diese(std::int32_t valeur) {
    if (valeur == 0) {
        return {};
    }
    return std::to_string(valeur);
}
