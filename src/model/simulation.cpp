#include "model/simulation.h"

#include "model/contexte.h"
#include "model/hasard.h"
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

Tmesure& mesure_simulation() {
    return mesure_globale();
}

const Tregistre_mesure& registre_simulation() {
    return mesure_globale().registre();
}

void commence_simulation(std::optional<std::uint64_t> graine) {
    Tmesure& mesure = mesure_globale();
    if (graine) {
        hasard.seme(graine_replicat(*graine, 0));
    }
    mesure.commence();
    mesure.fixe_graine(graine.value_or(0));
    mesure_en_cours = true;
    rafraichit_fenetre();
    // The observer is read at each use: a window that closes takes it away.
    if (fenetre.observateur != nullptr) {
        fenetre.observateur->debut(mesure.registre());
    }
}

namespace {

// One generation, shown; the caller decided that it is due.
void fait_generation(Tmesure& mesure) {
    const Tetat_generation& etat = mesure.avance();
    if (fenetre.observateur != nullptr) {
        fenetre.observateur->generation(mesure.registre(), etat);
    }
    if (une_fois_sur(10) && fenetre.fixe_panmixie) {
        fenetre.fixe_panmixie(etat.indice_panmixie);
    }
}

} // namespace

bool avance_simulation() {
    Tmesure& mesure = mesure_globale();
    if (mesure.finie()) {
        return false;
    }
    fait_generation(mesure);
    return true;
}

Tfin_simulation deroule_simulation() {
    Tmesure& mesure = mesure_globale();
    if (!mesure_en_cours) { // going on after a pause
        mesure_en_cours = true;
        rafraichit_fenetre();
    }
    Tfin_simulation fin = Tfin_simulation::achevee;
    // The number of generations is read at every test: the control panel may
    // change it during the run.
    while (!mesure.finie()) {
        if (mesure.nb_generations_faites() % 10 == 0 && !laisse_passer_messages()) {
            fin = Tfin_simulation::fermeture;
            break;
        }
        // Made even if the events just let through lowered the number of
        // generations: the next test ends the run.
        fait_generation(mesure);
        if (echap_presse()) {
            fin = Tfin_simulation::echap;
            break;
        }
        if (fenetre.suspend && fenetre.suspend()) {
            fin = Tfin_simulation::suspendue;
            break;
        }
    }
    if (fin == Tfin_simulation::suspendue) {
        mesure_en_cours = false;
        rafraichit_fenetre();
    }
    return fin;
}

void termine_simulation() {
    mesure_en_cours = false;
    if (fenetre.observateur != nullptr) {
        fenetre.observateur->fin(mesure_globale().registre());
    }
    rafraichit_fenetre();
}

void lance_simulation() {
    commence_simulation();
    if (deroule_simulation() != Tfin_simulation::suspendue) {
        termine_simulation();
    }
}
