#pragma once

// The two process-wide charts and the observer that feeds them from a run's
// record. Plain C++: no Qt here.
#include "chart/graphique.h"
#include "model/mesure.h"

extern Tgraphique graphique_frequences;
extern Tgraphique graphique_effectif;

// Draws a run on the two charts: both in full when it starts; after each
// generation its size and every allele frequency (x 100) as points, then an
// update of both charts.
class Tobservateur_graphiques : public Tobservateur_mesure {
public:
    void debut(const Tregistre_mesure& registre) override;
    void generation(const Tregistre_mesure& registre, const Tetat_generation& etat) override;
};
