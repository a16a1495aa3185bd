#include "ui/commandes_mesure.h"

#include "model/hasard.h"
#include "model/options_mesure.h"
#include "ui/fixe.h"
#include "ui/graphiques.h"
#include "ui/icones.h"
#include "ui/plateforme.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

#include <iterator>
#include <string>

using plateforme::qt;

Tcommandes_mesure::Tcommandes_mesure(QMainWindow& f, QMenu& outils, QToolBar& barre,
                                     Tpilote_mesure::Tvue vue)
    : QObject(&f), fenetre(f) {
    vue.change_etat = [this, suite = vue.change_etat] {
        if (suite) {
            suite();
        }
        rafraichit(Traducteur());
    };
    pilote_ = new Tpilote_mesure(std::move(vue), this);

    const auto action = [&](const char* texte, QKeySequence raccourci,
                            void (Tcommandes_mesure::*h)()) {
        auto* a = new QAction(QString::fromUtf8(texte), &fenetre);
        a->setShortcut(raccourci);
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, h);
        return a;
    };
    Pause = action("Pa&use", QKeySequence(Qt::Key_F6), &Tcommandes_mesure::PauseExecute);
    Pas = action("&Génération suivante", QKeySequence(Qt::Key_F7), &Tcommandes_mesure::PasExecute);
    Poursuivre =
        action("P&oursuivre", QKeySequence(Qt::Key_F8), &Tcommandes_mesure::PoursuivreExecute);
    Rejouer = action("Re&jouer", QKeySequence(Qt::SHIFT | Qt::Key_F5),
                     &Tcommandes_mesure::RejouerExecute);
    Pause->setIcon(icone(icone_pause));
    Pas->setIcon(icone(icone_pas));
    Poursuivre->setIcon(icone(icone_poursuivre));
    Rejouer->setIcon(icone(icone_rejouer));

    MenuCadence = new QMenu(QStringLiteral("&Cadence"), &fenetre);
    groupe_cadence = new QActionGroup(this);
    ChoixCadence = new QComboBox(&barre);
    ChoixCadence->setObjectName(QStringLiteral("ChoixCadence"));
    ChoixCadence->setFocusPolicy(Qt::NoFocus);
    ChoixCadence->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const std::uint32_t cadence : cadences) {
        auto* a = new QAction(MenuCadence);
        a->setCheckable(true);
        a->setChecked(cadence == options_mesure.cadence);
        a->setData(cadence);
        groupe_cadence->addAction(a);
        MenuCadence->addAction(a);
        connect(a, &QAction::triggered, this, [this, cadence] { choisit_cadence(cadence); });
        ChoixCadence->addItem(QString(), cadence);
    }
    connect(ChoixCadence, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { choisit_cadence(ChoixCadence->itemData(i).toUInt()); });

    outils.addSeparator();
    outils.addAction(Pause);
    outils.addAction(Pas);
    outils.addAction(Poursuivre);
    outils.addAction(Rejouer);
    outils.addMenu(MenuCadence);
    outils.addSeparator();
    Theorie = new QAction(QStringLiteral("Courbes &théoriques"), &fenetre);
    Theorie->setCheckable(true);
    Theorie->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(Theorie, &QAction::toggled, this, [this](bool oui) {
        affichage.theorie = oui;
        fenetre.repaint();
    });
    Heterozygotie = new QAction(QStringLiteral("&Hétérozygotie au lieu de l'effectif"), &fenetre);
    Heterozygotie->setCheckable(true);
    Heterozygotie->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(Heterozygotie, &QAction::toggled, this, [this](bool oui) {
        affichage.heterozygotie = oui;
        fenetre.repaint();
    });
    outils.addAction(Theorie);
    outils.addAction(Heterozygotie);
    barre.addSeparator();
    barre.addAction(Pause);
    barre.addAction(Pas);
    barre.addAction(Poursuivre);
    barre.addAction(Rejouer);
    barre.addWidget(ChoixCadence);

    LabGraine = new QLabel(&fenetre);
    LabGraine->setObjectName(QStringLiteral("LabGraine"));
    LabGraine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fenetre.statusBar()->addPermanentWidget(LabGraine);
}

void Tcommandes_mesure::lance_nouvelle() {
    pilote_->demarre(options_mesure.graine.value_or(graine_horloge()));
}

void Tcommandes_mesure::choisit_cadence(std::uint32_t cadence) {
    options_mesure.cadence = cadence;
    pilote_->change_cadence();
    rafraichit(Traducteur());
}

void Tcommandes_mesure::PauseExecute() {
    if (pilote_->etat() == Tpilote_mesure::Tetat::en_cours) {
        pilote_->pause();
    } else {
        pilote_->reprend();
    }
}

void Tcommandes_mesure::PasExecute() {
    pilote_->pas();
}

void Tcommandes_mesure::PoursuivreExecute() {
    std::string pourquoi;
    if (!pilote_->poursuit(pourquoi)) {
        const Traducteur t;
        QMessageBox::information(&fenetre, qt(t.traduit("Génétique des populations")),
                                 qt(t.traduit(pourquoi)));
    }
}

void Tcommandes_mesure::RejouerExecute() {
    if (pilote_->a_une_mesure() && pilote_->etat() != Tpilote_mesure::Tetat::en_cours) {
        pilote_->rejoue();
    }
}

void Tcommandes_mesure::rafraichit(const Traducteur& t) {
    using Tetat = Tpilote_mesure::Tetat;
    const Tetat etat = pilote_->etat();
    const bool en_pause = etat == Tetat::en_pause;
    fixe_texte(Pause, qt(t.traduit(en_pause ? "&Reprendre" : "Pa&use")));
    fixe_bulle(Pause, qt(t.traduit(en_pause ? "Reprend la mesure" : "Met la mesure en pause")));
    fixe_actif(Pause, etat != Tetat::repos);
    fixe_texte(Pas, qt(t.traduit("&Génération suivante")));
    fixe_bulle(Pas, qt(t.traduit("Avance d'une génération")));
    fixe_actif(Pas, en_pause);
    fixe_texte(Poursuivre, qt(t.traduit("P&oursuivre")));
    fixe_bulle(Poursuivre, qt(t.traduit("Ajoute des générations aux mêmes populations")));
    fixe_actif(Poursuivre, etat == Tetat::repos && pilote_->a_une_mesure());
    fixe_texte(Rejouer, qt(t.traduit("Re&jouer")));
    fixe_bulle(Rejouer, qt(t.traduit("Refait la dernière mesure avec sa graine")));
    fixe_actif(Rejouer, etat != Tetat::en_cours && pilote_->a_une_mesure());

    fixe_texte(Theorie, qt(t.traduit("Courbes &théoriques")));
    fixe_texte(Heterozygotie, qt(t.traduit("&Hétérozygotie au lieu de l'effectif")));
    const QString cadence = qt(t.traduit("&Cadence"));
    if (MenuCadence->title() != cadence) {
        MenuCadence->setTitle(cadence);
    }
    const QString par_seconde = qt(" " + t.traduit("générations par seconde"));
    const QList<QAction*> actions = groupe_cadence->actions();
    for (int i = 0; i < actions.size(); ++i) {
        const std::uint32_t c = cadences[i];
        const QString texte =
            c == 0 ? qt(t.traduit("&Maximale")) : QString::number(c) + par_seconde;
        fixe_texte(actions[i], texte);
        if (actions[i]->isChecked() != (c == options_mesure.cadence)) {
            actions[i]->setChecked(c == options_mesure.cadence);
        }
        // The tool bar's list is short: "10 gen./s".
        QString court = c == 0 ? texte : QString::number(c) + qt(" " + t.traduit("gén./s"));
        court.remove(QLatin1Char('&'));
        if (ChoixCadence->itemText(i) != court) {
            ChoixCadence->setItemText(i, court);
        }
        if (c == options_mesure.cadence && ChoixCadence->currentIndex() != i) {
            ChoixCadence->setCurrentIndex(i);
        }
    }
    const QString graine = pilote_->a_une_mesure() ? qt(t.traduit("Graine")) + QStringLiteral(" ") +
                                                         QString::number(pilote_->graine())
                                                   : QString();
    if (LabGraine->text() != graine) {
        LabGraine->setText(graine);
    }
}
