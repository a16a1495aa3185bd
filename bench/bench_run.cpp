// A whole run of the real main window, offscreen, with every drawing: the
// time from the Mesure command to the end of the run.
#include "ui/ProjetType.h"
#include "ui/graphiques.h"

#include <QApplication>
#include <QTest>

#include <chrono>
#include <cstdio>

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

    std::printf("%-44s %10s\n", "run (best of 5)", "seconds");
    std::printf("%-44s %10.3f\n", "defaults (300..1000, 100 generations)", mesure(fenetre, 5));

    parametres.effectif_min = 10000;
    parametres.effectif_max = 10000;
    parametres.nb_generations = 1000;
    fenetre.RafraichitExecute();
    std::printf("%-44s %10.3f\n", "N = 10000, 1000 generations", mesure(fenetre, 5));
    return 0;
}
