// A whole run of the real main window, offscreen, with every drawing: the
// time from the Mesure command to the end of the run, and at N = 10000 the same
// run with the charts drawn nowhere, which gives the drawing's share.
#include "model/options_mesure.h"
#include "ui/ProjetType.h"
#include "ui/ecran.h"
#include "ui/graphiques.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

double mesure(TForm1& fenetre, int repetitions) {
    double meilleur = 1e30;
    for (int i = 0; i < repetitions; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        fenetre.MesureExecute();
        const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        meilleur = std::min(meilleur, duree.count());
    }
    return meilleur;
}

void passe_a_n_10000(TForm1& fenetre) {
    parametres.effectif_min = 10000;
    parametres.effectif_max = 10000;
    parametres.nb_generations = 1000;
    fenetre.RafraichitExecute();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    TForm1 fenetre;
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }

    options_mesure.graine = 1; // the same runs every time

    // With the argument "profil": the N = 10000 run once, for a profiler.
    if (argc > 1 && std::strcmp(argv[1], "profil") == 0) {
        passe_a_n_10000(fenetre);
        mesure(fenetre, 1);
        return 0;
    }
    std::printf("%-44s %10s\n", "run (best of 5)", "seconds");
    std::printf("%-44s %10.3f\n", "defaults (300..1000, 100 generations)", mesure(fenetre, 5));

    passe_a_n_10000(fenetre);
    const double avec_dessin = mesure(fenetre, 5);
    std::printf("%-44s %10.3f\n", "N = 10000, 1000 generations", avec_dessin);

    // The same run with the charts drawn nowhere: the difference is the drawing.
    graphique_frequences.ecran = nullptr;
    graphique_effectif.ecran = nullptr;
    const double sans_dessin = mesure(fenetre, 5);
    graphique_frequences.attache_ecran(*fenetre.Ecran2);
    graphique_effectif.attache_ecran(*fenetre.Ecran1);
    std::printf("%-44s %10.3f\n", "  the same, charts not drawn", sans_dessin);
    std::printf("%-44s %10.3f\n", "  drawing (difference)", avec_dessin - sans_dessin);
    return 0;
}
