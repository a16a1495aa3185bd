#pragma once

#include <cstdint>
#include <string>

// The value in decimal with no leading zeros, no separators and no decimals,
// like the number pattern "####": 0 gives an empty text.
std::string format_diese(std::int32_t valeur);
