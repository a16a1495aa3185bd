#pragma once

#include "model/mesure.h"
#include "model/parametres.h"
#include "model/registre.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// A batch of replicates: runs with the same parameters, replicate r seeded
// from (graine, r) alone.
struct Tdemande_lot {
    Tparametres_mesure parametres;
    std::uint64_t graine = 0;
    std::uint64_t premier = 0; // the number of the first replicate
    std::uint64_t nombre = 1;  // how many replicates
    unsigned fils = 1;         // worker threads
};

// Runs the replicates premier .. premier + nombre - 1 of a batch, each through
// its `nb_generations`, on `fils` worker threads, and hands each record to
// `recoit` on the calling thread, in replicate order. At most a few records
// per thread wait their turn, so memory does not grow with the batch.
//
// `annule`, when given, may be set from any thread: the batch then stops
// within a generation, and the replicates not yet handed over are dropped. An
// exception from `recoit` stops the workers and is passed on. Answers how
// many records were handed over.
std::uint64_t execute_lot(const Tdemande_lot& demande,
                          const std::function<void(Tregistre_mesure&&)>& recoit,
                          const std::atomic<bool>* annule = nullptr);

// Worker threads that stay, for work given again and again (the window's
// replicates, one step at a time). pour_chaque is called from one thread at a
// time.
class Tpool_fils {
public:
    explicit Tpool_fils(unsigned fils);
    ~Tpool_fils();
    Tpool_fils(const Tpool_fils&) = delete;
    Tpool_fils& operator=(const Tpool_fils&) = delete;

    unsigned taille() const { return static_cast<unsigned>(ouvriers.size()); }

    // tache(i) for every i below n, spread over the threads; returns when all
    // are done. Once `annule` is set, or a task has thrown, the tasks not
    // started are skipped; the first exception is then passed on.
    void pour_chaque(std::size_t n, const std::function<void(std::size_t)>& tache,
                     const std::atomic<bool>* annule = nullptr);

private:
    void travaille();

    std::vector<std::thread> ouvriers;
    std::mutex verrou;
    std::condition_variable reveil;
    std::condition_variable termine;
    const std::function<void(std::size_t)>* tache_ = nullptr;
    const std::atomic<bool>* annule_ = nullptr;
    std::size_t nombre = 0;
    std::size_t prochain = 0;
    std::size_t en_cours = 0;
    std::uint64_t tour = 0;
    bool fin = false;
    std::exception_ptr erreur;
};

// The number of threads the processor runs at once (at least 1).
unsigned fils_disponibles();

// Told of replicates that go side by side, generation by generation (the
// window draws them). Never called while a step is under way.
class Tobservateur_lot {
public:
    virtual ~Tobservateur_lot() = default;
    virtual void debut(const std::vector<const Tregistre_mesure*>& /*registres*/) {}
    // Generation g was made by every replicate.
    virtual void generation(const std::vector<const Tregistre_mesure*>& /*registres*/,
                            std::int32_t /*g*/) {}
    virtual void fin(const std::vector<const Tregistre_mesure*>& /*registres*/) {}
};

// The window's replicates: K runs kept side by side and advanced one
// generation at a time, all of them together, on worker threads, so that they
// can be drawn as they go, paused, stepped and continued. Replicate r is the
// run of seed graine_replicat(graine, r), as in a batch.
//
// A step runs on a thread of its own and calls `fini` there when every
// replicate has made its generation; the step is over once `fini` returned.
// The records must not be read while a step is under way (occupe(); attend()
// waits for its end). One thread drives it at a time.
class Tlot_pas_a_pas {
public:
    Tlot_pas_a_pas(const Tparametres_mesure& parametres, std::uint64_t graine, std::uint32_t nombre,
                   unsigned fils);
    // Waits for the step under way, if any, cut short.
    ~Tlot_pas_a_pas();
    Tlot_pas_a_pas(const Tlot_pas_a_pas&) = delete;
    Tlot_pas_a_pas& operator=(const Tlot_pas_a_pas&) = delete;

    // The founders of every replicate (before the thread starts its work).
    void commence();

    // Every replicate makes one generation more with these parameters
    // (copied now into each run, as the window's single run reads the
    // process-wide ones at each generation). Returns at once.
    void avance(const Tparametres_mesure& parametres, std::function<void()> fini);

    bool occupe() const { return occupe_.load(); }
    // Waits for the step under way.
    void attend();

    std::uint32_t nombre() const { return static_cast<std::uint32_t>(mesures.size()); }
    std::uint64_t graine() const { return graine_; }
    // Generations made by every replicate.
    std::uint32_t nb_generations_faites() const;
    const Tregistre_mesure& registre(std::uint32_t r) const { return mesures[r]->registre(); }
    std::vector<const Tregistre_mesure*> registres() const;

private:
    void travaille();

    std::uint64_t graine_;
    std::vector<std::unique_ptr<Tmesure>> mesures;
    Tpool_fils pool;
    std::atomic<bool> occupe_{false};
    std::atomic<bool> annule_{false};
    std::mutex verrou;
    std::condition_variable signal;
    std::function<void()> a_faire; // the step waiting for the thread
    bool fin = false;
    std::thread coordinateur;
};
