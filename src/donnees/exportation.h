#pragma once

#include "model/registre.h"

#include <string>
#include <vector>

// The rows of these runs, one header then every generation of each in turn,
// with the columns of quorvel-sim's CSV, in a file saved whole or not at all.
// Throws Tfichier_atomique::Terreur when the file cannot be written; writes
// nothing without a run.
void exporte_csv(const std::string& chemin, const std::vector<const Tregistre_mesure*>& registres);
