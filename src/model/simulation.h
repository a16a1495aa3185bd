#pragma once

#include "model/mesure.h"

#include <cstdint>
#include <functional>
#include <optional>

// What a run needs of the main window. The window hands these over once, at
// its creation; a run without a window (tests, benchmarks) may leave any of
// them empty.
struct Tfenetre_simulation {
    // Repaint the main window now, synchronously.
    std::function<void()> rafraichit;
    // Let pending window events through. Answers false when the program is
    // closing: the run then stops at once, before drawing anything more.
    std::function<bool()> traite_messages;
    // Escape pressed since the previous poll, or still held.
    std::function<bool()> echap;
    // Show the panmixia index on the main window's bar.
    std::function<void(int)> fixe_panmixie;
    // Told of the run's start, of each generation and of its end (the
    // window's draws the charts); not owned.
    Tobservateur_mesure* observateur = nullptr;
    // Polled after each generation with Escape: true suspends the run, which
    // can then go on from where it stopped.
    std::function<bool()> suspend;
};

// True from just before the first generation of a run to just after its last.
extern bool mesure_en_cours;

// Installs the window operations used by every later run.
void attache_fenetre_simulation(Tfenetre_simulation fenetre);

// Answers true on the (n+1)-th, 2(n+1)-th ... call, counted over the whole
// life of the process.
bool une_fois_sur(unsigned n);

// One run on the process-wide objects: a fresh initial population, then
// `nb_generations` generations (read at each step) recorded and shown to the
// window's observer, until the end or Escape.
void lance_simulation();

// How a stretch of generations ended.
enum class Tfin_simulation : std::uint8_t {
    achevee,   // every generation asked for was made
    echap,     // Escape
    suspendue, // the window asked for a pause
    fermeture, // the window is closing
};

// The parts of lance_simulation(), for a run that is paused, stepped or
// continued. commence_simulation: a fresh initial population, from the run
// seed `graine` (the process's generator seeded with graine_replicat(graine,
// 0), as replicate 0 of a batch) when one is given; the run is then under way
// (`mesure_en_cours`, window refreshed) and the observer told.
// deroule_simulation: the generations from the current one to the last, with
// the window's operations as in lance_simulation(). avance_simulation: one
// generation, shown to the observer and on the panmixia bar; false when the
// run had made all its generations.
void commence_simulation(std::optional<std::uint64_t> graine = std::nullopt);
Tfin_simulation deroule_simulation();
bool avance_simulation();

// The end of a run: the observer's end, the window refreshed.
void termine_simulation();

// The run of the process-wide objects and its record (of the last run, or of
// the one under way).
Tmesure& mesure_simulation();
const Tregistre_mesure& registre_simulation();
