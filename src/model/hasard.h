#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// xoshiro256** with Lemire's draw, as a bare value: a hot loop takes a copy,
// keeps its state in registers and hands it back.
struct Tgenerateur {
    std::uint64_t etat[4] = {};

    std::uint64_t suivant() {
        const std::uint64_t resultat = rotl(etat[1] * 5, 7) * 9;
        const std::uint64_t t = etat[1] << 17;
        etat[2] ^= etat[0];
        etat[3] ^= etat[1];
        etat[1] ^= etat[2];
        etat[0] ^= etat[3];
        etat[2] ^= t;
        etat[3] = rotl(etat[3], 45);
        return resultat;
    }

    // Uniform over 0 .. b-1 without modulo bias (Lemire's multiply-shift, a
    // division only when a rejection may be needed). tire(0) answers 0 and
    // consumes nothing.
    std::uint32_t tire(std::uint32_t b) {
        if (b == 0) {
            return 0;
        }
        std::uint64_t m =
            static_cast<std::uint64_t>(static_cast<std::uint32_t>(suivant() >> 32)) * b;
        auto bas = static_cast<std::uint32_t>(m);
        if (bas < b) {
            const std::uint32_t seuil = static_cast<std::uint32_t>(-b) % b;
            while (bas < seuil) {
                m = static_cast<std::uint64_t>(static_cast<std::uint32_t>(suivant() >> 32)) * b;
                bas = static_cast<std::uint32_t>(m);
            }
        }
        return static_cast<std::uint32_t>(m >> 32);
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
};

// The process-wide pseudo-random generator. For one seed it gives the same
// sequence on every compiler and standard library.
class Thasard {
public:
    explicit Thasard(std::uint64_t graine = 0) { seme(graine); }

    void seme(std::uint64_t graine);

    std::uint64_t suivant() { return generateur.suivant(); }

    std::uint32_t tire(std::uint32_t b) {
        if (b != 0 && prochaine_imposee < imposees.size()) {
            return impose_suivante(b);
        }
        return generateur.tire(b);
    }

    // Test hook: the next draws answer these values in order (each cut to its
    // bound minus one), without touching the generator's state; afterwards the
    // generator resumes where it was.
    void impose(std::vector<std::uint32_t> valeurs) {
        imposees = std::move(valeurs);
        prochaine_imposee = 0;
    }

    // How many imposed values have not been drawn yet.
    std::size_t imposees_restantes() const { return imposees.size() - prochaine_imposee; }

    // For a hot loop, when nothing is imposed: take the bare generator, draw
    // from the copy, give it back.
    Tgenerateur prend() const { return generateur; }
    void rend(const Tgenerateur& g) { generateur = g; }

private:
    std::uint32_t impose_suivante(std::uint32_t b) {
        const std::uint32_t valeur = imposees[prochaine_imposee++];
        return valeur < b ? valeur : b - 1;
    }

    Tgenerateur generateur;
    std::vector<std::uint32_t> imposees;
    std::size_t prochaine_imposee = 0;
};

// The one generator of the process.
extern Thasard hasard;

// draw(b) on the process's generator.
inline std::uint32_t tire(std::uint32_t b) {
    return hasard.tire(b);
}

// A seed that differs from one start of the program to the next.
std::uint64_t graine_horloge();
