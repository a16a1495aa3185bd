#include "model/hasard.h"

#include <chrono>
#include <random>

Thasard hasard;

void Thasard::seme(std::uint64_t graine) {
    // No half word left over from before; splitmix64 spreads any seed, 0
    // included, over the whole state.
    generateur = Tgenerateur{};
    for (std::uint64_t& mot : generateur.etat) {
        graine += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = graine;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        mot = z ^ (z >> 31);
    }
}

std::uint64_t graine_horloge() {
    const auto instant = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device source;
    const std::uint64_t aleatoire = (static_cast<std::uint64_t>(source()) << 32) ^ source();
    return static_cast<std::uint64_t>(instant) ^ aleatoire;
}
