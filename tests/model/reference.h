#pragma once

// The algorithms of the model written literally, the slow way: removal from
// the middle of a sequence for the shuffle and a forward scan for each mate.
// The tests compare the fast model with them draw for draw; the benchmark
// measures both.

#include "model/individu.h"
#include "model/population.h"

#include <ostream>

// Shuffles by taking k = draw(remaining) and removing individual k from the
// sequence, the ones behind it moving up.
void melange_litteral(Tpopulation& p);

// The first generation, built from the same table and draws, shuffled
// literally.
void cree_population_initiale_litterale();

// The next generation, with cherche_partenaire() for each mate and the literal
// shuffle.
void generation_suivante_litterale();

// Readable failure messages in the tests.
void PrintTo(const Tindividu& x, std::ostream* os);
