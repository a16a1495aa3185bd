// The process-wide objects, defined here in the order of their construction
// so that they are destroyed in reverse at exit.
#include "model/globaux.h"

Tgraphique graphique_frequences;
Tgraphique graphique_effectif;
Tparametres_mesure parametres;
Tpopulation population;
