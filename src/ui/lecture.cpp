#include "ui/lecture.h"

#include "i18n/traducteur.h"
#include "ui/plateforme.h"

#include <algorithm>
#include <string>

using plateforme::qt;

QString texte_valeurs(const std::vector<const Tregistre_mesure*>& registres, std::uint32_t montrees,
                      std::int32_t g, std::uint32_t allele_suivi) {
    if (registres.empty() || g < 0 || static_cast<std::uint32_t>(g) >= montrees) {
        return {};
    }
    const Traducteur t;
    const auto i = static_cast<std::size_t>(g);
    const QString separateur = QStringLiteral(" · ");
    QString texte = qt(t.traduit("Génération")) + QStringLiteral(" ") + QString::number(g) +
                    QStringLiteral(" : ");
    const auto pourcent = [](double f) {
        return plateforme::decimal_un(static_cast<float>(100.0 * f)) + QStringLiteral(" %");
    };
    if (registres.size() == 1) {
        const Tregistre_mesure& r = *registres.front();
        const Tetat_generation& e = r.generations[i];
        const unsigned n = std::min(r.nb_alleles(), nb_alleles_maximal);
        if (e.taille > 0) {
            for (unsigned a = 0; a < n; ++a) {
                texte += qt(t.traduit("Allèle " + std::to_string(a + 1))) + QStringLiteral(" ") +
                         pourcent(e.alleles[a] / (2.0 * e.taille)) + separateur;
            }
        }
        return texte + qt(t.traduit("Taille")) + QStringLiteral(" ") + QString::number(e.taille) +
               separateur + qt(t.traduit("Panmixie")) + QStringLiteral(" ") +
               QString::number(e.indice_panmixie);
    }
    double frequences = 0.0;
    double tailles = 0.0;
    std::uint32_t vivantes = 0;
    const unsigned allele = std::min(allele_suivi, nb_alleles_maximal - 1);
    for (const Tregistre_mesure* r : registres) {
        const Tetat_generation& e = r->generations[i];
        if (e.taille > 0) {
            ++vivantes;
            tailles += e.taille;
            frequences += e.alleles[allele] / (2.0 * e.taille);
        }
    }
    const QString moyenne = QStringLiteral(" (") + qt(t.traduit("moyenne")) + QStringLiteral(")");
    if (vivantes > 0) {
        texte += qt(t.traduit("Allèle " + std::to_string(allele + 1))) + QStringLiteral(" ") +
                 pourcent(frequences / vivantes) + moyenne + separateur + qt(t.traduit("Taille")) +
                 QStringLiteral(" ") +
                 plateforme::decimal_un(static_cast<float>(tailles / vivantes)) + moyenne +
                 separateur;
    }
    return texte + qt(t.traduit("vivantes")) + QStringLiteral(" ") + QString::number(vivantes) +
           QStringLiteral(" / ") + QString::number(registres.size());
}
