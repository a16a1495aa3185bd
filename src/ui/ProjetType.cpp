#include "ui/ProjetType.h"

#include "model/hasard.h"
#include "model/options_mesure.h"
#include "model/resume.h"
#include "model/simulation.h"
#include "ui/Apropos.h"
#include "ui/aide.h"
#include "ui/commandes_fichier.h"
#include "ui/commandes_mesure.h"
#include "ui/ecran.h"
#include "ui/fixe.h"
#include "ui/graphiques.h"
#include "ui/icones.h"
#include "ui/lecture.h"
#include "ui/placement.h"
#include "ui/plateforme.h"
#include "ui/reglages.h"
#include "ui/resume_replicats.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QProgressBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QTranslator>

#include <algorithm>

using plateforme::qt;

namespace {

// Design-time client area under the menu bar and the tool bar.
constexpr QSize zone_conception(644, 372);

QLabel* cree_label(QWidget* parent, int x, int y) {
    auto* label = new QLabel(parent);
    label->move(x, y);
    return label;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Form1"));
    cree_actions();
    cree_menus();
    cree_barre_outils();
    cree_zone_client();
    Tpilote_mesure::Tvue vue;
    const Tfenetre_simulation crochets = crochets_simulation();
    vue.rafraichit = crochets.rafraichit;
    vue.echap = crochets.echap;
    vue.fixe_panmixie = crochets.fixe_panmixie;
    vue.avant_mesure = [this] {
        graphique_frequences.efface_valeurs();
        graphique_effectif.efface_valeurs();
        echap.oublie();
        affichage.replicats = options_mesure.replicats > 1;
        resume_replicats->hide();
    };
    vue.observateur_lot = &observateur_replicats;
    // Escape on a paused run ends it; not the Escape that closes a menu or a
    // dialog.
    echap.sur_pression([this] {
        if (commandes_mesure != nullptr && QApplication::activePopupWidget() == nullptr &&
            QApplication::activeModalWidget() == nullptr &&
            commandes_mesure->pilote().etat() == Tpilote_mesure::Tetat::en_pause) {
            commandes_mesure->pilote().arrete();
        }
    });
    resume_replicats = new Tresume_replicats(this);
    addDockWidget(Qt::RightDockWidgetArea, resume_replicats);
    observateur_replicats.a_la_fin = [this](const std::vector<const Tregistre_mesure*>& r) {
        Tresume_lot resume;
        for (const Tregistre_mesure* registre : r) {
            resume.ajoute(*registre);
        }
        resume_replicats->montre(resume);
    };
    commandes_mesure = new Tcommandes_mesure(*this, *menu_outils, *ActionToolBar1, vue);
    fichiers = new Tcommandes_fichier(*this, *ActionMainMenuBar1->actions().front()->menu());
    const int barres = menuBar()->sizeHint().height() + ActionToolBar1->sizeHint().height() +
                       statusBar()->sizeHint().height();
    setGeometry(116, 30, zone_conception.width(), zone_conception.height() + barres);
    qApp->installEventFilter(&echap);
    initialisationExecute();
}

TForm1::~TForm1() {
    qApp->removeEventFilter(&echap);
    attache_fenetre_simulation({});
    // The charts outlive the window: they must not keep its surfaces.
    for (Tgraphique* g : {&graphique_frequences, &graphique_effectif, &graphique_heterozygotie}) {
        if (g->ecran == Ecran1 || g->ecran == Ecran2) {
            g->ecran = nullptr;
        }
    }
}

void TForm1::attache_fenetres(TAboutBox* about, TForm2* reglages) {
    AboutBox = about;
    Form2 = reglages;
    if (Form2 != nullptr) {
        Form2->attache_fenetre(this);
    }
}

std::vector<const Tregistre_mesure*> TForm1::registres_affiches() const {
    return commandes_mesure->pilote().registres();
}

void TForm1::cree_actions() {
    auto action = [this](const char* texte, bool actif, void (TForm1::*handler)()) {
        auto* a = new QAction(QString::fromUtf8(texte), this);
        a->setEnabled(actif);
        if (handler != nullptr) {
            connect(a, &QAction::triggered, this, handler);
        }
        return a;
    };
    FileExit1 = action("&Quitter", true, nullptr);
    connect(FileExit1, &QAction::triggered, this, &QWidget::close);
    FileExit1->setToolTip(QStringLiteral("Quitter"));
    FileExit1->setStatusTip(QStringLiteral("Quitter l'application"));
    HelpContents1 = action("&Rubriques d'aide", true, &TForm1::HelpContents1Execute);
    HelpContents1->setToolTip(QStringLiteral("Rubriques d'aide"));
    Action1 = action("&A propos", false, &TForm1::Action1Execute);
    Francais = action("&Français", false, &TForm1::FrancaisExecute);
    Anglais = action("&English", false, &TForm1::AnglaisExecute);
    Rafraichit = action("Rafraichit", true, &TForm1::RafraichitExecute);
    Mesure = action("&Mesure", false, &TForm1::MesureExecute);
    Mesure->setToolTip(QStringLiteral("Lance une mesure"));
    Mesure->setShortcut(QKeySequence(Qt::Key_F5));
    Reglages = action("&Paramètres", false, &TForm1::ReglagesExecute);
    Reglages->setToolTip(QString::fromUtf8("Paramètres"));

    FileExit1->setIcon(icone(icone_quitter));
    HelpContents1->setIcon(icone(icone_aide));
    Action1->setIcon(icone(icone_a_propos));
    Francais->setIcon(icone(icone_francais));
    Anglais->setIcon(icone(icone_anglais));
    Mesure->setIcon(icone(icone_mesure));
    Reglages->setIcon(icone(icone_reglages));
    addAction(Rafraichit);
}

void TForm1::cree_menus() {
    ActionMainMenuBar1 = menuBar();
    QMenu* fichier = ActionMainMenuBar1->addMenu(QStringLiteral("&Fichier"));
    fichier->addAction(FileExit1);
    menu_outils = ActionMainMenuBar1->addMenu(QStringLiteral("&Outils"));
    menu_outils->addAction(Mesure);
    menu_outils->addAction(Reglages);
    QMenu* langage = ActionMainMenuBar1->addMenu(QStringLiteral("&Langage"));
    langage->addAction(Francais);
    langage->addAction(Anglais);
    QMenu* aide = ActionMainMenuBar1->addMenu(QStringLiteral("&Aide"));
    aide->addAction(HelpContents1);
    aide->addAction(Action1);
}

void TForm1::cree_barre_outils() {
    ActionToolBar1 = addToolBar(QString());
    ActionToolBar1->setObjectName(QStringLiteral("ActionToolBar1"));
    ActionToolBar1->setIconSize(QSize(16, 16));
    ActionToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ActionToolBar1->setMovable(false);
    ActionToolBar1->addAction(Mesure);
    ActionToolBar1->addAction(Reglages);
    ActionToolBar1->addAction(FileExit1);
}

void TForm1::cree_zone_client() {
    auto* zone = new QWidget(this);
    // The client area paints its own background: a label or the bar that
    // changes during a run repaints from it, not the whole window with its
    // refresh (as a native control would).
    zone->setAutoFillBackground(true);
    setCentralWidget(zone);
    zone->setFont(plateforme::police_formulaires());
    ancrage = new Tancrage(zone, zone_conception);

    Ecran1 = new Tecran(zone);
    ancrage->ancre(Ecran1, QRect(128, 216, 515, 153),
                   Tancrage::gauche | Tancrage::droite | Tancrage::bas);
    Ecran2 = new Tecran(zone);
    ancrage->ancre(Ecran2, QRect(128, 0, 515, 209),
                   Tancrage::gauche | Tancrage::haut | Tancrage::droite | Tancrage::bas);
    Ecran1->sur_effacement([this] { RafraichitExecute(); });
    Ecran2->sur_effacement([this] { RafraichitExecute(); });
    Ecran1->sur_survol([this](std::optional<QPoint> p) {
        montre_valeurs(affichage.heterozygotie ? graphique_heterozygotie : graphique_effectif, p);
    });
    Ecran2->sur_survol(
        [this](std::optional<QPoint> p) { montre_valeurs(graphique_frequences, p); });

    BarPanmixie = new QProgressBar(zone);
    BarPanmixie->setGeometry(0, 0, 128, 9);
    BarPanmixie->setRange(0, 100);
    BarPanmixie->setValue(0);
    BarPanmixie->setTextVisible(false);

    LabPanmix = cree_label(zone, 24, 16);
    LabIndicePanmixie = cree_label(zone, 56, 32);
    LabIndicePanmixie->setObjectName(QStringLiteral("LabIndicePanmixie"));
    LabEfMax = cree_label(zone, 8, 56);
    LabEfMin = cree_label(zone, 8, 80);
    LabNbGen = cree_label(zone, 8, 104);
    LabFec = cree_label(zone, 8, 128);
    LabEchap = cree_label(zone, 8, 160);
    LabExtinction = cree_label(zone, 8, 184);
    LabExtinction->setWordWrap(true);
    LabExtinction->setFixedWidth(116);
    LabExtinction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabExtinction->setMinimumHeight(48);
    QPalette rouge = LabEchap->palette();
    rouge.setColor(QPalette::WindowText, QColor(255, 0, 0));
    LabEchap->setPalette(rouge);
    LabEchap->hide();
}

Tfenetre_simulation TForm1::crochets_simulation() {
    Tfenetre_simulation f;
    f.rafraichit = [this] {
        if (fermeture) {
            return;
        }
        if (isVisible()) {
            repaint();
        } else {
            RafraichitExecute();
        }
    };
    f.traite_messages = [this] {
        QCoreApplication::processEvents();
        return !fermeture;
    };
    f.echap = [this] { return echap.interroge(); };
    // The bar ignores values outside its range: a negative index shows empty.
    f.fixe_panmixie = [this](int indice) {
        BarPanmixie->setValue(std::clamp(indice, BarPanmixie->minimum(), BarPanmixie->maximum()));
        // The bar shows no negative index: its number does.
        const QString nombre = QString::number(indice);
        if (LabIndicePanmixie->text() != nombre) {
            LabIndicePanmixie->setText(nombre);
            LabIndicePanmixie->adjustSize();
        }
    };
    f.observateur = &observateur;
    f.suspend = [this] {
        return commandes_mesure != nullptr && commandes_mesure->pilote().suspension_demandee();
    };
    return f;
}

void TForm1::initialisationExecute() {
    Traducteur t;
    t.adopte_langue_systeme(plateforme::nom_langue_native());
    adopte_traductions_qt();
    graphique_frequences.attache_ecran(*Ecran2);
    for (unsigned i = 0; i < parametres.ajuste().nb_alleles; ++i) {
        graphique_frequences.ajoute_serie(t.traduit("Defaut"), 0);
    }
    graphique_effectif.attache_ecran(*Ecran1);
    graphique_effectif.ajoute_serie("Defaut", 0);
    hasard.seme(graine_horloge());
    attache_fenetre_simulation(crochets_simulation());
    RafraichitExecute();
}

void TForm1::RafraichitExecute() {
    const Traducteur t;
    TraduitMenus();
    const QString titre = qt(t.traduit("Génétique des populations"));
    if (windowTitle() != titre) {
        setWindowTitle(titre);
    }
    fixe_bulle(FileExit1, qt(t.traduit("Quitter")));
    fixe_bulle(Mesure, qt(t.traduit("Lance une mesure")));
    fixe_bulle(Reglages, qt(t.traduit("Paramètres")));
    // The tool bar's name shows only in the menu that hides or shows it.
    const QString nom_barre =
        t.langue() == francais ? QStringLiteral("Barre d'outils") : QStringLiteral("Tool bar");
    if (ActionToolBar1->windowTitle() != nom_barre) {
        ActionToolBar1->setWindowTitle(nom_barre);
    }
    Action1->setEnabled(true);
    Reglages->setEnabled(true);
    Mesure->setEnabled(!mesure_en_cours);
    Anglais->setEnabled(true);
    Francais->setEnabled(true);
    rafraichit_textes(t);
    LabEchap->setVisible(mesure_en_cours);
    rafraichit_extinction(t);
    rafraichit_graphiques(t);
    if (commandes_mesure != nullptr) {
        commandes_mesure->rafraichit(t);
    }
}

void TForm1::rafraichit_textes(const Traducteur& t) {
    const QString effectif = qt(t.traduit("Effectif"));
    fixe_texte(LabPanmix,
               QStringLiteral("<- - ") + qt(t.traduit("panmixie")) + QStringLiteral(" + ->"));
    fixe_texte(LabEfMax,
               effectif + QStringLiteral(" max ") + plateforme::entier(parametres.effectif_max));
    fixe_texte(LabEfMin,
               effectif + QStringLiteral(" min ") + plateforme::entier(parametres.effectif_min));
    fixe_texte(LabNbGen, qt(t.traduit("Nb générations")) + QStringLiteral("  ") +
                             plateforme::entier(parametres.nb_generations));
    fixe_texte(LabFec, qt(t.traduit("Fécondité")) + QStringLiteral("  ") +
                           plateforme::decimal_deux(parametres.fecondite));
    fixe_texte(LabEchap, qt(t.traduit("Echap pour interrompre")));
}

void TForm1::rafraichit_graphiques(const Traducteur& t) {
    const std::string par_graduation = t.traduit(" par graduation");
    graphique_effectif.modifie_serie(t.traduit("Effectif"), 0x008000, 0);
    graphique_effectif.ordonnee.titre = t.traduit("Effectif");
    graphique_effectif.ordonnee.unite = t.traduit("Nb individus");
    graphique_effectif.abscisse.titre = t.traduit("Nb générations");
    graphique_effectif.abscisse.unite =
        std::to_string(graphique_effectif.abscisse.pas) + par_graduation;
    graphique_effectif.ordonnee.max = static_cast<std::int32_t>(parametres.effectif_max);
    graphique_effectif.ordonnee.pas = static_cast<std::int32_t>(parametres.effectif_max / 10);

    graphique_frequences.abscisse.titre = t.traduit("Nb générations");
    graphique_frequences.abscisse.unite =
        std::to_string(graphique_frequences.abscisse.pas) + par_graduation;

    rafraichit_series_alleles(t);
    if (static_cast<std::int32_t>(parametres.nb_generations) != graphique_effectif.abscisse.max) {
        graphique_effectif.abscisse.max = static_cast<std::int32_t>(parametres.nb_generations);
        graphique_frequences.abscisse.max = static_cast<std::int32_t>(parametres.nb_generations);
    }
    graphique_frequences.ordonnee.titre = t.traduit("Fréquences alléliques");
    graphique_frequences.ordonnee.unite = t.traduit("%");
    rafraichit_heterozygotie(t);

    if (!graphique_frequences.est_vide()) {
        graphique_frequences.trace(false);
    }
    if (!graphique_effectif.est_vide()) {
        graphique_effectif.trace(false);
    }
    if (!graphique_heterozygotie.est_vide()) {
        graphique_heterozygotie.trace(false);
    }
}

// The frequency chart's series: one per allele, or, with several populations,
// four legend boxes that count what became of the allele followed.
void TForm1::rafraichit_series_alleles(const Traducteur& t) {
    if (affichage.replicats) {
        const Tbilan_lot b = commandes_mesure->pilote().bilan();
        legende_replicats(t, {b.fixes, b.perdus, b.en_segregation, b.eteintes});
        observateur_replicats.synchronise_theorie();
        return;
    }
    if (parametres.ajuste().nb_alleles != graphique_frequences.nb_series()) {
        graphique_frequences.supprime_series();
        graphique_effectif.efface_valeurs();
    }
    const Tseries_aspect aspect;
    for (unsigned i = 0; i < parametres.ajuste().nb_alleles && i < aspect.size(); ++i) {
        const std::string nom = t.traduit(aspect[i].nom);
        if (!graphique_frequences.modifie_serie(nom, aspect[i].couleur, i)) {
            graphique_frequences.ajoute_serie(nom, aspect[i].couleur);
        }
        if (graphique_frequences.series[i].legende) {
            graphique_frequences.series[i].legende.reset();
        }
    }
    if (graphique_effectif.nb_series() > 0 && graphique_effectif.series[0].legende) {
        graphique_effectif.series[0].legende.reset();
    }
    observateur.synchronise_theorie();
}

void TForm1::montre_valeurs(const Tgraphique& graphique, std::optional<QPoint> position) {
    QString texte;
    const std::optional<std::int32_t> g =
        position ? graphique.abscisse_sous(position->x()) : std::nullopt;
    if (g && commandes_mesure->pilote().a_une_mesure() && *g >= 0) {
        texte = texte_valeurs(commandes_mesure->pilote().registres_montres(),
                              commandes_mesure->pilote().bilan().generations, *g,
                              options_mesure.allele_suivi);
    }
    if (texte.isEmpty()) {
        statusBar()->clearMessage();
    } else {
        statusBar()->showMessage(texte);
    }
}

// The heterozygosity chart, drawn on the lower plot instead of the size chart
// when it is asked for; its axes follow those of the others.
void TForm1::rafraichit_heterozygotie(const Traducteur& t) {
    Tgraphique& g = graphique_heterozygotie;
    Tsurface* const voulu = affichage.heterozygotie ? Ecran1 : nullptr;
    if (g.ecran != voulu) {
        g.ecran = voulu;
        graphique_effectif.ecran = affichage.heterozygotie ? nullptr : Ecran1;
    }
    const char* const noms[] = {"H observée", "H attendue", "H dérive"};
    const Tcouleur couleurs[] = {0x800080, 0x808000, 0x000000};
    for (unsigned i = 0; i < 3; ++i) {
        if (!g.modifie_serie(t.traduit(noms[i]), couleurs[i], i)) {
            g.ajoute_serie(t.traduit(noms[i]), couleurs[i]);
        }
    }
    g.ordonnee.titre = t.traduit("Hétérozygotie");
    g.ordonnee.unite = t.traduit("%");
    g.abscisse = graphique_effectif.abscisse;
}

// The population that died out, or how many of the replicates did.
void TForm1::rafraichit_extinction(const Traducteur& t) {
    QString texte;
    if (commandes_mesure != nullptr) {
        const Tpilote_mesure& p = commandes_mesure->pilote();
        const Tbilan_lot& b = p.bilan();
        if (b.replicats == 1 && b.generation_extinction >= 0) {
            texte = qt(t.traduit("Population éteinte à la génération")) + QStringLiteral(" ") +
                    QString::number(b.generation_extinction);
        } else if (b.replicats > 1 && b.eteintes > 0) {
            texte = QString::number(b.eteintes) + QStringLiteral(" ") +
                    qt(t.traduit("populations éteintes sur")) + QStringLiteral(" ") +
                    QString::number(b.replicats);
        }
    }
    if (LabExtinction->text() != texte) {
        LabExtinction->setText(texte);
    }
}

void TForm1::TraduitMenus() {
    const auto retraduit = [](QAction* item) {
        const Traducteur t;
        fixe_texte(item, qt(t.retraduit(plateforme::std_(item->text()))));
    };
    for (QAction* menu : ActionMainMenuBar1->actions()) {
        retraduit(menu);
        if (menu->menu() != nullptr) {
            for (QAction* item : menu->menu()->actions()) {
                retraduit(item);
            }
        }
    }
    for (QAction* item : ActionToolBar1->actions()) {
        retraduit(item);
    }
}

void TForm1::ChangeLangue(langues l) {
    Traducteur t;
    t.langue() = l;
    adopte_traductions_qt();
    RafraichitExecute();
    if (Form2 != nullptr && Form2->isVisible()) {
        Form2->RafraichitPanneau();
    }
    if (AboutBox != nullptr && AboutBox->isVisible()) {
        AboutBox->RafraichitApropos();
    }
}

void TForm1::adopte_traductions_qt() {
    const bool en_francais = Traducteur().langue() == francais;
    if (en_francais && traductions_qt == nullptr) {
        auto* traductions = new QTranslator(this);
        if (traductions->load(QStringLiteral("qtbase_fr"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(traductions);
            traductions_qt = traductions;
        } else {
            delete traductions;
        }
    } else if (!en_francais && traductions_qt != nullptr) {
        QCoreApplication::removeTranslator(traductions_qt);
        delete traductions_qt;
        traductions_qt = nullptr;
    }
}

void TForm1::FrancaisExecute() {
    ChangeLangue(francais);
}
void TForm1::AnglaisExecute() {
    ChangeLangue(anglais);
}

void TForm1::MesureExecute() {
    // The charts are cleared and an earlier Escape forgotten as the run starts.
    commandes_mesure->lance_nouvelle();
}

void TForm1::ReglagesExecute() {
    if (Form2 == nullptr) {
        return;
    }
    Form2->AttacheParametres(parametres);
    Form2->RafraichitPanneau();
    Form2->show();
    Form2->raise();
    Form2->activateWindow();
}

void TForm1::Action1Execute() {
    if (AboutBox == nullptr) {
        return;
    }
    // Modal to the user, but shown without an event loop of its own: a run
    // under way goes on while the box is open.
    AboutBox->RafraichitApropos();
    AboutBox->show();
    AboutBox->raise();
    AboutBox->activateWindow();
}

void TForm1::HelpContents1Execute() {
    aide::ouvre_aide(this);
}

void TForm1::paintEvent(QPaintEvent* evenement) {
    RafraichitExecute();
    QMainWindow::paintEvent(evenement);
}

void TForm1::showEvent(QShowEvent* evenement) {
    if (!evenement->spontaneous()) {
        placement::garde_dans_ecran(*this);
    }
    QMainWindow::showEvent(evenement);
}

void TForm1::changeEvent(QEvent* evenement) {
    if (evenement->type() == QEvent::ActivationChange && isActiveWindow()) {
        RafraichitExecute();
    }
    QMainWindow::changeEvent(evenement);
}

void TForm1::closeEvent(QCloseEvent* evenement) {
    if (!fichiers->peut_fermer()) {
        evenement->ignore();
        return;
    }
    // A run under way stops at its next pass through the event loop; the
    // other windows go with this one.
    fermeture = true;
    commandes_mesure->pilote().abandonne();
    evenement->accept();
    QCoreApplication::quit();
}
