#include "model/tirage_ordonne.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>

namespace {

// A step packed in one word: its rank in the low half, its number t in the
// high half, so that a rank moves with one subtraction.
template <class Mot>
struct Tpas {
    static constexpr int demi = static_cast<int>(sizeof(Mot) * 4);
    static constexpr Mot masque = (Mot{1} << demi) - 1;

    static Mot fait(std::uint32_t t, std::uint32_t rang) {
        return (static_cast<Mot>(t) << demi) | rang;
    }
    static std::uint32_t rang(Mot p) { return static_cast<std::uint32_t>(p & masque); }
    static std::uint32_t numero(Mot p) { return static_cast<std::uint32_t>(p >> demi); }
};

// The steps s[0 .. n-1] that take, in this order, every position of
// debut .. debut+n-1; tampon has room for n steps.
template <class Mot>
struct Tsegment {
    std::uint32_t debut;
    std::uint32_t n;
    Mot* s;
    Mot* tampon;

    std::uint32_t moitie() const { return n / 2; }
    Tsegment gauche() const { return {debut, moitie(), s, tampon}; }
    Tsegment droite() const {
        return {debut + moitie(), n - moitie(), s + moitie(), tampon + moitie()};
    }
};

// Splits the steps of a segment, stably, between its two halves: the steps
// that take a left position first (rank kept), then the others (rank less the
// left positions still free), gathered in the segment's tampon meanwhile.
template <class Mot>
class Tpartage {
public:
    explicit Tpartage(const Tsegment<Mot>& seg)
        : s(seg.s), droite(seg.tampon), libres_gauche(seg.moitie()) {}

    void range(std::uint32_t i) {
        const Mot p = s[i];
        const Mot a_gauche = Tpas<Mot>::rang(p) < libres_gauche ? 1 : 0;
        s[nb_gauche] = p; // nb_gauche <= i: only a slot already read
        droite[i - nb_gauche] = p - libres_gauche;
        nb_gauche += static_cast<std::uint32_t>(a_gauche);
        libres_gauche -= a_gauche;
    }

    static void finit(const Tsegment<Mot>& seg) {
        std::memcpy(seg.s + seg.moitie(), seg.tampon, (seg.n - seg.moitie()) * sizeof(Mot));
    }

private:
    Mot* s;
    Mot* droite;
    Mot libres_gauche;
    std::uint32_t nb_gauche = 0;
};

// At most 16 positions: the free ones, in order, as the 4-bit fields of one
// word; taking the k-th removes its field and moves the higher ones down.
constexpr std::uint32_t feuille = 16;

template <class Mot>
class Tfeuille {
public:
    Tfeuille(const Tsegment<Mot>& seg, std::vector<std::uint32_t>& sortie)
        : s(seg.s), debut(seg.debut), sortie(sortie) {}

    void prend(std::uint32_t i) {
        const unsigned decalage = 4 * Tpas<Mot>::rang(s[i]);
        sortie[Tpas<Mot>::numero(s[i])] =
            debut + static_cast<std::uint32_t>((libres >> decalage) & 0xF);
        const std::uint64_t bas = libres & ((std::uint64_t{1} << decalage) - 1);
        libres = bas | (libres >> decalage >> 4 << decalage);
    }

private:
    std::uint64_t libres = 0xFEDCBA9876543210ULL;
    const Mot* s;
    std::uint32_t debut;
    std::vector<std::uint32_t>& sortie;
};

// Each step depends on the one before it within a segment, not on the other
// segments: two segments solved side by side keep the processor twice as
// busy.
template <class Mot>
class Tresolution {
public:
    explicit Tresolution(std::vector<std::uint32_t>& rangs)
        : sortie(rangs), pas(rangs.size()), tampon(rangs.size()) {}

    void resout() {
        const auto n = static_cast<std::uint32_t>(sortie.size());
        for (std::uint32_t t = 0; t < n; ++t) {
            const std::uint32_t libres = n - t;
            pas[t] = Tpas<Mot>::fait(t, sortie[t] < libres ? sortie[t] : libres - 1);
        }
        const Tsegment<Mot> tout{0, n, pas.data(), tampon.data()};
        if (n <= feuille) {
            Tfeuille<Mot> f(tout, sortie);
            for (std::uint32_t i = 0; i < n; ++i) {
                f.prend(i);
            }
            return;
        }
        Tpartage<Mot> p(tout);
        for (std::uint32_t i = 0; i < n; ++i) {
            p.range(i);
        }
        Tpartage<Mot>::finit(tout);
        resout(tout.gauche(), tout.droite());
    }

private:
    // Two segments whose sizes differ by at most one.
    void resout(const Tsegment<Mot>& a, const Tsegment<Mot>& b) {
        if (std::max(a.n, b.n) <= feuille) {
            resout_feuilles(a, b);
            return;
        }
        partage(a, b);
        resout(a.gauche(), a.droite());
        resout(b.gauche(), b.droite());
    }

    static void partage(const Tsegment<Mot>& a, const Tsegment<Mot>& b) {
        Tpartage<Mot> pa(a);
        Tpartage<Mot> pb(b);
        const std::uint32_t commun = std::min(a.n, b.n);
        for (std::uint32_t i = 0; i < commun; ++i) {
            pa.range(i);
            pb.range(i);
        }
        for (std::uint32_t i = commun; i < a.n; ++i) {
            pa.range(i);
        }
        for (std::uint32_t i = commun; i < b.n; ++i) {
            pb.range(i);
        }
        Tpartage<Mot>::finit(a);
        Tpartage<Mot>::finit(b);
    }

    void resout_feuilles(const Tsegment<Mot>& a, const Tsegment<Mot>& b) {
        Tfeuille<Mot> fa(a, sortie);
        Tfeuille<Mot> fb(b, sortie);
        const std::uint32_t commun = std::min(a.n, b.n);
        for (std::uint32_t i = 0; i < commun; ++i) {
            fa.prend(i);
            fb.prend(i);
        }
        for (std::uint32_t i = commun; i < a.n; ++i) {
            fa.prend(i);
        }
        for (std::uint32_t i = commun; i < b.n; ++i) {
            fb.prend(i);
        }
    }

    std::vector<std::uint32_t>& sortie;
    std::vector<Mot> pas;
    std::vector<Mot> tampon;
};

} // namespace

namespace {
std::atomic<bool> par_moities_force{false};
} // namespace

void force_positions_par_moities(bool forcer) {
    par_moities_force.store(forcer);
}

void positions_tirees(std::vector<std::uint32_t>& rangs) {
    if (par_moities_force.load(std::memory_order_relaxed) || !positions_tirees_par_comptes(rangs)) {
        positions_tirees_par_moities(rangs);
    }
}

void positions_tirees_par_moities(std::vector<std::uint32_t>& rangs) {
    if (rangs.size() <= std::numeric_limits<std::uint16_t>::max() + std::size_t{1}) {
        Tresolution<std::uint32_t>(rangs).resout();
    } else {
        Tresolution<std::uint64_t>(rangs).resout();
    }
}
