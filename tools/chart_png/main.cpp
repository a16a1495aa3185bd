// Runs the real main window offscreen on a sample run, and writes both charts
// as PNG files at their first sizes and at a large size, to look at them; then
// a chart of replicate populations (replicats.cpp).
//
//   chart_png [output folder] [seed]
//
// The run has three alleles and a fertility that keeps the population alive;
// the language follows the locale (LANG=fr_FR.UTF-8 for French).
#include "model/hasard.h"
#include "replicats.h"
#include "ui/ProjetType.h"
#include "ui/ecran.h"
#include "ui/graphiques.h"
#include "ui/surface_image.h"

#include <QApplication>
#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

bool ecrit(const QImage& image, const QDir& dossier, const char* nom) {
    const QString chemin = dossier.filePath(QString::fromLatin1(nom));
    const bool ok = image.save(chemin, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", chemin.toLocal8Bit().constData());
    return ok;
}

// The chart drawn in full on an image of its own.
QImage en_grand(Tgraphique& graphique, Tsurface& ecran_fenetre) {
    Tsurface_image grand(1200, 500);
    graphique.attache_ecran(grand);
    graphique.trace(false);
    graphique.attache_ecran(ecran_fenetre);
    return grand.image().copy();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const unsigned long graine = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 7;

    parametres.nb_alleles = 3;
    parametres.fecondite = 2.3f;
    TForm1 fenetre;
    fenetre.show();
    QApplication::processEvents();
    hasard.seme(graine);
    fenetre.MesureExecute();
    QApplication::processEvents();

    bool ok = ecrit(fenetre.Ecran2->image(), dossier, "frequences-515x209.png");
    ok = ecrit(fenetre.Ecran1->image(), dossier, "effectif-515x153.png") && ok;
    ok = ecrit(en_grand(graphique_frequences, *fenetre.Ecran2), dossier,
               "frequences-1200x500.png") &&
         ok;
    ok = ecrit(en_grand(graphique_effectif, *fenetre.Ecran1), dossier, "effectif-1200x500.png") &&
         ok;
    ok = ecrit_replicats(dossier, graine) && ok;
    return ok ? 0 : 1;
}
