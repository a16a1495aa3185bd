#pragma once

#include <cstdint>
#include <vector>

// Drawing without replacement from the positions 0 .. n-1 (n = rangs.size()):
// at step t, rangs[t] names the k-th of the positions not yet taken, counted
// in order of position, as removing element k from the middle of a sequence
// would. Replaces each rank by the position it takes. A rank beyond the
// positions left counts as the last of them.
//
// Costs O(n log n) without moving any element: the steps are split, in
// order, between the two halves of the positions (a step goes left while its
// rank is below the number of positions still free on the left), and each
// half is solved the same way.
void positions_tirees(std::vector<std::uint32_t>& rangs);
