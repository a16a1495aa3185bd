#include "ui/resume_replicats.h"

#include "ui/placement.h"
#include "ui/plateforme.h"

#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <string>

using plateforme::qt;

namespace {

QTableWidgetItem* cellule(const QString& texte) {
    auto* c = new QTableWidgetItem(texte);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return c;
}

// A mean generation with one decimal, or a dash when no replicate gave one.
QString moyenne(const Tmoyenne& m) {
    return m.n > 0 ? plateforme::decimal_un(static_cast<float>(m.moyenne)) : QStringLiteral("–");
}

} // namespace

Tresume_replicats::Tresume_replicats(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("Tresume_replicats"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    auto* contenu = new QWidget(this);
    auto* colonne = new QVBoxLayout(contenu);
    Table = new QTableWidget(contenu);
    Table->setColumnCount(6);
    Table->verticalHeader()->hide();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    LabEteintes = new QLabel(contenu);
    colonne->addWidget(Table);
    colonne->addWidget(LabEteintes);
    setWidget(contenu);
    hide();
}

void Tresume_replicats::montre(const Tresume_lot& resume) {
    resume_ = resume;
    retraduit();
    if (!deja_montre) {
        // Floating at first, beside the window, so that the charts keep their
        // width; the user may dock it.
        deja_montre = true;
        setFloating(true);
        if (parentWidget() != nullptr) {
            // To the right of the window when the screen has room, else under it.
            const QRect cadre = parentWidget()->frameGeometry();
            const QSize taille(Table->horizontalHeader()->length() + 40, 220);
            resize(taille);
            const QScreen* ecran = parentWidget()->screen();
            const bool a_droite = ecran == nullptr || cadre.right() + 8 + taille.width() <=
                                                          ecran->availableGeometry().right();
            move(a_droite ? QPoint(cadre.right() + 8, cadre.top())
                          : QPoint(cadre.left(), cadre.bottom() + 8));
        }
    }
    show();
    placement::garde_dans_ecran(*this);
}

void Tresume_replicats::retraduit() {
    const Traducteur t;
    setWindowTitle(qt(t.traduit("Résumé des réplicats")));
    Table->setHorizontalHeaderLabels({qt(t.traduit("Allèle")), qt(t.traduit("Fixé")),
                                      qt(t.traduit("Perdu")), qt(t.traduit("En ségrégation")),
                                      qt(t.traduit("Fixation (génération moyenne)")),
                                      qt(t.traduit("Perte (génération moyenne)"))});
    const unsigned n = resume_.nb_alleles;
    Table->setRowCount(static_cast<int>(n));
    for (unsigned a = 0; a < n; ++a) {
        const Tresume_lot::Tallele& x = resume_.alleles[a];
        const int l = static_cast<int>(a);
        Table->setItem(l, 0, cellule(qt(t.traduit("Allèle " + std::to_string(a + 1)))));
        Table->setItem(l, 1, cellule(QString::number(x.fixe)));
        Table->setItem(l, 2, cellule(QString::number(x.perdu)));
        Table->setItem(l, 3, cellule(QString::number(x.en_segregation)));
        Table->setItem(l, 4, cellule(moyenne(x.fixation)));
        Table->setItem(l, 5, cellule(moyenne(x.perte)));
    }
    LabEteintes->setText(qt(t.traduit("Éteintes")) + QStringLiteral(" ") +
                         QString::number(resume_.eteintes) + QStringLiteral(" / ") +
                         QString::number(resume_.replicats));
}
