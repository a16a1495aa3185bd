#include "ui/graphiques.h"

#include <cstdint>

Tgraphique graphique_frequences;
Tgraphique graphique_effectif;

void Tobservateur_graphiques::debut(const Tregistre_mesure& /*registre*/) {
    graphique_frequences.trace(false);
    graphique_effectif.trace(false);
}

void Tobservateur_graphiques::generation(const Tregistre_mesure& /*registre*/,
                                         const Tetat_generation& etat) {
    const std::int32_t x = etat.generation;
    graphique_effectif.ajoute_point(0, x, static_cast<float>(etat.taille));
    // The number of series is asked at each pass: a refresh may rebuild them.
    for (unsigned l = 0; l < graphique_frequences.nb_series(); ++l) {
        graphique_frequences.ajoute_point(static_cast<std::int32_t>(l), x,
                                          etat.frequence(l) * 100.0f);
    }
    graphique_effectif.trace(true);
    graphique_frequences.trace(true);
}
