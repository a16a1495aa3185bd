#include "etat_initial.h"
#include "model/options_mesure.h"
#include "model/simulation.h"
#include "ui/Apropos.h"
#include "ui/ProjetType.h"
#include "ui/ecran.h"
#include "ui/graphiques.h"
#include "ui/reglages.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Each test starts from default parameters, empty charts and the given locale.
class Fenetre : public ::testing::Test {
protected:
    // Runs from a seed whose population lives: its frequency curves have a
    // point for every generation.
    void SetUp() override {
        options_mesure.graine = 2;
        demarre("fr_FR");
    }

    void TearDown() override {
        fenetre.reset();
        remet_etat_initial();
    }

    void demarre(const char* locale) {
        fenetre.reset();
        graphique_frequences.supprime_series();
        graphique_effectif.supprime_series();
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        fenetre = std::make_unique<TForm1>();
    }

    // Runs with the window's own operations, each wrapped by the test.
    void lance(const std::function<void(Tfenetre_simulation&)>& enveloppe) {
        Tfenetre_simulation f = fenetre->crochets_simulation();
        enveloppe(f);
        attache_fenetre_simulation(f);
        fenetre->MesureExecute();
        attache_fenetre_simulation(fenetre->crochets_simulation());
    }

    static std::vector<int> abscisses(const Tgraphique& g, unsigned serie) {
        std::vector<int> xs;
        for (const auto& [x, v] : g.series[serie].valeurs) {
            xs.push_back(x);
        }
        return xs;
    }

    static std::vector<int> suite(int n) {
        std::vector<int> xs(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            xs[static_cast<std::size_t>(i)] = i;
        }
        return xs;
    }

    std::unique_ptr<TForm1> fenetre;
};

// Each menu's title then its items; the menus and items the program first
// had come first, in their order, and new ones only after them.
void verifie_menus(QMenuBar* barre, const std::vector<QStringList>& premiers) {
    const QList<QAction*> menus = barre->actions();
    ASSERT_GE(menus.size(), static_cast<qsizetype>(premiers.size()));
    for (std::size_t i = 0; i < premiers.size(); ++i) {
        QStringList titres{menus[static_cast<qsizetype>(i)]->text()};
        for (QAction* item : menus[static_cast<qsizetype>(i)]->menu()->actions()) {
            titres << item->text();
        }
        EXPECT_EQ(titres.mid(0, premiers[i].size()), premiers[i]);
    }
}

TEST_F(Fenetre, FrenchLocaleStartsInFrench) {
    EXPECT_EQ(fenetre->windowTitle(), QString::fromUtf8("Génétique des populations"));
    EXPECT_EQ(fenetre->LabEfMax->text(), "Effectif max 1000");
    EXPECT_EQ(fenetre->LabEfMin->text(), "Effectif min 300");
    EXPECT_EQ(fenetre->LabNbGen->text(), QString::fromUtf8("Nb générations  100"));
    EXPECT_EQ(fenetre->LabFec->text(), QString::fromUtf8("Fécondité  2,1"));
    EXPECT_EQ(fenetre->LabPanmix->text(), "<- - panmixie + ->");
    EXPECT_EQ(fenetre->LabEchap->text(), "Echap pour interrompre");
    EXPECT_EQ(fenetre->FileExit1->toolTip(), "Quitter");
    EXPECT_EQ(fenetre->Mesure->toolTip(), "Lance une mesure");
    verifie_menus(fenetre->ActionMainMenuBar1,
                  {{"&Fichier", "&Quitter"},
                   {"&Outils", "&Mesure", QString::fromUtf8("&Paramètres")},
                   {"&Langage", QString::fromUtf8("&Français"), "&English"},
                   {"&Aide", "&Rubriques d'aide", "&A propos"}});
    EXPECT_EQ(graphique_frequences.series[0].nom, "Allèle 1");
    EXPECT_EQ(graphique_effectif.ordonnee.unite, "Nb individus");
    EXPECT_EQ(graphique_effectif.abscisse.unite, "10 par graduation");
}

TEST_F(Fenetre, OtherLocalesStartInEnglishWithTheirSeparator) {
    for (const char* locale : {"en_US", "de_DE", "C"}) {
        demarre(locale);
        EXPECT_EQ(fenetre->windowTitle(), "population Genetics") << locale;
    }
    demarre("de_DE"); // German: English texts, decimal comma
    EXPECT_EQ(fenetre->LabFec->text(), "Fertility  2,1");
    demarre("en_US");
    EXPECT_EQ(fenetre->LabEfMax->text(), "Roll max 1000");
    EXPECT_EQ(fenetre->LabEfMin->text(), "Roll min 300");
    EXPECT_EQ(fenetre->LabNbGen->text(), "Nb generations  100");
    EXPECT_EQ(fenetre->LabFec->text(), "Fertility  2.1");
    EXPECT_EQ(fenetre->LabPanmix->text(), "<- - panmixy + ->");
    EXPECT_EQ(fenetre->LabEchap->text(), "Esc to stop");
    EXPECT_EQ(fenetre->FileExit1->toolTip(), "Exit");
    EXPECT_EQ(fenetre->Mesure->toolTip(), "Starting a new simulation");
    EXPECT_EQ(fenetre->Reglages->toolTip(), "Control panel");
    verifie_menus(fenetre->ActionMainMenuBar1,
                  {{"&Files", "&Exit"},
                   {"&Tools", "&Run", "&Control panel"},
                   {"&Language", QString::fromUtf8("&Français"), "&English"},
                   {"&Help", "&help topics", "&About"}});
    EXPECT_EQ(graphique_effectif.series[0].nom, "Roll");
    EXPECT_EQ(graphique_frequences.ordonnee.titre, "Incidence");
    EXPECT_EQ(graphique_effectif.abscisse.unite, "10 per graduation");
}

TEST_F(Fenetre, TheUserCanHideTheToolBar) {
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    std::unique_ptr<QMenu> menu(fenetre->createPopupMenu());
    ASSERT_NE(menu, nullptr);
    QAction* bascule = fenetre->ActionToolBar1->toggleViewAction();
    EXPECT_TRUE(menu->actions().contains(bascule));
    EXPECT_EQ(bascule->text(), "Barre d'outils");
    bascule->trigger();
    EXPECT_TRUE(fenetre->ActionToolBar1->isHidden());
    fenetre->AnglaisExecute();
    EXPECT_EQ(bascule->text(), "Tool bar");
}

// With the widest values the control panel can set, in either language, the
// labels of the left column stay clear of the plots.
TEST_F(Fenetre, LabelsStayLeftOfThePlots) {
    parametres.effectif_max = 10000;
    parametres.effectif_min = 10000;
    parametres.nb_generations = 1000;
    parametres.fecondite = 2.25f;
    for (void (TForm1::*langue)() : {&TForm1::FrancaisExecute, &TForm1::AnglaisExecute}) {
        (fenetre.get()->*langue)();
        for (const QLabel* l : {fenetre->LabPanmix, fenetre->LabEfMax, fenetre->LabEfMin,
                                fenetre->LabNbGen, fenetre->LabFec, fenetre->LabEchap}) {
            EXPECT_LT(l->geometry().right(), fenetre->Ecran2->x()) << l->text().toStdString();
        }
    }
}

TEST_F(Fenetre, FecundityShowsAtMostTwoDecimals) {
    parametres.fecondite = 2.0f;
    fenetre->RafraichitExecute();
    EXPECT_EQ(fenetre->LabFec->text(), QString::fromUtf8("Fécondité  2"));
    parametres.fecondite = 2.25f;
    fenetre->RafraichitExecute();
    EXPECT_EQ(fenetre->LabFec->text(), QString::fromUtf8("Fécondité  2,25"));
}

TEST_F(Fenetre, LanguageSwitchRetranslatesAndKeepsTheCurves) {
    fenetre->MesureExecute();
    const auto points = graphique_frequences.series[1].valeurs;
    ASSERT_EQ(points.size(), 100u);
    fenetre->AnglaisExecute();
    EXPECT_EQ(fenetre->windowTitle(), "population Genetics");
    EXPECT_EQ(graphique_frequences.series[1].nom, "Allele 2");
    EXPECT_EQ(graphique_frequences.series[1].valeurs, points);
    EXPECT_EQ(graphique_effectif.series[0].valeurs.size(), 100u);
    fenetre->AnglaisExecute(); // the language in force: nothing changes
    EXPECT_EQ(fenetre->windowTitle(), "population Genetics");
    fenetre->FrancaisExecute();
    EXPECT_EQ(fenetre->Reglages->text(), QString::fromUtf8("&Paramètres"));
    EXPECT_EQ(graphique_frequences.series[1].valeurs, points);
}

TEST_F(Fenetre, ActionStatesIdleAndDuringARun) {
    for (QAction* a :
         {fenetre->FileExit1, fenetre->HelpContents1, fenetre->Action1, fenetre->Francais,
          fenetre->Anglais, fenetre->Rafraichit, fenetre->Mesure, fenetre->Reglages}) {
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    }
    EXPECT_TRUE(fenetre->LabEchap->isHidden());
    int observations = 0;
    lance([&](Tfenetre_simulation& f) {
        f.traite_messages = [&, suivant = f.traite_messages] {
            ++observations;
            EXPECT_TRUE(mesure_en_cours);
            EXPECT_FALSE(fenetre->Mesure->isEnabled());
            EXPECT_TRUE(fenetre->Reglages->isEnabled());
            EXPECT_TRUE(fenetre->Action1->isEnabled());
            EXPECT_FALSE(fenetre->LabEchap->isHidden());
            return suivant();
        };
    });
    EXPECT_EQ(observations, 10);
    EXPECT_FALSE(mesure_en_cours);
    EXPECT_TRUE(fenetre->Mesure->isEnabled());
    EXPECT_TRUE(fenetre->LabEchap->isHidden());
}

TEST_F(Fenetre, EscapeDuringGeneration37KeepsPoints0To37) {
    int generation = 0;
    lance([&](Tfenetre_simulation& f) {
        f.echap = [&, suivant = f.echap] {
            if (generation++ == 37) {
                QKeyEvent presse(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QKeyEvent relache(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(fenetre.get(), &presse);
                QApplication::sendEvent(fenetre.get(), &relache);
            }
            return suivant();
        };
    });
    EXPECT_EQ(abscisses(graphique_effectif, 0), suite(38));
    EXPECT_EQ(abscisses(graphique_frequences, 1), suite(38));
    EXPECT_FALSE(mesure_en_cours);
    EXPECT_TRUE(fenetre->Mesure->isEnabled());
    // The latch was read: the next run goes to its end.
    fenetre->MesureExecute();
    EXPECT_EQ(abscisses(graphique_effectif, 0), suite(100));
}

TEST_F(Fenetre, AnEscapeBeforeARunDoesNotStopIt) {
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    QMenu* menu = fenetre->ActionMainMenuBar1->actions().front()->menu();
    menu->popup(fenetre->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key_Escape);
    ASSERT_FALSE(menu->isVisible());
    fenetre->MesureExecute();
    EXPECT_EQ(abscisses(graphique_effectif, 0), suite(100));
}

TEST_F(Fenetre, GenerationsChangedDuringARunTakeEffect) {
    lance([&](Tfenetre_simulation& f) {
        f.traite_messages = [&, suivant = f.traite_messages] {
            parametres.nb_generations = 150;
            return suivant();
        };
    });
    EXPECT_EQ(abscisses(graphique_effectif, 0), suite(150));

    int passages = 0;
    lance([&](Tfenetre_simulation& f) {
        f.traite_messages = [&, suivant = f.traite_messages] {
            if (++passages == 3) {
                parametres.nb_generations = 12; // below the current generation (20)
            }
            return suivant();
        };
    });
    EXPECT_EQ(abscisses(graphique_effectif, 0), suite(21));
}

TEST_F(Fenetre, AllelesChangedDuringARunRebuildTheSeriesWithoutACrash) {
    lance([&](Tfenetre_simulation& f) {
        f.traite_messages = [&, suivant = f.traite_messages] {
            parametres.nb_alleles = parametres.nb_alleles == 4 ? 2 : parametres.nb_alleles + 1;
            fenetre->RafraichitExecute();
            return suivant();
        };
    });
    // The last change (at generation 90) made 2 alleles; the series were
    // rebuilt then and hold the generations after it.
    ASSERT_EQ(graphique_frequences.nb_series(), parametres.nb_alleles);
    EXPECT_EQ(abscisses(graphique_frequences, 0).front(), 90);
    EXPECT_EQ(abscisses(graphique_effectif, 0).front(), 90);
}

TEST_F(Fenetre, LanguageSwitchDuringARunLetsItFinish) {
    int passages = 0;
    lance([&](Tfenetre_simulation& f) {
        f.traite_messages = [&, suivant = f.traite_messages] {
            if (++passages == 5) {
                fenetre->AnglaisExecute();
            }
            return suivant();
        };
    });
    EXPECT_EQ(abscisses(graphique_frequences, 0), suite(100));
    EXPECT_EQ(graphique_frequences.series[0].nom, "Allele 1");
    EXPECT_EQ(fenetre->LabEchap->text(), "Esc to stop");
    EXPECT_TRUE(fenetre->Mesure->isEnabled());
}

TEST_F(Fenetre, ControlPanelAndAboutBoxFollowTheWindow) {
    TAboutBox about;
    TForm2 panneau;
    fenetre->attache_fenetres(&about, &panneau);
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    fenetre->Reglages->trigger();
    EXPECT_TRUE(panneau.isVisible());
    EXPECT_EQ(panneau.windowTitle(), "Panneau de commande");

    // A move on the panel repaints the main window, whose labels follow.
    panneau.Bar_nb_gen->setValue(250);
    EXPECT_EQ(parametres.nb_generations, 250u);
    EXPECT_EQ(fenetre->LabNbGen->text(), QString::fromUtf8("Nb générations  250"));
    EXPECT_EQ(graphique_frequences.abscisse.max, 250);

    fenetre->Anglais->trigger();
    EXPECT_EQ(panneau.windowTitle(), "Control panel");
    EXPECT_EQ(about.windowTitle(), QString()) << "a hidden About box is left alone";
    panneau.close();
}

// The box opens between two pumps of the run and a timer closes it at the next
// pass through an event loop: the run's next pump, or a loop of the box's own
// that would hold the run meanwhile.
TEST_F(Fenetre, ARunGoesOnWhileTheAboutBoxIsOpen) {
    TAboutBox about;
    fenetre->attache_fenetres(&about, nullptr);
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    int passages = 0;
    int generations_boite_ouverte = 0;
    lance([&](Tfenetre_simulation& f) {
        f.traite_messages = [&, suivant = f.traite_messages] {
            const bool suite_run = suivant();
            if (++passages == 2) {
                QTimer::singleShot(0, &about, &QDialog::accept);
                fenetre->Action1->trigger();
                EXPECT_EQ(QApplication::activeModalWidget(), &about);
            }
            return suite_run;
        };
        f.echap = [&, suivant = f.echap] {
            generations_boite_ouverte += about.isVisible();
            return suivant();
        };
    });
    EXPECT_GT(generations_boite_ouverte, 0);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(abscisses(graphique_effectif, 0), suite(100));
}

TEST_F(Fenetre, AnExtinctPopulationIsSaidExtinctAndItsFrequencyCurvesStop) {
    parametres.effectif_min = 10;
    parametres.effectif_max = 10;
    options_mesure.graine = 5; // this population dies out at generation 9
    fenetre->MesureExecute();
    options_mesure.graine.reset();
    const std::optional<std::int32_t> mort = registre_simulation().generation_extinction();
    ASSERT_TRUE(mort);
    EXPECT_EQ(*mort, 9) << "the same run as quorvel-sim --seed 5";
    ASSERT_EQ(graphique_effectif.series[0].valeurs.size(), 100u);
    for (const auto& [x, v] : graphique_effectif.series[0].valeurs) {
        EXPECT_EQ(v == 0, x >= *mort) << x;
    }
    for (unsigned s = 0; s < 2; ++s) {
        EXPECT_EQ(abscisses(graphique_frequences, s), suite(*mort));
    }
    EXPECT_EQ(fenetre->LabExtinction->text(),
              QString::fromUtf8("Population éteinte à la génération ") + QString::number(*mort));
    fenetre->AnglaisExecute();
    EXPECT_EQ(fenetre->LabExtinction->text(),
              "Population extinct at generation " + QString::number(*mort));
}

TEST_F(Fenetre, PanmixiaBarEveryEleventhGenerationAcrossRuns) {
    std::vector<int> appels; // generation numbers counted over both runs
    int generation = 0;
    const auto enveloppe = [&](Tfenetre_simulation& f) {
        f.echap = [&, suivant = f.echap] {
            ++generation;
            return suivant();
        };
        f.fixe_panmixie = [&, suivant = f.fixe_panmixie](int indice) {
            appels.push_back(generation);
            suivant(indice);
            EXPECT_EQ(fenetre->BarPanmixie->value(), std::max(0, std::min(indice, 100)));
        };
    };
    lance(enveloppe);
    lance(enveloppe);
    ASSERT_GE(appels.size(), 18u);
    for (std::size_t i = 1; i < appels.size(); ++i) {
        EXPECT_EQ(appels[i] - appels[i - 1], 11);
    }
}

TEST_F(Fenetre, NegativePanmixiaShowsAnEmptyBar) {
    fenetre->BarPanmixie->setValue(50);
    fenetre->crochets_simulation().fixe_panmixie(-690);
    EXPECT_EQ(fenetre->BarPanmixie->value(), 0);
    EXPECT_EQ(fenetre->LabIndicePanmixie->text(), "-690");
}

TEST_F(Fenetre, TwoRunsWithTheSameParametersDiffer) {
    options_mesure.graine.reset(); // a new seed for each run
    fenetre->MesureExecute();
    const auto premiere = graphique_frequences.series[0].valeurs;
    fenetre->MesureExecute();
    EXPECT_NE(graphique_frequences.series[0].valeurs, premiere);
}

TEST_F(Fenetre, AlleleCountChangeRebuildsSeriesAndErasesTheSizeCurve) {
    fenetre->MesureExecute();
    parametres.nb_alleles = 3;
    fenetre->RafraichitExecute();
    ASSERT_EQ(graphique_frequences.nb_series(), 3u);
    const char* noms[] = {"Allèle 1", "Allèle 2", "Allèle 3"};
    const Tcouleur couleurs[] = {0x0000FF, 0xFF0000, 0x008000};
    for (unsigned i = 0; i < 3; ++i) {
        EXPECT_EQ(graphique_frequences.series[i].nom, noms[i]);
        EXPECT_EQ(graphique_frequences.series[i].couleur, couleurs[i]);
        EXPECT_TRUE(graphique_frequences.series[i].valeurs.empty());
    }
    EXPECT_EQ(graphique_effectif.nb_series(), 1u);
    EXPECT_TRUE(graphique_effectif.series[0].valeurs.empty());
}

TEST_F(Fenetre, AxesFollowTheParameters) {
    parametres.effectif_max = 1005;
    parametres.nb_generations = 250;
    fenetre->RafraichitExecute();
    EXPECT_EQ(graphique_effectif.ordonnee.max, 1005);
    EXPECT_EQ(graphique_effectif.ordonnee.pas, 100);
    EXPECT_EQ(graphique_effectif.abscisse.max, 250);
    EXPECT_EQ(graphique_frequences.abscisse.max, 250);
    EXPECT_EQ(graphique_frequences.ordonnee.max, 100);
    EXPECT_EQ(graphique_frequences.ordonnee.pas, 10);
}

TEST_F(Fenetre, ResizingWidensBothPlotsAndHeightensOnlyTheFrequencies) {
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    const QRect haut = fenetre->Ecran2->geometry();
    const QRect bas = fenetre->Ecran1->geometry();
    EXPECT_EQ(haut.size(), QSize(515, 209));
    EXPECT_EQ(bas.size(), QSize(515, 153));
    fenetre->resize(fenetre->width() + 100, fenetre->height() + 60);
    QApplication::processEvents();
    EXPECT_EQ(fenetre->Ecran2->geometry(), haut.adjusted(0, 0, 100, 60));
    EXPECT_EQ(fenetre->Ecran1->geometry(), bas.translated(0, 60).adjusted(0, 0, 100, 0));
    EXPECT_EQ(fenetre->LabFec->pos(), QPoint(8, 128));
    // The charts were drawn again at the new size.
    EXPECT_EQ(fenetre->Ecran2->image().size(), QSize(615, 269));
    EXPECT_EQ(fenetre->Ecran2->image().pixelColor(5, 5), QColor(0xC0, 0xC0, 0xC0));
}

// Counts paint events anywhere in the program.
class CompteurPeintures : public QObject {
public:
    int n = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++n;
        }
        return QObject::eventFilter(o, e);
    }
};

TEST_F(Fenetre, AnIdleWindowDoesNotRepaint) {
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    QTest::qWait(200);
    CompteurPeintures compteur;
    qApp->installEventFilter(&compteur);
    QTest::qWait(1000);
    qApp->removeEventFilter(&compteur);
    EXPECT_EQ(compteur.n, 0);
}

TEST_F(Fenetre, APaintBoxIsPaintedAgainAfterEachBatchOfDrawing) {
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    QTest::qWait(100);
    CompteurPeintures compteur;
    fenetre->Ecran2->installEventFilter(&compteur);
    for (int fois = 1; fois <= 3; ++fois) {
        const int avant = compteur.n;
        for (int x = 0; x < 50; ++x) {
            fenetre->Ecran2->MoveTo(x, 10 * fois);
            fenetre->Ecran2->LineTo(x + 1, 10 * fois);
        }
        QTest::qWait(50);
        EXPECT_GT(compteur.n, avant) << fois;
    }
    fenetre->Ecran2->removeEventFilter(&compteur);
}

TEST_F(Fenetre, TheChartsLetGoOfADestroyedWindow) {
    fenetre.reset();
    EXPECT_EQ(graphique_frequences.ecran, nullptr);
    EXPECT_EQ(graphique_effectif.ecran, nullptr);
    graphique_frequences.trace(false); // nothing to draw on, and no crash
}

TEST_F(Fenetre, ClosingDuringARunEndsItAtTheNextPump) {
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    int passages = 0;
    lance([&](Tfenetre_simulation& f) {
        f.traite_messages = [&, suivant = f.traite_messages] {
            if (++passages == 3) {
                fenetre->FileExit1->trigger();
            }
            return suivant();
        };
    });
    EXPECT_EQ(passages, 3);
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_FALSE(mesure_en_cours);
    // Generations 0 to 19 were drawn; nothing after the close.
    EXPECT_EQ(abscisses(graphique_effectif, 0), suite(20));
}

} // namespace
