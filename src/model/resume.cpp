#include "model/resume.h"

#include <cmath>

void Tmoyenne::ajoute(double x) {
    ++n;
    const double ecart = x - moyenne;
    moyenne += ecart / static_cast<double>(n);
    m2 += ecart * (x - moyenne);
}

double Tmoyenne::ecart_type() const {
    return n < 2 ? 0.0 : std::sqrt(m2 / static_cast<double>(n - 1));
}

void Tresume_lot::ajoute(const Tregistre_mesure& registre) {
    if (replicats == 0) {
        nb_alleles = registre.nb_alleles();
    }
    ++replicats;
    if (registre.dernier().taille == 0) {
        ++eteintes;
    } else {
        for (unsigned k = 0; k < nb_alleles && k < nb_alleles_maximal; ++k) {
            Tallele& a = alleles[k];
            switch (registre.issue(k)) {
            case Tissue::fixe:
                ++a.fixe;
                a.fixation.ajoute(*registre.generation_fixation(k));
                break;
            case Tissue::perdu:
                ++a.perdu;
                a.perte.ajoute(*registre.generation_perte(k));
                break;
            case Tissue::en_segregation:
                ++a.en_segregation;
                break;
            case Tissue::eteinte:
                break;
            }
        }
    }
    if (generations.size() < registre.generations.size()) {
        generations.resize(registre.generations.size());
    }
    for (std::size_t g = 0; g < registre.generations.size(); ++g) {
        const Tetat_generation& e = registre.generations[g];
        Tgeneration& s = generations[g];
        s.taille.ajoute(e.taille);
        if (e.taille == 0) {
            continue;
        }
        for (unsigned k = 0; k < nb_alleles && k < nb_alleles_maximal; ++k) {
            s.frequences[k].ajoute(static_cast<double>(e.alleles[k]) / (2.0 * e.taille));
        }
        s.heterozygotie_observee.ajoute(e.heterozygotie_observee());
        s.heterozygotie_attendue.ajoute(e.heterozygotie_attendue());
    }
}
