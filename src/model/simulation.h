#pragma once

#include "model/mesure.h"

#include <functional>

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

// The record of the last run that lance_simulation() made (or is making).
const Tregistre_mesure& registre_simulation();
