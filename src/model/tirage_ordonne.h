#pragma once

#include <cstdint>
#include <vector>

// Drawing without replacement from the positions 0 .. n-1 (n = rangs.size()):
// at step t, rangs[t] names the k-th of the positions not yet taken, counted
// in order of position, as removing element k from the middle of a sequence
// would. Replaces each rank by the position it takes. A rank beyond the
// positions left counts as the last of them. Costs O(n log n) at most,
// without moving any element.
void positions_tirees(std::vector<std::uint32_t>& rangs);

// The two ways positions_tirees has of doing it, which give the same
// positions (the tests call both); positions_tirees uses the second where it
// can.
//
// On any processor: the steps are split, in order, between the two halves of
// the positions (a step goes left while its rank is below the number of
// positions still free on the left), and each half is solved the same way.
void positions_tirees_par_moities(std::vector<std::uint32_t>& rangs);

// With counts of the free positions, compared 16 at a time: about 2.5 times
// as fast, for up to 16384 positions on x86-64 processors with AVX2 and
// BMI2. Answers false, with rangs unchanged, where it cannot be used.
bool positions_tirees_par_comptes(std::vector<std::uint32_t>& rangs);

// Test hook: true makes positions_tirees take the halves on every processor.
void force_positions_par_moities(bool forcer);
