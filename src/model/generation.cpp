#include "model/generation.h"

#include "model/contexte.h"

#include "model/hasard.h"
#include "model/parametres.h"
#include "model/population.h"

#include <algorithm>
#include <vector>

namespace {

bool partenaire_possible(const Tindividu& x, bool sexe) {
    return x.vivant && !x.accouple && x.sexe == sexe;
}

// When every individual not yet mated is viable, the k-th free individual of
// one sex mates with the k-th free individual of the other: when the turn
// comes to the first of the two, the k-1 before each are already paired and
// the other is the first free one of its sex behind it. Answers false, with
// nothing formed, when some free individual is not viable (it takes a mate
// but cannot be one).
bool forme_couples_par_rang(const Tpopulation& population, Ttampons_generation& t) {
    const unsigned n = population.taille();
    for (std::vector<unsigned>& libres : t.libres) {
        if (libres.size() < n) {
            libres.resize(n);
        }
    }
    unsigned nombres[2] = {0, 0};
    bool tous_viables = true;
    for (unsigned i = 0; i < n; ++i) {
        const Tindividu& x = population.individu(i);
        const unsigned sexe = x.sexe ? 1 : 0;
        t.libres[sexe][nombres[sexe]] = i;
        nombres[sexe] += x.accouple ? 0 : 1;
        tous_viables = tous_viables && (x.vivant || x.accouple);
    }
    if (!tous_viables) {
        return false;
    }
    const unsigned nombre = std::min(nombres[0], nombres[1]);
    t.couples.resize(nombre);
    for (unsigned k = 0; k < nombre; ++k) {
        const unsigned a = t.libres[0][k];
        const unsigned b = t.libres[1][k];
        t.couples[k] = {std::min(a, b), std::max(a, b)};
    }
    return true;
}

// Any population: each individual not yet mated, in order, takes the first
// free partner behind it. For each sex, every individual of that sex before
// its cursor can no longer be a mate (it is mated, not viable, or not behind
// the individual that looks for one), so the cursors only move forward: O(N).
void forme_couples_en_avancant(const Tpopulation& population, std::vector<Tcouple>& couples) {
    const unsigned n = population.taille();
    std::vector<bool> accouples(n);
    unsigned curseurs[2] = {0, 0};
    for (unsigned r = 0; r < n; ++r) {
        if (accouples[r] || population.individu(r).accouple) {
            continue;
        }
        const bool sexe = !population.individu(r).sexe;
        unsigned& i = curseurs[sexe ? 1 : 0];
        i = std::max(i, r + 1);
        while (i < n && (accouples[i] || !partenaire_possible(population.individu(i), sexe))) {
            ++i;
        }
        if (i < n) {
            accouples[i] = true;
            couples.push_back({r, i});
        }
    }
}

// The couples of the population, in the order in which they form, into
// t.couples. Mating draws nothing, so they can all be formed first.
void forme_couples(const Tpopulation& population, Ttampons_generation& t) {
    t.couples.clear();
    if (!forme_couples_par_rang(population, t)) {
        t.couples.clear();
        forme_couples_en_avancant(population, t.couples);
    }
}

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

// What the children of one generation depend on besides their parents, read
// from the parameters when the generation starts (nothing changes them before
// it ends).
class Tnaissances {
public:
    Tnaissances(const Tparametres_mesure& parametres, std::vector<Tindividu>& tampon)
        : enfants(tampon), resolution(parametres.resolution),
          effectif_max(parametres.effectif_max) {
        // One threshold per allele that has a lethality, then one for all
        // the alleles beyond (whose lethality is 0).
        const auto nombre = static_cast<unsigned>(parametres.letalites.size());
        for (unsigned a = 0; a <= nombre; ++a) {
            seuils.push_back(static_cast<double>(parametres.letalite(a)) * resolution);
        }
    }

    // The children of one couple: the viable ones are appended to enfants,
    // whose first `nombre` entries are the new generation so far.
    template <class Generateur>
    void fait_enfants(Generateur& g, const Ttable_descendants& table, const Tindividu& p1,
                      const Tindividu& p2) {
        const unsigned enfants_du_couple = tire_descendants(table, g);
        place_pour(enfants_du_couple);
        for (unsigned e = 0; e < enfants_du_couple; ++e) {
            Tindividu enfant = cree_enfant_avec(g, p1, p2);
            // Only a homozygote draws for its lethality; a branch on it would
            // be mispredicted about once per two children.
            const bool homozygote = enfant.homozygote();
            const std::uint32_t x = tire_si(g, homozygote, resolution);
            enfant.vivant = !homozygote | (static_cast<double>(x) >= seuil(enfant.allele1));
            // Written in any case, kept only when viable and below the cap.
            // Member by member: a whole copy goes through the stack.
            Tindividu& place = enfants[nombre];
            place.sexe = enfant.sexe;
            place.allele1 = enfant.allele1;
            place.allele2 = enfant.allele2;
            place.accouple = enfant.accouple;
            place.vivant = enfant.vivant;
            nombre += enfant.vivant && nombre < effectif_max ? 1 : 0;
        }
    }

    std::vector<Tindividu>& enfants;
    unsigned nombre = 0;

private:
    double seuil(std::uint32_t allele) const {
        return seuils[std::min<std::size_t>(allele, seuils.size() - 1)];
    }

    void place_pour(unsigned enfants_du_couple) {
        if (enfants.size() < std::size_t{nombre} + enfants_du_couple + 1) {
            enfants.resize(2 * (std::size_t{nombre} + enfants_du_couple + 1));
        }
    }

    std::uint32_t resolution;
    std::uint32_t effectif_max;
    std::vector<double> seuils;
};

template <class Generateur>
void fait_generation(Tcontexte_mesure& c, Generateur& g) {
    Ttampons_generation& t = c.tampons();
    Tpopulation& population = c.population();
    const Tparametres_mesure& parametres = c.parametres();
    forme_couples(population, t);
    Tnaissances naissances(parametres, t.enfants);
    if (!t.couples.empty()) {
        // Filled, when need be, as the first couple draws from it; the mean
        // cannot change before the generation ends.
        const Ttable_descendants& table =
            table_descendants_pour(c.table(), parametres.resolution, parametres.fecondite, 10);
        for (const Tcouple& couple : t.couples) {
            naissances.fait_enfants(g, table, population.individu(couple.premier),
                                    population.individu(couple.second));
        }
    }
    population.remplace_melange(g, naissances.enfants.data(), naissances.nombre, t.ordre);
}

} // namespace

unsigned generation_suivante(Tcontexte_mesure& c) {
    Thasard& hasard = c.hasard();
    if (hasard.imposees_restantes() > 0) {
        fait_generation(c, hasard);
    } else {
        // The draws are most of the work: read the generator's words ahead,
        // with the read position in a register.
        Tgenerateur_bloc g(hasard.prend(), c.tampons().bloc);
        fait_generation(c, g);
        hasard.rend(g.rend());
    }
    return static_cast<unsigned>(c.tampons().couples.size());
}

void generation_suivante() {
    generation_suivante(contexte_global());
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
    return static_cast<double>(x) >= static_cast<double>(letalite) * resolution;
}

unsigned nb_descendants() {
    return tirage_poisson(parametres.fecondite, 10);
}

Tindividu cree_enfant(Tindividu p1, Tindividu p2) {
    return cree_enfant_avec(hasard, p1, p2);
}
