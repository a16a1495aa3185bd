#include "model/simulation.h"

#include "model/contexte.h"
#include "model/mesure.h"
#include "model/parametres.h"

#include <cstdint>
#include <utility>

bool mesure_en_cours = false;

namespace {

Tfenetre_simulation fenetre;
std::uint32_t compteur_une_fois_sur = 0;

// The run of the process-wide objects, built on first use.
Tmesure& mesure_globale() {
    static Tmesure mesure(contexte_global());
    return mesure;
}

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

const Tregistre_mesure& registre_simulation() {
    return mesure_globale().registre();
}

void lance_simulation() {
    Tmesure& mesure = mesure_globale();
    mesure.commence();
    mesure_en_cours = true;
    rafraichit_fenetre();
    // The observer is read at each use: a window that closes takes it away.
    if (fenetre.observateur != nullptr) {
        fenetre.observateur->debut(mesure.registre());
    }

    for (std::uint32_t g = 0; g < parametres.nb_generations; ++g) {
        if (g % 10 == 0 && !laisse_passer_messages()) {
            break;
        }
        const Tetat_generation& etat = mesure.avance();
        if (fenetre.observateur != nullptr) {
            fenetre.observateur->generation(mesure.registre(), etat);
        }
        if (une_fois_sur(10) && fenetre.fixe_panmixie) {
            fenetre.fixe_panmixie(etat.indice_panmixie);
        }
        if (echap_presse()) {
            g = parametres.nb_generations;
        }
    }

    mesure_en_cours = false;
    if (fenetre.observateur != nullptr) {
        fenetre.observateur->fin(mesure.registre());
    }
    rafraichit_fenetre();
}
