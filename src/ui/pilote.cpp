#include "ui/pilote.h"

#include "model/options_mesure.h"
#include "model/parametres.h"

#include <QMetaObject>

#include <algorithm>

Tpilote_mesure::Tpilote_mesure(Tvue v, QObject* parent) : QObject(parent), vue(std::move(v)) {
    minuterie.setSingleShot(true);
    connect(&minuterie, &QTimer::timeout, this, &Tpilote_mesure::fait_pas);
}

Tpilote_mesure::~Tpilote_mesure() {
    minuterie.stop();
    // Waits for a step under way (cut short): its end, posted to this object,
    // is dropped with it.
    lot.reset();
}

std::vector<const Tregistre_mesure*> Tpilote_mesure::registres() const {
    if (lot) {
        lot->attend();
        return lot->registres();
    }
    return {&registre_simulation()};
}

std::vector<const Tregistre_mesure*> Tpilote_mesure::registres_montres() const {
    if (lot) {
        return lot->registres();
    }
    return {&registre_simulation()};
}

std::uint32_t Tpilote_mesure::nb_generations_faites() const {
    // With replicates, as shown: a step under way must not be read.
    return lot ? bilan_lot.generations : mesure_simulation().nb_generations_faites();
}

namespace {

// The followed allele's fate and the extinctions, over the first `g`
// generations of each record (those every population has made).
Tbilan_lot bilan_de(const std::vector<const Tregistre_mesure*>& registres, std::uint32_t g,
                    std::uint32_t allele) {
    Tbilan_lot b;
    b.replicats = static_cast<std::uint32_t>(registres.size());
    b.generations = g;
    for (const Tregistre_mesure* r : registres) {
        const Tetat_generation& e = g > 0 ? r->generations[g - 1] : r->fondateurs;
        if (e.taille == 0) {
            ++b.eteintes;
            if (b.replicats == 1) {
                for (std::uint32_t i = 0; i < g; ++i) {
                    if (r->generations[i].taille == 0) {
                        b.generation_extinction = r->generations[i].generation;
                        break;
                    }
                }
            }
        } else if (allele >= nb_alleles_maximal || e.alleles[allele] == 0) {
            ++b.perdus;
        } else if (e.alleles[allele] == 2 * e.taille) {
            ++b.fixes;
        } else {
            ++b.en_segregation;
        }
    }
    return b;
}

} // namespace

Tbilan_lot Tpilote_mesure::bilan() const {
    if (lot) {
        return bilan_lot;
    }
    if (!a_mesure) {
        return {};
    }
    const Tregistre_mesure& r = registre_simulation();
    return bilan_de({&r}, static_cast<std::uint32_t>(r.generations.size()), allele_suivi);
}

void Tpilote_mesure::etablit_bilan() {
    if (lot && !lot->occupe()) {
        bilan_lot = bilan_de(lot->registres(), lot->nb_generations_faites(), allele_suivi);
    }
}

void Tpilote_mesure::change(Tetat nouvel) {
    etat_ = nouvel;
    if (vue.change_etat) {
        vue.change_etat();
    }
}

void Tpilote_mesure::rejoue() {
    demarre(graine_);
}

void Tpilote_mesure::demarre(std::uint64_t graine) {
    minuterie.stop();
    if (vue.avant_mesure) {
        vue.avant_mesure();
    }
    lot.reset();
    graine_ = graine;
    a_mesure = true;
    suspendre = false;
    pas_a_pas = false;
    generations_demandees = parametres.nb_generations;
    // Read once: a change on the panel is for the next run.
    allele_suivi = std::min(options_mesure.allele_suivi, parametres.ajuste().nb_alleles - 1);
    if (options_mesure.replicats <= 1) {
        commence_simulation(graine);
        change(Tetat::en_cours);
        planifie();
        return;
    }
    Tparametres_mesure p = parametres;
    p.ajuste();
    lot = std::make_unique<Tlot_pas_a_pas>(p, graine, options_mesure.replicats, fils_disponibles());
    lot->commence();
    etablit_bilan();
    mesure_en_cours = true;
    if (vue.rafraichit) {
        vue.rafraichit();
    }
    if (vue.observateur_lot != nullptr) {
        vue.observateur_lot->debut(lot->registres());
    }
    change(Tetat::en_cours);
    planifie();
}

// The next step, at the pace asked for.
void Tpilote_mesure::planifie() {
    if (etat_ != Tetat::en_cours || (lot && lot->occupe())) {
        return;
    }
    if (options_mesure.cadence == 0 && !lot) {
        // One population at the fastest pace: the model's own loop, which
        // lets the window's events through every ten generations.
        deroule_au_plus_vite();
        return;
    }
    minuterie.start(options_mesure.cadence == 0 ? 0
                                                : static_cast<int>(1000 / options_mesure.cadence));
}

void Tpilote_mesure::deroule_au_plus_vite() {
    if (etat_ != Tetat::en_cours || lot) {
        return;
    }
    suspendre = false;
    const Tfin_simulation fin = deroule_simulation();
    if (fin != Tfin_simulation::suspendue) {
        finit();
        return;
    }
    suspendre = false;
    if (etat_ == Tetat::en_cours) {
        // Suspended for a change of pace: on with the timer.
        mesure_en_cours = true;
        if (vue.rafraichit) {
            vue.rafraichit();
        }
        planifie();
    }
}

void Tpilote_mesure::fait_pas() {
    depuis_pas.start();
    if (lot) {
        if (lot->occupe()) {
            return;
        }
        Tparametres_mesure p = parametres;
        p.ajuste();
        lot->avance(p, [this] {
            // On a worker thread: the end of the step is shown on this one.
            QMetaObject::invokeMethod(this, &Tpilote_mesure::pas_du_lot_fini, Qt::QueuedConnection);
        });
        return;
    }
    if (mesure_simulation().finie() && !pas_a_pas) {
        finit();
        return;
    }
    if (!mesure_simulation().finie()) {
        avance_simulation();
    }
    apres_generation(fin_atteinte());
}

void Tpilote_mesure::pas_du_lot_fini() {
    if (!lot || etat_ == Tetat::repos) {
        return;
    }
    lot->attend(); // the step ends as its last call returns
    const std::vector<const Tregistre_mesure*> r = lot->registres();
    const auto g = static_cast<std::int32_t>(lot->nb_generations_faites()) - 1;
    etablit_bilan();
    if (vue.observateur_lot != nullptr && g >= 0) {
        vue.observateur_lot->generation(r, g);
    }
    if (vue.fixe_panmixie && g >= 0) {
        // The mean index of the populations still alive.
        long somme = 0;
        long vivantes = 0;
        for (const Tregistre_mesure* registre : r) {
            const Tetat_generation& e = registre->generations[static_cast<std::size_t>(g)];
            if (e.taille > 0) {
                somme += e.indice_panmixie;
                ++vivantes;
            }
        }
        vue.fixe_panmixie(vivantes > 0 ? static_cast<int>(somme / vivantes) : 100);
    }
    apres_generation(fin_atteinte());
}

void Tpilote_mesure::apres_generation(bool fin) {
    if (pas_a_pas) {
        pas_a_pas = false;
        if (vue.rafraichit) {
            vue.rafraichit();
        }
        return;
    }
    if (etat_ != Tetat::en_cours) {
        return; // paused meanwhile
    }
    if ((vue.echap && vue.echap()) || fin) {
        finit();
        return;
    }
    planifie();
}

bool Tpilote_mesure::fin_atteinte() const {
    return nb_generations_faites() >= parametres.nb_generations;
}

void Tpilote_mesure::finit() {
    minuterie.stop();
    suspendre = false;
    if (lot) {
        mesure_en_cours = false;
        if (vue.observateur_lot != nullptr) {
            vue.observateur_lot->fin(lot->registres());
        }
        if (vue.rafraichit) {
            vue.rafraichit();
        }
    } else {
        termine_simulation();
    }
    change(Tetat::repos);
}

void Tpilote_mesure::pause() {
    if (etat_ != Tetat::en_cours) {
        return;
    }
    minuterie.stop();
    // Within the model's loop, the loop sees the request after its
    // generation and returns.
    suspendre = true;
    mesure_en_cours = false;
    change(Tetat::en_pause);
    if (vue.rafraichit) {
        vue.rafraichit();
    }
}

void Tpilote_mesure::reprend() {
    if (etat_ != Tetat::en_pause) {
        return;
    }
    suspendre = false;
    if (vue.echap) {
        vue.echap(); // an Escape pressed during the pause is no order to stop
    }
    if (options_mesure.cadence != 0 || lot) {
        mesure_en_cours = true;
        if (vue.rafraichit) {
            vue.rafraichit();
        }
    }
    change(Tetat::en_cours);
    planifie();
}

void Tpilote_mesure::pas() {
    if (etat_ != Tetat::en_pause || (lot && lot->occupe()) || fin_atteinte()) {
        return;
    }
    pas_a_pas = true;
    fait_pas();
}

void Tpilote_mesure::arrete() {
    if (etat_ == Tetat::repos) {
        return;
    }
    if (lot && lot->occupe()) {
        lot->attend();
    }
    suspendre = false;
    finit();
}

void Tpilote_mesure::abandonne() {
    minuterie.stop();
    suspendre = true; // the model's loop, if it runs, stops at its next generation
    etat_ = Tetat::repos;
    mesure_en_cours = false;
    vue = Tvue{}; // nothing of the window is called any more
}

bool Tpilote_mesure::poursuit(std::string& pourquoi) {
    if (etat_ != Tetat::repos || !a_mesure) {
        pourquoi = "Aucune mesure à poursuivre.";
        return false;
    }
    const std::vector<const Tregistre_mesure*> r = registres();
    const bool toutes_eteintes = std::all_of(r.begin(), r.end(), [](const Tregistre_mesure* x) {
        return !x->generations.empty() && x->dernier().taille == 0;
    });
    if (toutes_eteintes) {
        pourquoi = r.size() > 1 ? "Toutes les populations sont éteintes : rien à poursuivre."
                                : "La population est éteinte : rien à poursuivre.";
        return false;
    }
    const std::uint32_t faites = nb_generations_faites();
    if (faites >= parametres.nb_generations_max) {
        pourquoi = "Le nombre maximal de générations est atteint.";
        return false;
    }
    if (faites >= parametres.nb_generations) {
        parametres.nb_generations =
            std::min(parametres.nb_generations_max, faites + std::max(generations_demandees, 10u));
    }
    suspendre = false;
    if (vue.echap) {
        vue.echap();
    }
    if (lot || options_mesure.cadence != 0) {
        mesure_en_cours = true;
        if (vue.rafraichit) {
            vue.rafraichit();
        }
    }
    change(Tetat::en_cours);
    planifie();
    return true;
}

void Tpilote_mesure::change_cadence() {
    if (etat_ != Tetat::en_cours) {
        return;
    }
    if (!lot && minuterie.isActive() == false && options_mesure.cadence != 0) {
        // Within the model's loop: it returns at its next generation, then
        // the timer takes over.
        suspendre = true;
        return;
    }
    minuterie.stop();
    planifie();
}
