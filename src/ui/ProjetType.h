#pragma once

#include "i18n/traducteur.h"
#include "model/simulation.h"
#include "ui/ancrage.h"
#include "ui/echap.h"
#include "ui/graphiques.h"

#include <QMainWindow>
#include <QPoint>

#include <optional>

#include <vector>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;
class QTranslator;
class Tcommandes_mesure;
class Tresume_replicats;
class Tecran;
class TAboutBox;
class TForm2;
class Tcommandes_fichier;

// The main window: menus and tool bar, the two plots, the labels that echo the
// parameters, the panmixia bar and the Escape reminder. It keeps no state of
// its own: every refresh re-reads the parameters and the run flag.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // What a run asks of this window (installed at creation).
    Tfenetre_simulation crochets_simulation();

    // The two other windows, created after this one.
    void attache_fenetres(TAboutBox* about, TForm2* reglages);

    // The records of the runs the charts show, for the export.
    std::vector<const Tregistre_mesure*> registres_affiches() const;

    // Handlers, one per action or event.
    void initialisationExecute();
    void RafraichitExecute();
    void TraduitMenus();
    void ChangeLangue(langues l);
    void FrancaisExecute();
    void AnglaisExecute();
    void MesureExecute();
    void ReglagesExecute();
    void Action1Execute();
    void HelpContents1Execute();

    // Actions, shared by the menus and the tool bar.
    QAction* FileExit1 = nullptr;
    QAction* HelpContents1 = nullptr;
    QAction* Action1 = nullptr;
    QAction* Francais = nullptr;
    QAction* Anglais = nullptr;
    QAction* Rafraichit = nullptr;
    QAction* Mesure = nullptr;
    QAction* Reglages = nullptr;

    QMenuBar* ActionMainMenuBar1 = nullptr;
    QMenu* menu_outils = nullptr;
    QToolBar* ActionToolBar1 = nullptr;
    Tecran* Ecran1 = nullptr;
    Tecran* Ecran2 = nullptr;
    QProgressBar* BarPanmixie = nullptr;
    QLabel* LabPanmix = nullptr;
    QLabel* LabIndicePanmixie = nullptr; // the index the bar shows, as a number
    QLabel* LabEfMax = nullptr;
    QLabel* LabEfMin = nullptr;
    QLabel* LabNbGen = nullptr;
    QLabel* LabFec = nullptr;
    QLabel* LabEchap = nullptr;
    // Says when the population, or how many of the populations, died out.
    QLabel* LabExtinction = nullptr;
    // Pause, step, continue, replay, pace, and the run's seed.
    Tcommandes_mesure* commandes_mesure = nullptr;
    // The Files menu's commands beyond Quitter.
    Tcommandes_fichier* fichiers = nullptr;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void cree_actions();
    void cree_menus();
    void cree_barre_outils();
    void cree_zone_client();
    void rafraichit_textes(const Traducteur& t);
    void rafraichit_graphiques(const Traducteur& t);
    void adopte_traductions_qt();
    void rafraichit_extinction(const Traducteur& t);
    void rafraichit_heterozygotie(const Traducteur& t);
    void rafraichit_series_alleles(const Traducteur& t);
    // The values of the generation under the pointer, in the status bar.
    void montre_valeurs(const Tgraphique& graphique, std::optional<QPoint> position);

    Techap echap;
    Tobservateur_graphiques observateur;
    Tobservateur_replicats observateur_replicats;
    Tresume_replicats* resume_replicats = nullptr;
    Tancrage* ancrage = nullptr;
    QTranslator* traductions_qt = nullptr;
    TAboutBox* AboutBox = nullptr;
    TForm2* Form2 = nullptr;
    bool fermeture = false;
};
