#include "model/hasard.h"

#include <chrono>
#include <random>

Thasard hasard;

namespace {

// The finaliser of splitmix64: a bijection of 64-bit words that spreads every
// bit over the whole word.
std::uint64_t melange64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

void Thasard::seme(std::uint64_t graine) {
    // No half word left over from before; splitmix64 spreads any seed, 0
    // included, over the whole state.
    generateur = Tgenerateur{};
    for (std::uint64_t& mot : generateur.etat) {
        graine += 0x9E3779B97F4A7C15ULL;
        mot = melange64(graine);
    }
}

std::uint64_t graine_horloge() {
    const auto instant = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device source;
    const std::uint64_t aleatoire = (static_cast<std::uint64_t>(source()) << 32) ^ source();
    return static_cast<std::uint64_t>(instant) ^ aleatoire;
}

std::uint64_t graine_replicat(std::uint64_t graine, std::uint64_t replicat) {
    // Each step is a bijection: for one seed, distinct replicates give
    // distinct seeds, with no arithmetic link between them that would make
    // the four words of their generators overlap.
    return melange64(melange64(graine) ^ melange64(replicat + 0x632BE59BD9B4E019ULL));
}
