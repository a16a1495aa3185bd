#include "model/generation.h"

#include "model/hasard.h"
#include "model/parametres.h"
#include "model/population.h"

#include <algorithm>
#include <utility>

namespace {

bool partenaire_possible(const Tindividu& x, bool sexe) {
    return x.vivant && !x.accouple && x.sexe == sexe;
}

// For each sex, every individual of that sex before its cursor can no longer
// be a mate (it is mated, not viable, or not behind the individual that looks
// for one), since `accouple` is only ever set during a generation. So the
// first free partner behind r is found by moving the cursor forward, never
// back: O(N) for all the searches of a generation.
class Tcurseurs {
public:
    unsigned partenaire(unsigned r) {
        const bool sexe = !population.individu(r).sexe;
        unsigned& curseur = curseurs[sexe ? 1 : 0];
        const unsigned n = population.taille();
        unsigned i = std::max(curseur, r + 1);
        while (i < n && !partenaire_possible(population.individu(i), sexe)) {
            ++i;
        }
        curseur = i;
        return i < n ? i : 0;
    }

private:
    unsigned curseurs[2] = {0, 0};
};

template <class Generateur>
Tindividu cree_enfant_avec(Generateur& g, const Tindividu& p1, const Tindividu& p2) {
    Tindividu enfant;
    enfant.allele1 = g.tire(100) < 50 ? p1.allele1 : p1.allele2;
    enfant.allele2 = g.tire(100) < 50 ? p2.allele1 : p2.allele2;
    enfant.sexe = g.tire(100) >= 50;
    enfant.vivant = true;
    enfant.accouple = false;
    return enfant;
}

// The children of one couple, the viable ones added to the new generation.
template <class Generateur>
void fait_enfants(Generateur& g, const Tindividu& p1, const Tindividu& p2, Tpopulation& nouvelle) {
    const unsigned enfants = tire_descendants(table_descendants_pour(parametres.fecondite, 10), g);
    for (unsigned e = 0; e < enfants; ++e) {
        Tindividu enfant = cree_enfant_avec(g, p1, p2);
        if (enfant.homozygote()) {
            const std::uint32_t resolution = parametres.resolution;
            const std::uint32_t x = g.tire(resolution);
            enfant.vivant = survit(parametres.letalite(enfant.allele1), resolution, x);
        }
        if (enfant.vivant) {
            nouvelle.ajoute(enfant);
        }
    }
}

template <class Generateur>
void fait_generation(Generateur& g) {
    Tpopulation nouvelle;
    Tcurseurs curseurs;
    for (unsigned r = 0; r < population.taille(); ++r) {
        Tindividu& premier = population.individu(r);
        if (premier.accouple) {
            continue;
        }
        premier.accouple = true;
        const Tindividu p1 = premier;
        const unsigned m = curseurs.partenaire(r);
        if (m == 0) {
            continue;
        }
        Tindividu& second = population.individu(m);
        second.accouple = true;
        const Tindividu p2 = second;
        fait_enfants(g, p1, p2, nouvelle);
    }
    nouvelle.melange_avec(g);
    population = std::move(nouvelle);
}

} // namespace

void generation_suivante() {
    if (hasard.imposees_restantes() > 0) {
        fait_generation(hasard);
        return;
    }
    // The draws are most of the work: keep the generator's state in registers.
    Tgenerateur g = hasard.prend();
    fait_generation(g);
    hasard.rend(g);
}

unsigned cherche_partenaire(unsigned a) {
    const unsigned n = population.taille();
    if (a >= n) {
        return 0;
    }
    const bool sexe = !population.individu(a).sexe;
    for (unsigned i = a + 1; i < n; ++i) {
        if (partenaire_possible(population.individu(i), sexe)) {
            return i;
        }
    }
    return 0;
}

bool survit(float letalite, std::uint32_t resolution, std::uint32_t x) {
    return static_cast<double>(x) > static_cast<double>(letalite) * resolution;
}

unsigned nb_descendants() {
    return tirage_poisson(parametres.fecondite, 10);
}

Tindividu cree_enfant(Tindividu p1, Tindividu p2) {
    return cree_enfant_avec(hasard, p1, p2);
}
