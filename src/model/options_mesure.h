#pragma once

#include <cstdint>
#include <optional>

// What the window's next run uses besides the model's parameters: how many
// populations, from which seed, at which pace. The control panel and the
// scenario files write it; the window reads it when a run starts.
struct Toptions_mesure {
    static constexpr std::uint32_t replicats_max = 1000;

    std::uint32_t replicats = 1; // 1 .. replicats_max
    // The seed of the next run; none: each run draws a new one.
    std::optional<std::uint64_t> graine;
    // The allele whose frequency is drawn for each replicate (0-based).
    std::uint32_t allele_suivi = 0;
    // Generations per second; 0: as fast as the machine goes.
    std::uint32_t cadence = 0;
};

extern Toptions_mesure options_mesure;
