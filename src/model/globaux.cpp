// The process-wide parameters and population, defined here in the order of
// their construction so that they are destroyed in reverse at exit. The two
// charts, which the windows draw, are defined with them (ui/graphiques.cpp);
// no constructor or destructor of these objects uses another.
#include "model/options_mesure.h"
#include "model/parametres.h"
#include "model/population.h"

Tparametres_mesure parametres;
Tpopulation population;
Toptions_mesure options_mesure;
