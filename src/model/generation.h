#pragma once

#include "model/individu.h"

#include <cstdint>
#include <vector>

// Replaces `population` with the next generation: each unmated individual, in
// population order, mates with the first free individual of the other sex
// behind it; each couple has nb_descendants() children; a homozygous child
// survives its allele's lethality or dies; the survivors, up to
// `effectif_max`, are shuffled and become the population. O(N log N).
void generation_suivante();

// The mate of individual a of `population`: the first individual behind a
// that is viable, not yet mated and of the other sex; 0 when there is none
// (index 0 is never a mate).
unsigned cherche_partenaire(unsigned a);

// Whether a homozygous child survives: the lethality draw x (from
// draw(resolution)) must reach letalite x resolution, so that a lethality of 0
// never kills and a lethality of 1 always does.
bool survit(float letalite, std::uint32_t resolution, std::uint32_t x);

// The number of children of one couple, 0 to 10, for the mean `fecondite`.
unsigned nb_descendants();

// One child of p1 and p2: an allele of p1, an allele of p2, a sex (three
// draws of draw(100), in that order); viable and not mated.
Tindividu cree_enfant(Tindividu p1, Tindividu p2);

// One draw from the Poisson law of mean lambda cut at n, through the
// offspring-count table, refilled only when the mean or the resolution
// changes. One draw(T) per call.
unsigned tirage_poisson(float lambda, unsigned n);

// The Poisson probability of k events for mean lambda (1 for k = 0 and
// lambda = 0).
double proba_poisson(unsigned k, float lambda);

// k!, with 0! = 1! = 1.
double factorielle(unsigned k);

// The offspring-count table, built on first use and kept until exit.
struct Ttable_descendants {
    std::uint32_t taille = 0;           // T, the `resolution` of the last fill
    std::vector<std::uint32_t> nombres; // numbers of children, drawn uniformly
    float moyenne = 0.0f;               // the mean of the last fill
};

// The table as tirage_poisson() uses it (built here if it was not yet).
const Ttable_descendants& table_descendants();

// The same, to bind a run context to it.
Ttable_descendants& table_descendants_globale();

// The table, refilled first for mean lambda and largest count n when its mean
// or its size is not the current one. Makes no draw.
const Ttable_descendants& table_descendants_pour(float lambda, unsigned n);

// The same for any table, with T = `resolution`.
const Ttable_descendants& table_descendants_pour(Ttable_descendants& table,
                                                 std::uint32_t resolution, float lambda,
                                                 unsigned n);

// One entry of the table at a random place: one draw(T) from g.
template <class Generateur>
unsigned tire_descendants(const Ttable_descendants& table, Generateur& g) {
    const std::uint32_t x = g.tire(table.taille);
    return x < table.nombres.size() ? table.nombres[x] : 0;
}
