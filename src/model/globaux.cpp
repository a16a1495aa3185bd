// The process-wide objects, defined here in the order of their construction
// so that they are destroyed in reverse at exit.
#include "model/parametres.h"
#include "model/population.h"

Tparametres_mesure parametres;
Tpopulation population;
