#include "ui/graphiques.h"

#include "model/options_mesure.h"
#include "model/theorie.h"

#include <cstdint>
#include <string>

Tgraphique graphique_frequences;
Tgraphique graphique_effectif;
Tgraphique graphique_heterozygotie;
Taffichage affichage;

namespace {

// The curves after the series: first the populations', then the theory's.
// Those of the theory are kept apart so that the switch can add or take them.
void fixe_theorie(std::size_t premiere, const std::vector<unsigned>& alleles,
                  const std::vector<std::array<double, nb_alleles_maximal>>& valeurs,
                  std::int32_t jusqua) {
    std::vector<Tcourbe>& courbes = graphique_frequences.courbes;
    const std::size_t voulu = affichage.theorie ? premiere + alleles.size() : premiere;
    if (courbes.size() == voulu) {
        return; // in step: each generation adds its point
    }
    courbes.resize(premiere);
    if (!affichage.theorie) {
        return;
    }
    const Tseries_aspect aspect;
    for (const unsigned a : alleles) {
        Tcourbe c;
        c.couleur = a < aspect.size() ? aspect[a].couleur : 0;
        c.pointillee = true;
        courbes.push_back(std::move(c));
        for (std::int32_t g = 0; g <= jusqua && static_cast<std::size_t>(g) < valeurs.size(); ++g) {
            graphique_frequences.ajoute_point_courbe(
                courbes.size() - 1, g,
                static_cast<float>(100.0 * valeurs[static_cast<std::size_t>(g)][a]));
        }
    }
}

// Adds generation g of the theory to its curves, when they are shown.
void prolonge_theorie(std::size_t premiere, const std::vector<unsigned>& alleles,
                      const std::vector<std::array<double, nb_alleles_maximal>>& valeurs,
                      std::int32_t g) {
    if (!affichage.theorie || static_cast<std::size_t>(g) >= valeurs.size()) {
        return;
    }
    for (std::size_t k = 0; k < alleles.size(); ++k) {
        graphique_frequences.ajoute_point_courbe(
            premiere + k, g,
            static_cast<float>(100.0 * valeurs[static_cast<std::size_t>(g)][alleles[k]]));
    }
}

std::vector<unsigned> tous(unsigned n) {
    std::vector<unsigned> a(n);
    for (unsigned i = 0; i < n; ++i) {
        a[i] = i;
    }
    return a;
}

} // namespace

void Tobservateur_graphiques::synchronise_theorie() {
    fixe_theorie(0, tous(nb_alleles), theorie, derniere);
}

void Tobservateur_graphiques::debut(const Tregistre_mesure& registre) {
    nb_alleles = std::min(registre.nb_alleles(), nb_alleles_maximal);
    theorie = frequences_theoriques(registre.parametres, registre.parametres.nb_generations_max);
    derniere = -1;
    graphique_frequences.courbes.clear();
    graphique_effectif.courbes.clear();
    graphique_heterozygotie.courbes.clear();
    synchronise_theorie();
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
    derniere = x;
    prolonge_theorie(0, tous(nb_alleles), theorie, x);
    graphique_effectif.trace(true);
    graphique_frequences.trace(true);
    graphique_heterozygotie.trace(true);
}

void legende_replicats(const Traducteur& t, const std::array<std::uint32_t, 4>& comptes) {
    // Short enough for the legend's column.
    static const char* const noms[] = {"Fixé", "Perdu", "Ségrégation", "Éteintes"};
    static const Tcouleur couleurs[] = {0x008000, 0x0000FF, 0xFF0000, 0x808080};
    Tgraphique& g = graphique_frequences;
    if (g.nb_series() != 4) {
        g.supprime_series();
    }
    for (unsigned i = 0; i < 4; ++i) {
        if (!g.modifie_serie(t.traduit(noms[i]), couleurs[i], i)) {
            g.ajoute_serie(t.traduit(noms[i]), couleurs[i]);
        }
        const std::string texte = std::to_string(comptes[i]);
        if (g.series[i].legende != texte) {
            g.series[i].legende = texte;
        }
    }
}

void Tobservateur_replicats::synchronise_theorie() {
    fixe_theorie(nombre, {allele}, theorie, derniere);
}

void Tobservateur_replicats::debut(const std::vector<const Tregistre_mesure*>& registres) {
    nombre = registres.size();
    allele = registres.empty()
                 ? 0
                 : std::min(options_mesure.allele_suivi, registres.front()->nb_alleles() - 1);
    theorie = registres.empty()
                  ? decltype(theorie){}
                  : frequences_theoriques(registres.front()->parametres,
                                          registres.front()->parametres.nb_generations_max);
    derniere = -1;
    derives.assign(nombre, 0.0);
    precedentes.assign(nombre, {});
    for (std::size_t r = 0; r < nombre; ++r) {
        precedentes[r] = registres[r]->fondateurs;
        derives[r] = precedentes[r].heterozygotie_attendue();
    }
    for (Tgraphique* g : {&graphique_frequences, &graphique_effectif}) {
        g->courbes.assign(nombre, {});
        for (std::size_t r = 0; r < nombre; ++r) {
            g->courbes[r].couleur = couleur_replicat(static_cast<std::uint32_t>(r));
        }
    }
    graphique_heterozygotie.courbes.clear();
    graphique_heterozygotie.efface_valeurs();
    synchronise_theorie();
    graphique_frequences.trace(false);
    graphique_effectif.trace(false);
    graphique_heterozygotie.trace(false);
}

void Tobservateur_replicats::generation(const std::vector<const Tregistre_mesure*>& registres,
                                        std::int32_t g) {
    double somme_observee = 0.0;
    double somme_attendue = 0.0;
    double somme_derive = 0.0;
    double tailles = 0.0;
    int vivantes = 0;
    for (std::size_t r = 0; r < nombre && r < registres.size(); ++r) {
        const Tetat_generation& e = registres[r]->generations[static_cast<std::size_t>(g)];
        const double ne = precedentes[r].effectif_efficace();
        derives[r] = ne > 0 ? derives[r] * (1.0 - 1.0 / (2.0 * ne)) : 0.0;
        precedentes[r] = e;
        graphique_effectif.ajoute_point_courbe(r, g, static_cast<float>(e.taille));
        if (e.taille == 0) {
            continue; // its frequency curve stops where it died
        }
        graphique_frequences.ajoute_point_courbe(r, g, e.frequence(allele) * 100.0f);
        ++vivantes;
        tailles += e.taille;
        somme_observee += e.heterozygotie_observee();
        somme_attendue += e.heterozygotie_attendue();
        somme_derive += derives[r];
    }
    if (vivantes > 0) {
        const double n = vivantes;
        graphique_heterozygotie.ajoute_point(h_observee, g,
                                             static_cast<float>(100.0 * somme_observee / n));
        graphique_heterozygotie.ajoute_point(h_attendue, g,
                                             static_cast<float>(100.0 * somme_attendue / n));
        graphique_heterozygotie.ajoute_point(h_derive, g,
                                             static_cast<float>(100.0 * somme_derive / n));
        if (graphique_effectif.nb_series() > 0) {
            graphique_effectif.series[0].legende = std::to_string(static_cast<long>(tailles / n));
        }
    }
    std::array<std::uint32_t, 4> comptes{};
    for (std::size_t r = 0; r < nombre && r < registres.size(); ++r) {
        const Tetat_generation& e = registres[r]->generations[static_cast<std::size_t>(g)];
        const std::uint32_t copies = e.alleles[allele];
        const unsigned sort = e.taille == 0 ? 3 : copies == 0 ? 1 : copies == 2 * e.taille ? 0 : 2;
        ++comptes[sort];
    }
    legende_replicats(Traducteur(), comptes);
    derniere = g;
    prolonge_theorie(nombre, {allele}, theorie, g);
    graphique_effectif.trace(true);
    graphique_frequences.trace(true);
    graphique_heterozygotie.trace(true);
}

void Tobservateur_replicats::fin(const std::vector<const Tregistre_mesure*>& registres) {
    if (a_la_fin) {
        a_la_fin(registres);
    }
}
