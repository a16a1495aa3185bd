#pragma once

#include <map>
#include <string>

// The English text of every French key added since the first table of the
// translator (which keeps its own entries): built once, never changed, read
// by every translator.
const std::map<std::string, std::string>& textes_ajoutes();
