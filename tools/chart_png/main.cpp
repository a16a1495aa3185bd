// Fills both charts of the main window with a sample run, drawn as a run draws
// them (a full drawing, then one update per generation), and writes them as
// PNG files at their first sizes and at a large size.
//
//   chart_png [output folder]
#include "donnees_exemple.h"

#include "chart/graphique.h"
#include "ui/surface_image.h"

#include <QDir>
#include <QGuiApplication>
#include <QString>

#include <cstdio>

namespace {

constexpr unsigned nb_alleles = 3;
constexpr std::int32_t nb_generations = 100;
constexpr std::int32_t effectif_max = 1000;
constexpr Tcouleur vert = 0x008000;

// Titles, ranges and series as the main window sets them, in French.
void prepare(Tgraphique& frequences, Tgraphique& effectif) {
    for (Tgraphique* g : {&frequences, &effectif}) {
        g->abscisse.titre = "Nb générations";
        g->abscisse.unite = std::to_string(g->abscisse.pas) + " par graduation";
        g->abscisse.max = nb_generations;
    }
    frequences.ordonnee.titre = "Fréquences alléliques";
    frequences.ordonnee.unite = "%";
    effectif.ordonnee.titre = "Effectif";
    effectif.ordonnee.unite = "Nb individus";
    effectif.ordonnee.max = effectif_max;
    effectif.ordonnee.pas = effectif_max / 10;

    const Tseries_aspect aspect;
    for (unsigned i = 0; i < nb_alleles; ++i) {
        frequences.ajoute_serie(aspect[i].nom, aspect[i].couleur);
    }
    effectif.ajoute_serie("Effectif", vert);
}

bool ecrit(Tsurface_image& surface, const QDir& dossier, const char* nom) {
    const QString chemin = dossier.filePath(QString::fromLatin1(nom));
    const bool ok = surface.image().save(chemin, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", chemin.toLocal8Bit().constData());
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    Tgraphique frequences;
    Tgraphique effectif;
    prepare(frequences, effectif);

    Tsurface_image ecran2(515, 209);
    Tsurface_image ecran1(515, 153);
    frequences.attache_ecran(ecran2);
    effectif.attache_ecran(ecran1);

    frequences.trace(false);
    effectif.trace(false);
    run_exemple(nb_alleles, nb_generations, effectif_max,
                [&](std::int32_t g, const Generation_exemple& generation) {
                    effectif.ajoute_point(0, g, static_cast<float>(generation.effectif));
                    for (std::size_t i = 0; i < frequences.nb_series(); ++i) {
                        frequences.ajoute_point(static_cast<std::int32_t>(i), g,
                                                generation.frequences[i] * 100.0f);
                    }
                    effectif.trace(true);
                    frequences.trace(true);
                });

    bool ok = ecrit(ecran2, dossier, "frequences-515x209.png");
    ok = ecrit(ecran1, dossier, "effectif-515x153.png") && ok;

    Tsurface_image grand(1200, 500);
    frequences.attache_ecran(grand);
    frequences.trace(false);
    ok = ecrit(grand, dossier, "frequences-1200x500.png") && ok;
    effectif.attache_ecran(grand);
    effectif.trace(false);
    ok = ecrit(grand, dossier, "effectif-1200x500.png") && ok;
    return ok ? 0 : 1;
}
