#include "model/tirage_ordonne.h"

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

constexpr std::uint32_t feuille = 64;

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
        resout(0, n, pas.data());
    }

private:
    // The n steps s[0 .. n-1] take, in this order, every position of
    // debut .. debut+n-1.
    void resout(std::uint32_t debut, std::uint32_t n, Mot* s) {
        if (n <= feuille) {
            resout_feuille(debut, n, s);
            return;
        }
        const std::uint32_t moitie = n / 2;
        partage(n, moitie, s);
        resout(debut, moitie, s);
        resout(debut + moitie, n - moitie, s + moitie);
    }

    // Stable split: the steps that take a left position first (rank kept),
    // then the others (rank less the left positions still free).
    void partage(std::uint32_t n, std::uint32_t moitie, Mot* s) {
        Mot* droite = tampon.data();
        Mot libres_gauche = moitie;
        std::uint32_t nb_gauche = 0;
        std::uint32_t nb_droite = 0;
        for (std::uint32_t i = 0; i < n; ++i) {
            const Mot p = s[i];
            const std::uint32_t a_gauche = Tpas<Mot>::rang(p) < libres_gauche ? 1 : 0;
            s[nb_gauche] = p; // nb_gauche <= i: only a slot already read
            droite[nb_droite] = p - libres_gauche;
            nb_gauche += a_gauche;
            nb_droite += 1 - a_gauche;
            libres_gauche -= a_gauche;
        }
        std::memcpy(s + moitie, droite, (n - moitie) * sizeof(Mot));
    }

    // Few positions: keep the free ones in a small array and remove from it.
    void resout_feuille(std::uint32_t debut, std::uint32_t n, const Mot* s) {
        std::uint8_t libres[feuille];
        for (std::uint32_t i = 0; i < n; ++i) {
            libres[i] = static_cast<std::uint8_t>(i);
        }
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::uint32_t k = Tpas<Mot>::rang(s[i]);
            sortie[Tpas<Mot>::numero(s[i])] = debut + libres[k];
            for (std::uint32_t j = k; j + 1 < n - i; ++j) {
                libres[j] = libres[j + 1];
            }
        }
    }

    std::vector<std::uint32_t>& sortie;
    std::vector<Mot> pas;
    std::vector<Mot> tampon;
};

} // namespace

void positions_tirees(std::vector<std::uint32_t>& rangs) {
    if (rangs.size() <= std::numeric_limits<std::uint16_t>::max() + std::size_t{1}) {
        Tresolution<std::uint32_t>(rangs).resout();
    } else {
        Tresolution<std::uint64_t>(rangs).resout();
    }
}
