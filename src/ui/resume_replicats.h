#pragma once

#include "i18n/traducteur.h"
#include "model/resume.h"

#include <QDockWidget>

class QLabel;
class QTableWidget;

// After a run of several populations: per allele, how many fixed it, lost it
// or still carry it, and the mean generation of fixation and of loss; then
// how many died out. A panel docked beside the charts, which the user may
// move, float or close.
class Tresume_replicats : public QDockWidget {
    Q_OBJECT
public:
    explicit Tresume_replicats(QWidget* parent = nullptr);

    // Fills the table from the summary of the last run, in the current
    // language.
    void montre(const Tresume_lot& resume);
    // The texts again, in the current language.
    void retraduit();

    QTableWidget* Table = nullptr;
    QLabel* LabEteintes = nullptr;

private:
    Tresume_lot resume_;
    bool deja_montre = false;
};
