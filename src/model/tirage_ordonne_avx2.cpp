#include "model/tirage_ordonne.h"

// "Take the k-th free position" with counts of the free positions, on x86-64
// processors that have AVX2, BMI2 and popcnt. The program is built for any
// x86-64: these instructions are used only in the functions marked
// QUORVEL_CIBLE, and only once the processor has been asked.

#if defined(__x86_64__) && defined(__GNUC__)

#include <immintrin.h>

#include <cstdint>

#define QUORVEL_CIBLE __attribute__((target("avx2,bmi,bmi2,popcnt")))

namespace {

// At most 16 groups of 16 words of 64 positions.
constexpr std::uint32_t positions_max = 16 * 16 * 64;

// Beyond the last group, or the last word of a group: never at or below a
// rank, even after a decrement per position taken.
constexpr std::int16_t absent = 0x7FFF;

// The free positions of 0 .. n-1 as the bits of 64-bit words, with, for each
// group of 16 words and for each word in its group, the number of free
// positions before it (in the whole, and in its group). Taking the k-th free
// position compares k with the 16 counts of the groups at once, then with
// the 16 counts of the words of the group found, then finds the bit in the
// word. The counts behind the one found are exactly those above the rank, so
// the comparison itself says which to decrement.
class Tplaces_libres {
public:
    QUORVEL_CIBLE explicit Tplaces_libres(std::uint32_t n) {
        const std::uint32_t nb_mots = (n + 63) / 64;
        for (std::uint32_t g = 0; g < 16; ++g) {
            for (std::uint32_t j = 0; j < 16; ++j) {
                const bool present = g * 16 + j < nb_mots;
                avant_mot[g][j] = present ? static_cast<std::int16_t>(64 * j) : absent;
            }
            const bool present = g * 16 < nb_mots;
            avant_groupe[g] = present ? static_cast<std::int16_t>(1024 * g) : absent;
        }
        for (std::uint32_t m = 0; m < nb_mots; ++m) {
            bits[m] = ~std::uint64_t{0};
        }
        if (n % 64 != 0) {
            bits[nb_mots - 1] = (std::uint64_t{1} << (n % 64)) - 1;
        }
        groupes = charge(avant_groupe);
    }

    // The k-th free position (k below the number still free), now taken.
    QUORVEL_CIBLE std::uint32_t prend(std::uint32_t k) {
        // The group counts stay in a register; they are written out only to
        // read the one of the group found.
        const __m256i apres_groupe = au_dessus(groupes, k);
        const unsigned g = dernier_au_plus(apres_groupe);
        _mm256_store_si256(reinterpret_cast<__m256i*>(avant_groupe), groupes);
        groupes = _mm256_add_epi16(groupes, apres_groupe);
        const std::uint32_t k_groupe = k - static_cast<std::uint32_t>(avant_groupe[g]);

        const __m256i mots = charge(avant_mot[g]);
        const __m256i apres_mot = au_dessus(mots, k_groupe);
        const unsigned j = dernier_au_plus(apres_mot);
        const std::uint32_t k_mot = k_groupe - static_cast<std::uint32_t>(avant_mot[g][j]);
        _mm256_store_si256(reinterpret_cast<__m256i*>(avant_mot[g]),
                           _mm256_add_epi16(mots, apres_mot));

        // The k_mot-th set bit of the word, alone.
        const std::uint32_t m = g * 16 + j;
        const std::uint64_t bit = _pdep_u64(std::uint64_t{1} << k_mot, bits[m]);
        bits[m] ^= bit;
        return m * 64 + static_cast<std::uint32_t>(__builtin_ctzll(bit));
    }

private:
    QUORVEL_CIBLE static __m256i charge(const std::int16_t* comptes) {
        return _mm256_load_si256(reinterpret_cast<const __m256i*>(comptes));
    }

    // -1 in the entries whose count is above k, 0 elsewhere.
    QUORVEL_CIBLE static __m256i au_dessus(__m256i comptes, std::uint32_t k) {
        return _mm256_cmpgt_epi16(comptes, _mm256_set1_epi16(static_cast<std::int16_t>(k)));
    }

    // The last entry whose count is at most k: the counts never decrease
    // from one entry to the next, and the first is 0.
    QUORVEL_CIBLE static unsigned dernier_au_plus(__m256i apres) {
        const auto masque = static_cast<unsigned>(_mm256_movemask_epi8(apres));
        return static_cast<unsigned>(32 - _mm_popcnt_u32(masque)) / 2 - 1;
    }

    alignas(32) std::int16_t avant_groupe[16];
    alignas(32) std::int16_t avant_mot[16][16];
    std::uint64_t bits[positions_max / 64];
    __m256i groupes;
};

QUORVEL_CIBLE void resout(std::vector<std::uint32_t>& rangs) {
    const auto n = static_cast<std::uint32_t>(rangs.size());
    Tplaces_libres libres(n);
    for (std::uint32_t t = 0; t < n; ++t) {
        const std::uint32_t reste = n - t;
        rangs[t] = libres.prend(rangs[t] < reste ? rangs[t] : reste - 1);
    }
}

// pdep is slow on the first two generations of AMD Zen (microcoded): the
// halves are faster there.
bool processeur_convient() {
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") &&
           __builtin_cpu_supports("popcnt") && !__builtin_cpu_is("znver1") &&
           !__builtin_cpu_is("znver2");
}

} // namespace

bool positions_tirees_par_comptes(std::vector<std::uint32_t>& rangs) {
    static const bool possible = processeur_convient();
    if (!possible || rangs.size() > positions_max) {
        return false;
    }
    resout(rangs);
    return true;
}

#else

bool positions_tirees_par_comptes(std::vector<std::uint32_t>&) {
    return false;
}

#endif
