#include "model/simulation.h"

#include "chart/graphique.h"
#include "model/generation.h"
#include "model/globaux.h"
#include "model/population.h"

#include <cstdint>
#include <utility>

bool mesure_en_cours = false;

namespace {

Tfenetre_simulation fenetre;
std::uint32_t compteur_une_fois_sur = 0;

void rafraichit_fenetre() {
    if (fenetre.rafraichit) {
        fenetre.rafraichit();
    }
}

bool laisse_passer_messages() {
    return !fenetre.traite_messages || fenetre.traite_messages();
}

bool echap_presse() {
    return fenetre.echap && fenetre.echap();
}

void enregistre_generation(std::uint32_t g) {
    const auto x = static_cast<std::int32_t>(g);
    graphique_effectif.ajoute_point(0, x, static_cast<float>(population.taille()));
    for (unsigned l = 0; l < graphique_frequences.nb_series(); ++l) {
        const float valeur = population.frequence_allele(l) * 100.0f;
        graphique_frequences.ajoute_point(static_cast<std::int32_t>(l), x, valeur);
    }
}

} // namespace

void attache_fenetre_simulation(Tfenetre_simulation f) {
    fenetre = std::move(f);
}

bool une_fois_sur(unsigned n) {
    ++compteur_une_fois_sur;
    if (compteur_une_fois_sur > n) {
        compteur_une_fois_sur = 0;
    }
    return compteur_une_fois_sur == 0;
}

void lance_simulation() {
    cree_population_initiale();
    mesure_en_cours = true;
    rafraichit_fenetre();
    graphique_frequences.trace(false);
    graphique_effectif.trace(false);

    for (std::uint32_t g = 0; g < parametres.nb_generations; ++g) {
        if (g % 10 == 0 && !laisse_passer_messages()) {
            break;
        }
        generation_suivante();
        enregistre_generation(g);
        graphique_effectif.trace(true);
        graphique_frequences.trace(true);
        if (une_fois_sur(10) && fenetre.fixe_panmixie) {
            fenetre.fixe_panmixie(population.indice_panmixie());
        }
        if (echap_presse()) {
            g = parametres.nb_generations;
        }
    }

    mesure_en_cours = false;
    rafraichit_fenetre();
}
