#pragma once

// After a test of the main window: the process-wide objects as at start-up.
#include "i18n/traducteur.h"
#include "model/options_mesure.h"
#include "model/parametres.h"
#include "ui/graphiques.h"

#include <QLocale>

inline void remet_etat_initial() {
    QLocale::setDefault(QLocale::c());
    parametres = Tparametres_mesure();
    options_mesure = Toptions_mesure();
    affichage = Taffichage();
    graphique_frequences.supprime_series();
    graphique_effectif.supprime_series();
    graphique_frequences.courbes.clear();
    graphique_effectif.courbes.clear();
    graphique_frequences.abscisse.max = 100;
    graphique_effectif.abscisse.max = 100;
    Traducteur().langue() = francais;
}
