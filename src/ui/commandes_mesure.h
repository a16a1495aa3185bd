#pragma once

#include "i18n/traducteur.h"
#include "ui/pilote.h"

#include <QObject>

#include <cstdint>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;

// The commands that drive a run beyond starting it: pause and resume, one
// generation, continue, replay from the seed, and the pace. They come after
// the window's own items in its menu and on its tool bar; the seed of the last
// run shows in the status bar.
class Tcommandes_mesure : public QObject {
    Q_OBJECT
public:
    Tcommandes_mesure(QMainWindow& fenetre, QMenu& outils, QToolBar& barre,
                      Tpilote_mesure::Tvue vue);

    // A new run: the seed typed on the control panel, or a new one.
    void lance_nouvelle();

    // Texts in the current language, enabled states from the run's state.
    // Sets only what changed (it runs inside the window's paint event).
    void rafraichit(const Traducteur& t);

    Tpilote_mesure& pilote() { return *pilote_; }

    QAction* Pause = nullptr;
    QAction* Pas = nullptr;
    QAction* Poursuivre = nullptr;
    QAction* Rejouer = nullptr;
    QAction* Theorie = nullptr;       // the dashed curves of an infinite population
    QAction* Heterozygotie = nullptr; // the lower plot shows heterozygosity
    QMenu* MenuCadence = nullptr;
    QComboBox* ChoixCadence = nullptr;
    QLabel* LabGraine = nullptr;

    // Paces offered, in generations per second (0: as fast as possible).
    static constexpr std::uint32_t cadences[] = {0, 2, 5, 10, 25, 50};

private:
    void PauseExecute();
    void PasExecute();
    void PoursuivreExecute();
    void RejouerExecute();
    void choisit_cadence(std::uint32_t cadence);

    QMainWindow& fenetre;
    Tpilote_mesure* pilote_ = nullptr;
    QActionGroup* groupe_cadence = nullptr;
};
