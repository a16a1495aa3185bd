#pragma once

// The process-wide objects, constructed before the first window in this
// order and destroyed in reverse at exit.
#include "chart/graphique.h"
#include "model/parametres.h"
#include "model/population.h"

extern Tgraphique graphique_frequences;
extern Tgraphique graphique_effectif;
