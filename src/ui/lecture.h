#pragma once

#include "model/registre.h"

#include <QString>

#include <cstdint>
#include <vector>

// The values of generation g, as the status bar shows them under the
// pointer: of the one population (each allele's frequency to one decimal, its
// size, its panmixia index), or of several (the mean frequency of the allele
// followed and the mean size over the living ones, and how many live). Only
// the first `montrees` generations of each record are read; empty beyond.
QString texte_valeurs(const std::vector<const Tregistre_mesure*>& registres, std::uint32_t montrees,
                      std::int32_t g, std::uint32_t allele_suivi);
