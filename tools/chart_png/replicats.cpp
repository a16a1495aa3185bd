#include "replicats.h"

#include "chart/graphique.h"
#include "ui/surface_image.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int nb_replicats = 100;
constexpr int nb_generations = 200;
constexpr int copies = 200; // gene copies: 100 diploid individuals
constexpr double depart = 0.3;

// The expected frequency of allele 1 in percent, and two standard deviations
// of drift around it after t generations, clamped to the axis.
void trace_theorie(Tgraphique& g, int t) {
    const double variance =
        depart * (1.0 - depart) * (1.0 - std::pow(1.0 - 1.0 / copies, static_cast<double>(t)));
    const double ecart = 2.0 * std::sqrt(variance);
    g.ajoute_point_courbe(nb_replicats, t, static_cast<float>(100.0 * depart));
    g.ajoute_point_courbe(nb_replicats + 1, t,
                          static_cast<float>(100.0 * std::min(1.0, depart + ecart)));
    g.ajoute_point_courbe(nb_replicats + 2, t,
                          static_cast<float>(100.0 * std::max(0.0, depart - ecart)));
}

QImage dessine(int largeur, int hauteur, unsigned long graine) {
    Tsurface_image ecran(largeur, hauteur);
    Tgraphique g;
    g.attache_ecran(ecran);
    g.abscisse = {"Nb générations", "10 par graduation", nb_generations, 0, 10};
    g.ordonnee = {"Fréquence de l'allèle 1", "%", 100, 0, 10};
    for (const char* nom : {"Fixé", "Perdu", "En cours"}) {
        g.ajoute_serie(nom, 0x000000);
    }
    for (std::uint32_t r = 0; r < nb_replicats; ++r) {
        g.courbes.push_back({Tvaleurs{}, couleur_replicat(r), false});
    }
    for (int k = 0; k < 3; ++k) {
        g.courbes.push_back({Tvaleurs{}, 0x0000FF, true}); // red, dashed
    }
    g.trace(false);

    std::mt19937_64 hasard(graine);
    std::vector<int> nombres(nb_replicats, static_cast<int>(copies * depart));
    for (int t = 0; t < nb_generations; ++t) {
        int fixes = 0;
        int perdus = 0;
        for (std::size_t r = 0; r < nombres.size(); ++r) {
            if (t > 0) {
                std::binomial_distribution<int> tirage(copies,
                                                       static_cast<double>(nombres[r]) / copies);
                nombres[r] = tirage(hasard);
            }
            g.ajoute_point_courbe(r, t, 100.0f * static_cast<float>(nombres[r]) / copies);
            fixes += nombres[r] == copies;
            perdus += nombres[r] == 0;
        }
        trace_theorie(g, t);
        g.series[0].legende = std::to_string(fixes);
        g.series[1].legende = std::to_string(perdus);
        g.series[2].legende = std::to_string(nb_replicats - fixes - perdus);
        g.trace(true);
    }
    return ecran.image().copy();
}

} // namespace

bool ecrit_replicats(const QDir& dossier, unsigned long graine) {
    bool ok = true;
    for (const auto& [largeur, hauteur] : {std::pair{515, 209}, std::pair{1200, 500}}) {
        const QString chemin =
            dossier.filePath(QStringLiteral("replicats-%1x%2.png").arg(largeur).arg(hauteur));
        const bool ecrit = dessine(largeur, hauteur, graine).save(chemin, "PNG");
        std::printf("%s %s\n", ecrit ? "wrote" : "FAILED", chemin.toLocal8Bit().constData());
        ok = ok && ecrit;
    }
    return ok;
}
