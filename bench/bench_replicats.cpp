// Many populations in the real window, offscreen: 100 replicates of 1000
// individuals over 200 generations, computed on the worker threads and drawn
// as they go. Gives the whole run's time and the longest time the event loop
// went without turning (the gap between two ticks of a 5 ms timer).
//
//   bench_replicats [replicates] [size] [generations]

#include "model/options_mesure.h"
#include "model/parametres.h"
#include "ui/ProjetType.h"
#include "ui/commandes_mesure.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const std::uint32_t replicats = argc > 1 ? std::stoul(argv[1]) : 100;
    const std::uint32_t taille = argc > 2 ? std::stoul(argv[2]) : 1000;
    const std::uint32_t generations = argc > 3 ? std::stoul(argv[3]) : 200;
    TForm1 fenetre;
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    parametres.effectif_min = taille;
    parametres.effectif_max = taille;
    parametres.fecondite = 2.5f;
    parametres.nb_generations = generations;
    options_mesure.replicats = replicats;
    options_mesure.graine = 20261207;

    double meilleur = 1e9;
    qint64 plus_long_arret = 0;
    for (int essai = 0; essai < 3; ++essai) {
        QElapsedTimer depuis_tic;
        qint64 arret = 0;
        QTimer tic;
        QObject::connect(&tic, &QTimer::timeout,
                         [&] { arret = std::max(arret, depuis_tic.restart()); });
        tic.start(5);
        QElapsedTimer chrono;
        chrono.start();
        depuis_tic.start();
        fenetre.MesureExecute();
        Tpilote_mesure& pilote = fenetre.commandes_mesure->pilote();
        while (pilote.etat() != Tpilote_mesure::Tetat::repos) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        const double secondes = chrono.nsecsElapsed() / 1e9;
        tic.stop();
        meilleur = std::min(meilleur, secondes);
        plus_long_arret = std::max(plus_long_arret, arret);
    }
    std::printf("%u replicates of %u individuals, %u generations, drawn live: %.2f s (best "
                "of 3); longest gap between two 5 ms ticks: %lld ms\n",
                replicats, taille, generations, meilleur, static_cast<long long>(plus_long_arret));
    return 0;
}
