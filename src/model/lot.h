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
