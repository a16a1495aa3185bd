#pragma once

#include "model/lot.h"
#include "model/simulation.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Where the populations of the last run stand, for the window's texts and the
// legend: kept on the user-interface thread, after each generation shown.
struct Tbilan_lot {
    std::uint32_t replicats = 0;
    std::uint32_t generations = 0;           // made by every population
    std::uint32_t eteintes = 0;              // populations that died out
    std::int32_t generation_extinction = -1; // of a single population, -1 while it lives
    // The followed allele in the living populations.
    std::uint32_t fixes = 0;
    std::uint32_t perdus = 0;
    std::uint32_t en_segregation = 0;
};

// Drives the window's runs. One population at the fastest pace is the run of
// the process-wide objects, made by the model's loop as it always was. A pace
// in generations per second makes it a generation per tick of a timer, on
// this thread. Several populations are a Tlot_pas_a_pas: each step runs on
// worker threads while this thread stays free, and is shown when it is done.
// A run can be paused, stepped, stopped and, once over, continued.
class Tpilote_mesure : public QObject {
    Q_OBJECT
public:
    enum class Tetat : std::uint8_t {
        repos,    // no run, or a run over (which may be continued)
        en_cours, // generations under way
        en_pause, // stopped where it was, to go on or step
    };

    // What the pilot needs of the window.
    struct Tvue {
        std::function<void()> rafraichit; // repaint now
        std::function<bool()> echap;      // Escape since the last poll
        std::function<void(int)> fixe_panmixie;
        Tobservateur_lot* observateur_lot = nullptr;
        std::function<void()> change_etat;  // the state changed: actions to update
        std::function<void()> avant_mesure; // a run is about to start: clear the charts
    };

    explicit Tpilote_mesure(Tvue vue, QObject* parent = nullptr);
    ~Tpilote_mesure() override;

    // A new run from this seed, with the replicates and the pace of
    // `options_mesure`.
    void demarre(std::uint64_t graine);
    // The last run again, from its seed.
    void rejoue();

    void pause();
    void reprend();
    // One generation while paused.
    void pas();
    // Escape: the run ends where it is (it can be continued).
    void arrete();
    // The window closes: nothing more is made or drawn.
    void abandonne();
    // More generations for the same populations, as many as the run first had
    // (within the largest number of generations). False, with the reason,
    // when there is nothing to continue (no run, every population extinct,
    // already at the largest number).
    bool poursuit(std::string& pourquoi);
    // The pace changed: a timer-driven run follows it at once.
    void change_cadence();

    // For the window's run loop: a pause was asked during it.
    bool suspension_demandee() const { return suspendre; }

    Tetat etat() const { return etat_; }
    bool replicats() const { return lot != nullptr; }
    std::uint64_t graine() const { return graine_; }
    bool a_une_mesure() const { return a_mesure; }
    // The records of the last run: one per population (waits for a step under
    // way).
    std::vector<const Tregistre_mesure*> registres() const;
    // The same without waiting: only the generations bilan().generations
    // counts may be read while a step is under way (the records' storage
    // never moves, and the step writes the next generation only).
    std::vector<const Tregistre_mesure*> registres_montres() const;
    // Generations made by every population of the last run (with replicates:
    // shown, so that a step under way is not counted).
    std::uint32_t nb_generations_faites() const;
    // Where its populations stand after the last generation shown.
    Tbilan_lot bilan() const;

private:
    void change(Tetat nouvel);
    void planifie();
    void fait_pas();
    void pas_du_lot_fini();
    void apres_generation(bool fin_atteinte);
    bool fin_atteinte() const;
    void finit();
    void deroule_au_plus_vite();
    void etablit_bilan();

    Tvue vue;
    Tetat etat_ = Tetat::repos;
    std::unique_ptr<Tlot_pas_a_pas> lot;
    QTimer minuterie;
    std::uint64_t graine_ = 0;
    std::uint32_t generations_demandees = 0; // the run's number at its start
    Tbilan_lot bilan_lot;                    // of the replicates
    std::uint32_t allele_suivi = 0;          // as the run started
    QElapsedTimer depuis_pas;                // since the last step began
    bool a_mesure = false;
    bool suspendre = false;
    bool pas_a_pas = false; // the step under way is a single step while paused
};
