#include "ui/graphiques.h"

#include <cstdint>

Tgraphique graphique_frequences;
Tgraphique graphique_effectif;
Tgraphique graphique_heterozygotie;
Taffichage affichage;

void Tobservateur_graphiques::debut(const Tregistre_mesure& registre) {
    graphique_heterozygotie.efface_valeurs();
    precedente = registre.fondateurs;
    derive = precedente.heterozygotie_attendue();
    graphique_frequences.trace(false);
    graphique_effectif.trace(false);
    graphique_heterozygotie.trace(false);
}

void Tobservateur_graphiques::generation(const Tregistre_mesure& /*registre*/,
                                         const Tetat_generation& etat) {
    const std::int32_t x = etat.generation;
    graphique_effectif.ajoute_point(0, x, static_cast<float>(etat.taille));
    // The number of series is asked at each pass: a refresh may rebuild them.
    // A population that died out has no allele frequencies: its curves stop
    // there instead of falling to 0 as if it had lost every allele.
    for (unsigned l = 0; etat.taille > 0 && l < graphique_frequences.nb_series(); ++l) {
        graphique_frequences.ajoute_point(static_cast<std::int32_t>(l), x,
                                          etat.frequence(l) * 100.0f);
    }
    if (etat.taille > 0) {
        const double ne = precedente.effectif_efficace();
        derive = ne > 0 ? derive * (1.0 - 1.0 / (2.0 * ne)) : 0.0;
        graphique_heterozygotie.ajoute_point(
            h_observee, x, static_cast<float>(100.0 * etat.heterozygotie_observee()));
        graphique_heterozygotie.ajoute_point(
            h_attendue, x, static_cast<float>(100.0 * etat.heterozygotie_attendue()));
        graphique_heterozygotie.ajoute_point(h_derive, x, static_cast<float>(100.0 * derive));
    }
    precedente = etat;
    graphique_effectif.trace(true);
    graphique_frequences.trace(true);
    graphique_heterozygotie.trace(true);
}
