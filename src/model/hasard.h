#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The end of Lemire's multiply-shift draw over 0 .. b-1 (b > 0), from the
// product m of a first word by b: further words from `source` (and a
// division) only in the rare case where that word may have to be rejected,
// so that no value is favoured.
template <class Source>
std::uint32_t fin_lemire(std::uint64_t m, std::uint32_t b, Source& source) {
    auto bas = static_cast<std::uint32_t>(m);
    if (bas < b) {
        const std::uint32_t seuil = static_cast<std::uint32_t>(-b) % b;
        while (bas < seuil) {
            m = static_cast<std::uint64_t>(source.mot()) * b;
            bas = static_cast<std::uint32_t>(m);
        }
    }
    return static_cast<std::uint32_t>(m >> 32);
}

// xoshiro256** with Lemire's draw, as a bare value: a hot loop takes a copy,
// keeps its state in registers and hands it back.
//
// A draw needs 32 random bits: each 64-bit output of xoshiro256** serves two
// draws, its high half first, its low half kept here for the next one.
struct Tgenerateur {
    std::uint64_t etat[4] = {};
    std::uint32_t reserve = 0;   // the low half of the last output, unused yet
    bool reserve_pleine = false; // whether reserve holds it

    // The next 32 random bits.
    std::uint32_t mot() {
        if (reserve_pleine) {
            reserve_pleine = false;
            return reserve;
        }
        const std::uint64_t x = pas();
        reserve = static_cast<std::uint32_t>(x);
        reserve_pleine = true;
        return static_cast<std::uint32_t>(x >> 32);
    }

    // The next 64 random bits: two words, the first in the high half.
    std::uint64_t suivant() {
        const std::uint64_t haut = mot();
        return (haut << 32) | mot();
    }

    // Uniform over 0 .. b-1 without modulo bias. tire(0) answers 0 and
    // consumes nothing.
    std::uint32_t tire(std::uint32_t b) {
        if (b == 0) {
            return 0;
        }
        return fin_lemire(static_cast<std::uint64_t>(mot()) * b, b, *this);
    }

    bool operator==(const Tgenerateur& autre) const {
        return etat[0] == autre.etat[0] && etat[1] == autre.etat[1] && etat[2] == autre.etat[2] &&
               etat[3] == autre.etat[3] && reserve_pleine == autre.reserve_pleine &&
               (!reserve_pleine || reserve == autre.reserve);
    }

private:
    // One step of xoshiro256**.
    std::uint64_t pas() {
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

    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
};

// A bare generator read ahead: its words are drawn a block at a time, so that
// a draw takes the next word of an array instead of asking which half is due,
// and a draw that only some data need (the lethality draw of a homozygote)
// reads its word anyway and consumes it or not, without a branch. It gives
// exactly the draws of the generator it starts from; rend() answers that
// generator as if it had made them itself.
class Tgenerateur_bloc {
public:
    static constexpr std::size_t taille_bloc = 256;
    using Tbloc = std::array<std::uint32_t, taille_bloc>;

    // The words are kept in `bloc`, outside this object, which a hot loop can
    // then hold in registers.
    Tgenerateur_bloc(const Tgenerateur& g, Tbloc& bloc) : debut(g), suite(g), mots(bloc.data()) {
        remplit();
    }

    std::uint32_t mot() {
        if (lu == taille_bloc) {
            remplit();
        }
        return mots[lu++];
    }

    // As Tgenerateur::tire.
    std::uint32_t tire(std::uint32_t b) {
        if (b == 0) {
            return 0;
        }
        const std::uint64_t m = static_cast<std::uint64_t>(mot()) * b;
        return fin_lemire(m, b, *this);
    }

    // tire(b) when `tirer`; otherwise draws nothing and answers 0. No branch
    // on `tirer` but the rare one of a rejection.
    std::uint32_t tire_si(bool tirer, std::uint32_t b) {
        if (b == 0) {
            return 0;
        }
        if (lu == taille_bloc) {
            remplit(); // reading ahead consumes nothing
        }
        const std::uint64_t m = static_cast<std::uint64_t>(mots[lu]) * b;
        lu += static_cast<std::size_t>(tirer);
        if (tirer & (static_cast<std::uint32_t>(m) < b)) {
            return fin_lemire(m, b, *this);
        }
        return static_cast<std::uint32_t>(m >> 32) & -static_cast<std::uint32_t>(tirer);
    }

    // The generator after the draws made so far.
    Tgenerateur rend() const {
        Tgenerateur g = debut;
        for (std::size_t i = 0; i < lu; ++i) {
            g.mot();
        }
        return g;
    }

private:
    void remplit() {
        debut = suite;
        std::size_t i = 0;
        if (suite.reserve_pleine) {
            mots[i++] = suite.mot();
        }
        // Two words per output of xoshiro256**, the high half first.
        for (; i + 2 <= taille_bloc; i += 2) {
            const std::uint64_t x = suite.suivant();
            mots[i] = static_cast<std::uint32_t>(x >> 32);
            mots[i + 1] = static_cast<std::uint32_t>(x);
        }
        if (i < taille_bloc) {
            mots[i] = suite.mot();
        }
        lu = 0;
    }

    Tgenerateur debut; // before the first word of the block
    Tgenerateur suite; // after its last word
    std::uint32_t* mots;
    std::size_t lu = 0; // words of the block consumed
};

// tire(b) on g when `tirer`; otherwise draws nothing and answers 0.
template <class Generateur>
std::uint32_t tire_si(Generateur& g, bool tirer, std::uint32_t b) {
    return tirer ? g.tire(b) : 0;
}

inline std::uint32_t tire_si(Tgenerateur_bloc& g, bool tirer, std::uint32_t b) {
    return g.tire_si(tirer, b);
}

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

// The seed of replicate r of the runs of seed s. It depends on (s, r) alone,
// so a batch gives the same runs however its replicates are shared out between
// threads, processes or machines; two replicates never get the same seed.
std::uint64_t graine_replicat(std::uint64_t graine, std::uint64_t replicat);
