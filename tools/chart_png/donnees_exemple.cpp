// STAND-IN DATA SOURCE, not the model: a plain Wright-Fisher drift with a
// population that grows towards its cap, from a fixed seed, so that the charts
// have something that looks like a run. To be replaced by the model's
// generation cycle once it is available.
#include "donnees_exemple.h"

#include <algorithm>
#include <random>

void run_exemple(unsigned nb_alleles, unsigned nb_generations, std::int32_t effectif_max,
                 const std::function<void(std::int32_t g, const Generation_exemple&)>& recoit) {
    std::mt19937 hasard(20090208u);
    Generation_exemple generation;
    generation.effectif = 300;
    generation.frequences.assign(nb_alleles, 1.0f / static_cast<float>(nb_alleles));
    for (unsigned g = 0; g < nb_generations; ++g) {
        // Growth by a mean of 2.1 children per couple, up to the cap.
        std::poisson_distribution<std::int32_t> enfants(generation.effectif * 1.05);
        generation.effectif = std::min(effectif_max, std::max(2, enfants(hasard)));
        // Each of the 2N gene copies drawn from the parents' pool.
        int restant = 2 * generation.effectif;
        float reste = 1.0f;
        std::vector<float> suivantes(nb_alleles, 0.0f);
        for (unsigned a = 0; a < nb_alleles; ++a) {
            const double p =
                reste > 0.0f ? std::min(1.0, static_cast<double>(generation.frequences[a] / reste))
                             : 0.0;
            const int tires =
                a + 1 == nb_alleles ? restant : std::binomial_distribution<int>(restant, p)(hasard);
            suivantes[a] = static_cast<float>(tires) / static_cast<float>(2 * generation.effectif);
            restant -= tires;
            reste -= generation.frequences[a];
        }
        generation.frequences = suivantes;
        recoit(static_cast<std::int32_t>(g), generation);
    }
}
