#pragma once

// The two process-wide charts and the observer that feeds them from a run's
// record. Plain C++: no Qt here.
#include "chart/graphique.h"
#include "i18n/traducteur.h"
#include "model/lot.h"
#include "model/mesure.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

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
    bool replicats = false;     // the charts show several populations
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
    // The theory curves follow the switch (the window's refresh calls it).
    void synchronise_theorie();

private:
    double derive = 0.0;         // the heterozygosity drift alone leaves, so far
    Tetat_generation precedente; // the parents of the next generation
    std::vector<std::array<double, nb_alleles_maximal>> theorie;
    unsigned nb_alleles = 0;
    std::int32_t derniere = -1; // the last generation shown
};

// Draws several populations as they go: per population a curve of the allele
// followed and a curve of the size; the fates of that allele in the legend
// boxes (set by the window's refresh from the run's balance); on the
// heterozygosity chart the means over the living populations.
class Tobservateur_replicats : public Tobservateur_lot {
public:
    void debut(const std::vector<const Tregistre_mesure*>& registres) override;
    void generation(const std::vector<const Tregistre_mesure*>& registres, std::int32_t g) override;
    void fin(const std::vector<const Tregistre_mesure*>& registres) override;
    void synchronise_theorie();

    // Called at the end of a run (the window shows its summary).
    std::function<void(const std::vector<const Tregistre_mesure*>&)> a_la_fin;

private:
    std::vector<double> derives; // per population, what drift alone leaves
    std::vector<Tetat_generation> precedentes;
    std::vector<std::array<double, nb_alleles_maximal>> theorie;
    std::uint32_t allele = 0;
    std::size_t nombre = 0;
    std::int32_t derniere = -1;
};

// The frequency chart's legend with several populations: what became of the
// allele followed, in the current language. `comptes`: fixed, lost,
// segregating, extinct.
void legende_replicats(const Traducteur& t, const std::array<std::uint32_t, 4>& comptes);
