#include "reference.h"

#include "model/generation.h"
#include "model/hasard.h"
#include "model/parametres.h"

#include <cstdint>
#include <vector>

void melange_litteral(Tpopulation& p) {
    std::vector<Tindividu> restants = p.contenu();
    std::vector<Tindividu> melanges;
    while (!restants.empty()) {
        const std::uint32_t k = tire(static_cast<std::uint32_t>(restants.size()));
        melanges.push_back(restants[k]);
        restants.erase(restants.begin() + k);
    }
    p = Tpopulation(melanges);
}

void cree_population_initiale_litterale() {
    population.vide();
    const std::uint32_t t = parametres.resolution;
    std::vector<std::uint32_t> table(t, 0);
    std::uint32_t position = 0;
    for (std::uint32_t i = 0; i < parametres.ajuste().nb_alleles; ++i) {
        const auto nombre =
            static_cast<std::uint32_t>(static_cast<double>(parametres.frequence(i)) * t);
        for (std::uint32_t e = 0; e < nombre && position < t; ++e) {
            table[position++] = i;
        }
    }
    for (std::uint32_t n = 0; n < parametres.effectif_min; ++n) {
        Tindividu x;
        x.allele1 = table[tire(t)];
        x.allele2 = table[tire(t)];
        x.vivant = true;
        x.sexe = tire(t) < t / 2;
        population.ajoute(x);
    }
    melange_litteral(population);
}

void generation_suivante_litterale() {
    Tpopulation nouvelle;
    for (unsigned r = 0; r < population.taille(); ++r) {
        if (population.individu(r).accouple) {
            continue;
        }
        population.individu(r).accouple = true;
        const Tindividu p1 = population.individu(r);
        const unsigned m = cherche_partenaire(r);
        if (m == 0) {
            continue;
        }
        population.individu(m).accouple = true;
        const Tindividu p2 = population.individu(m);
        const unsigned enfants = nb_descendants();
        for (unsigned e = 0; e < enfants; ++e) {
            Tindividu enfant = cree_enfant(p1, p2);
            if (enfant.homozygote()) {
                const std::uint32_t x = tire(parametres.resolution);
                const double seuil = static_cast<double>(parametres.letalite(enfant.allele1)) *
                                     parametres.resolution;
                if (!(x >= seuil)) {
                    enfant.vivant = false;
                }
            }
            if (enfant.vivant) {
                nouvelle.ajoute(enfant);
            }
        }
    }
    melange_litteral(nouvelle);
    population = nouvelle;
}

void PrintTo(const Tindividu& x, std::ostream* os) {
    *os << "{sexe " << x.sexe << ", " << x.allele1 << "/" << x.allele2 << ", accouple "
        << x.accouple << ", vivant " << x.vivant << "}";
}
