#pragma once

// The two process-wide charts and the observer that feeds them from a run's
// record. Plain C++: no Qt here.
#include "chart/graphique.h"
#include "model/mesure.h"

extern Tgraphique graphique_frequences;
extern Tgraphique graphique_effectif;
// Shown instead of the size chart when asked for: the heterozygosity observed,
// the one Hardy-Weinberg proportions would give, and the one drift alone
// would leave, in percent.
extern Tgraphique graphique_heterozygotie;

// What the charts show besides the run's own curves, switched from the menu.
struct Taffichage {
    bool theorie = false;       // the dashed curves of an infinite population
    bool heterozygotie = false; // the heterozygosity chart instead of the size chart
};
extern Taffichage affichage;

// The series of the heterozygosity chart, in this order.
enum Tserie_heterozygotie : unsigned { h_observee = 0, h_attendue = 1, h_derive = 2 };

// Draws a run on the two charts: both in full when it starts; after each
// generation its size and every allele frequency (x 100) as points, then an
// update of both charts.
class Tobservateur_graphiques : public Tobservateur_mesure {
public:
    void debut(const Tregistre_mesure& registre) override;
    void generation(const Tregistre_mesure& registre, const Tetat_generation& etat) override;

private:
    double derive = 0.0;         // the heterozygosity drift alone leaves, so far
    Tetat_generation precedente; // the parents of the next generation
};
