#include "ui/reglages.h"

#include "i18n/traducteur.h"
#include "model/options_mesure.h"
#include "model/parametres.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

// Stands for the main window: counts its paints.
class FenetreComptee : public QWidget {
public:
    int peintures = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++peintures; }
};

// A panel attached to its own parameters and to a shown window that counts
// repaints. The process keeps one remembered copy of the parameters for
// `a_change`: each test starts in step with it and with no paint counted.
class Panneau : public ::testing::Test {
protected:
    void SetUp() override {
        Traducteur().langue() = francais;
        principale.resize(100, 100);
        principale.show();
        QApplication::processEvents();
        panneau.AttacheParametres(p);
        panneau.attache_fenetre(&principale);
        redessine();
    }
    void TearDown() override { Traducteur().langue() = francais; }

    // Redraws the panel, then forgets the repaints so far.
    void redessine() {
        panneau.RafraichitPanneau();
        p.a_change();
        principale.peintures = 0;
    }
    bool montre(const QWidget* w) const { return w->isVisibleTo(&panneau); }

    // Each allele row as the position of its frequency bar, "x" when that bar
    // is disabled, "-" when the row (number, frequency, lethality) is hidden.
    std::string rangees() const {
        const TForm2& f = panneau;
        const QWidget* rangee[4][3] = {{f.Labnum1, f.BarFreqAl1, f.BarLetAl1},
                                       {f.Labnum2, f.BarFreqAl2, f.BarLetAl2},
                                       {f.Labnum3, f.BarFreqAl3, f.BarLetAl3},
                                       {f.Labnum4, f.BarFreqAl4, f.BarLetAl4}};
        std::string texte;
        for (const auto& [numero, frequence, letalite] : rangee) {
            const int vues = montre(numero) + montre(frequence) + montre(letalite);
            texte += (texte.empty() ? "" : " ") +
                     std::to_string(static_cast<const QSlider*>(frequence)->value()) +
                     (frequence->isEnabled() ? "" : "x") +
                     (vues == 3   ? ""
                      : vues == 0 ? "-"
                                  : "?");
        }
        return texte;
    }
    void touche(QWidget* w, Qt::Key k) {
        QKeyEvent appui(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w, &appui);
    }

    Tparametres_mesure p;
    FenetreComptee principale;
    TForm2 panneau;
};

TEST_F(Panneau, ShowsTheDefaultsWithoutWritingOrRepainting) {
    const Tparametres_mesure defauts; // the fixture left the remembered copy at these
    Tparametres_mesure q;
    TForm2 neuf;
    neuf.AttacheParametres(q);
    neuf.attache_fenetre(&principale);
    neuf.RafraichitPanneau();

    EXPECT_EQ(principale.peintures, 0) << "defaults are not a change";
    EXPECT_TRUE(q == defauts && q.modifiable);
    const std::vector<std::pair<QSlider*, std::vector<int>>> barres = {
        {neuf.Bar_nb_all, {2, 4, 1, 2}},           {neuf.Bar_nb_gen, {0, 1000, 100, 100}},
        {neuf.Bar_Ef_Max, {0, 10000, 1000, 1000}}, {neuf.Bar_Ef_Min, {0, 10000, 1000, 300}},
        {neuf.Bar_Fec, {200, 250, 10, 210}},       {neuf.BarFreqAl2, {0, 100, 10, 50}},
        {neuf.BarLetAl1, {0, 100, 10, 0}}};
    for (const auto& [barre, attendu] : barres) {
        EXPECT_EQ((std::vector<int>{barre->minimum(), barre->maximum(), barre->tickInterval(),
                                    barre->value()}),
                  attendu)
            << barre->objectName().toStdString();
    }
    EXPECT_EQ(neuf.LabNbGenMax->text(), "1000");
    EXPECT_EQ(neuf.LabEfMaxMax->text(), "10000");
}

TEST_F(Panneau, RedrawNeverWritesItsOwnCorrectionsBack) {
    p.nb_generations = 5;
    p.fecondite = 3.0f;
    p.effectif_max = 20000;
    panneau.RafraichitPanneau();
    EXPECT_EQ(panneau.Bar_nb_gen->value(), 5);
    EXPECT_EQ(panneau.Bar_Fec->value(), 250) << "the bar clamps";
    EXPECT_EQ(panneau.Bar_Ef_Max->value(), 10000);
    EXPECT_EQ(p.nb_generations, 5u);
    EXPECT_EQ(p.fecondite, 3.0f);
    EXPECT_EQ(p.effectif_max, 20000u);
    EXPECT_TRUE(p.modifiable);
    EXPECT_EQ(principale.peintures, 1);
}

TEST_F(Panneau, AlleleCountResetsFrequenciesAndShowsItsRows) {
    panneau.Bar_nb_all->setValue(3);
    ASSERT_EQ(p.nb_alleles, 3u);
    ASSERT_EQ(p.frequences, std::vector<float>(3, 0.33333334f));
    EXPECT_EQ(rangees(), "33 33 33x 0x-");
    EXPECT_EQ(principale.peintures, 1);
    panneau.Bar_nb_all->setValue(2);
    EXPECT_EQ(rangees(), "50 50x 0x- 0x-");
    panneau.Bar_nb_all->setValue(4);
    EXPECT_EQ(rangees(), "25 25 25 25x");
}

TEST_F(Panneau, LethalitiesComeBackWithTheirRows) {
    panneau.BarLetAl4->setValue(30); // hidden, for an allele the sequence never held
    ASSERT_GE(p.letalites.size(), 4u);
    EXPECT_EQ(p.letalite(3), 0.3f);

    panneau.Bar_nb_all->setValue(4);
    panneau.BarLetAl3->setValue(40);
    panneau.BarLetAl4->setValue(7);
    panneau.Bar_nb_all->setValue(2);
    EXPECT_EQ(p.letalite(2), 0.4f);
    panneau.Bar_nb_all->setValue(4);
    EXPECT_EQ(panneau.BarLetAl3->value(), 40);
    EXPECT_EQ(panneau.BarLetAl4->value(), 7);
    EXPECT_EQ(p.letalites[3], 0.07f);
}

TEST_F(Panneau, FrequencyMoveRescalesTheOthers) {
    panneau.BarFreqAl1->setValue(30);
    EXPECT_EQ(p.frequence(0), 0.3f);
    EXPECT_EQ(panneau.BarFreqAl2->value(), 70);

    panneau.Bar_nb_all->setValue(3);
    panneau.BarFreqAl2->setValue(50);
    EXPECT_EQ(panneau.BarFreqAl1->value(), 25);
    EXPECT_EQ(panneau.BarFreqAl3->value(), 25);
}

struct CasEffectif {
    const char* nom;
    std::uint32_t min, max;
    bool barre_max;
    int position;
    std::uint32_t min_attendu, max_attendu;
};

class PanneauEffectifs : public Panneau, public ::testing::WithParamInterface<CasEffectif> {};

TEST_P(PanneauEffectifs, ClampsAndTheBarJumpsBack) {
    const CasEffectif& c = GetParam();
    p.effectif_min = c.min;
    p.effectif_max = c.max;
    redessine();
    (c.barre_max ? panneau.Bar_Ef_Max : panneau.Bar_Ef_Min)->setValue(c.position);
    EXPECT_EQ(p.effectif_min, c.min_attendu);
    EXPECT_EQ(p.effectif_max, c.max_attendu);
    EXPECT_EQ(panneau.Bar_Ef_Min->value(), static_cast<int>(c.min_attendu));
    EXPECT_EQ(panneau.Bar_Ef_Max->value(), static_cast<int>(c.max_attendu));
}

INSTANTIATE_TEST_SUITE_P(
    Bornes, PanneauEffectifs,
    ::testing::Values(CasEffectif{"MaxBelowMinStoresMin", 300, 1000, true, 100, 300, 300},
                      CasEffectif{"MaxBelowTenStoresTen", 5, 1000, true, 3, 5, 10},
                      CasEffectif{"MaxInRange", 300, 1000, true, 4321, 300, 4321},
                      CasEffectif{"MinAboveMaxStoresMax", 300, 1000, false, 5000, 1000, 1000},
                      CasEffectif{"MinBelowFloorStoresFloor", 300, 1000, false, 0, 2, 1000},
                      CasEffectif{"MinInRange", 300, 1000, false, 777, 777, 1000}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Panneau, FineTuningStepsByOneUpToTheLimits) {
    p.effectif_min = 997;
    redessine();
    for (std::uint32_t attendu : {998u, 999u, 1000u, 1000u}) {
        panneau.MinPlus->click();
        EXPECT_EQ(p.effectif_min, attendu);
        EXPECT_EQ(panneau.Bar_Ef_Min->value(), static_cast<int>(attendu));
    }
    p.effectif_min = 4;
    redessine();
    for (std::uint32_t attendu : {3u, 2u, 2u}) {
        panneau.MinMoins->click();
        EXPECT_EQ(p.effectif_min, attendu);
        EXPECT_EQ(panneau.Bar_Ef_Min->value(), static_cast<int>(attendu));
    }
}

TEST_F(Panneau, GenerationsAndFecundityScales) {
    panneau.Bar_nb_gen->setValue(3);
    EXPECT_EQ(p.nb_generations, 10u);
    EXPECT_EQ(panneau.Bar_nb_gen->value(), 10);
    panneau.Bar_nb_gen->setValue(640);
    EXPECT_EQ(p.nb_generations, 640u);

    panneau.Bar_Fec->setValue(237);
    EXPECT_EQ(p.fecondite, 2.37f);
    panneau.RafraichitPanneau();
    EXPECT_EQ(panneau.Bar_Fec->value(), 237);
    panneau.Bar_Fec->setValue(201);
    EXPECT_EQ(p.fecondite, 2.01f);
    panneau.RafraichitPanneau();
    EXPECT_EQ(panneau.Bar_Fec->value(), 201) << "2.01f is just below 2.01";
}

TEST_F(Panneau, MainWindowRepaintsExactlyWhenParametersChanged) {
    panneau.RafraichitPanneau();
    EXPECT_EQ(principale.peintures, 0) << "unchanged parameters";

    p.nb_generations = 500; // a redraw would move the bar to 500
    panneau.BarLetAl1->setValue(40);
    EXPECT_EQ(p.letalite(0), 0.4f);
    EXPECT_EQ(panneau.Bar_nb_gen->value(), 100) << "a lethality move redraws nothing";
    EXPECT_EQ(principale.peintures, 0);

    panneau.RafraichitPanneau();
    EXPECT_EQ(principale.peintures, 1);
    panneau.RafraichitPanneau();
    EXPECT_EQ(principale.peintures, 1);

    panneau.Bar_nb_gen->setValue(600);
    EXPECT_EQ(principale.peintures, 2);
    p.nb_generations = 10;
    redessine();
    panneau.Bar_nb_gen->setValue(4); // stores 10 again: no change
    EXPECT_EQ(panneau.Bar_nb_gen->value(), 10);
    EXPECT_EQ(principale.peintures, 0);
}

TEST_F(Panneau, TextsFollowTheLanguageAndTheLocale) {
    const QLocale ancienne;
    QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));
    panneau.RafraichitPanneau();
    EXPECT_EQ(panneau.LabEfMax->text(), "Effectif maxi");
    EXPECT_EQ(panneau.LabFecMin->text(), "2,0");
    EXPECT_EQ(panneau.LabFecMax->text(), "2,5");

    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    Traducteur().langue() = anglais;
    panneau.RafraichitPanneau();
    QLocale::setDefault(ancienne);
    EXPECT_EQ(panneau.windowTitle(), "Control panel");
    EXPECT_EQ(panneau.LabBarNbAll->text(), "Alleles nb");
    EXPECT_EQ(panneau.LabNbGen->text(), "Nb generations");
    EXPECT_EQ(panneau.LabEfMax->text(), "Roll maxi");
    EXPECT_EQ(panneau.LabEfMin->text(), "Roll mini");
    EXPECT_EQ(panneau.LabFec->text(), "Fertility");
    EXPECT_EQ(panneau.LabFreq->text(), "Incidence");
    EXPECT_EQ(panneau.LabLetal->text(), "Lethality");
    EXPECT_EQ(panneau.LabFreqMax->text(), "100 %");
    EXPECT_EQ(panneau.MinPlus->toolTip(), "Fine tuning: Add one person");
    EXPECT_EQ(panneau.MinMoins->toolTip(), "Fine tuning: Remove one person");
    EXPECT_EQ(panneau.LabFecMin->text(), "2.0");
    EXPECT_EQ(principale.peintures, 0) << "a language switch changes no parameter";
}

TEST_F(Panneau, EscapeDoesNotCloseIt) {
    panneau.show();
    QApplication::processEvents();
    panneau.Bar_nb_all->setFocus();
    touche(panneau.Bar_nb_all, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(panneau.isVisible());
    panneau.close();
    EXPECT_FALSE(panneau.isVisible());
}

TEST_F(Panneau, KeysMoveThumbsTheWayTheyPointAndTabFollowsTheColumns) {
    touche(panneau.Bar_nb_gen, Qt::Key_Down);
    EXPECT_EQ(p.nb_generations, 101u) << "the maximum is at the bottom";
    touche(panneau.BarLetAl1, Qt::Key_Right);
    EXPECT_EQ(p.letalite(0), 0.01f);
    EXPECT_TRUE(panneau.Bar_Fec->invertedAppearance()) << "minimum at the top";

    panneau.Bar_nb_all->setValue(4);
    const std::vector<QWidget*> ordre = {
        panneau.Bar_nb_all, panneau.Bar_nb_gen, panneau.Bar_Ef_Max, panneau.Bar_Ef_Min,
        panneau.Bar_Fec,    panneau.BarFreqAl1, panneau.BarLetAl1,  panneau.BarFreqAl2,
        panneau.BarLetAl2,  panneau.BarFreqAl3, panneau.BarLetAl3,  panneau.BarLetAl4,
        panneau.MinPlus,    panneau.MinMoins}; // BarFreqAl4, disabled, takes no focus
    panneau.show();
    QApplication::processEvents();
    panneau.Bar_nb_all->setFocus();
    for (std::size_t i = 1; i < ordre.size(); ++i) {
        touche(panneau.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(panneau.focusWidget(), ordre[i]) << i;
    }
}

// A seed is a whole number; anything else is refused next to the field and
// changes nothing. Emptied, each run draws its own again.
TEST_F(Panneau, ATypedSeedIsAWholeNumberOrRefused) {
    options_mesure = Toptions_mesure();
    panneau.EditGraine->setText("2026");
    panneau.ChangeGraineExecute();
    EXPECT_EQ(options_mesure.graine, std::optional<std::uint64_t>(2026));
    EXPECT_TRUE(panneau.LabGraineErreur->isHidden());
    for (const char* refuse : {"12ab", "-3", "18446744073709551616", "1.5"}) {
        panneau.EditGraine->setText(refuse);
        panneau.ChangeGraineExecute();
        EXPECT_EQ(options_mesure.graine, std::optional<std::uint64_t>(2026)) << refuse;
        EXPECT_FALSE(panneau.LabGraineErreur->isHidden()) << refuse;
    }
    EXPECT_EQ(panneau.LabGraineErreur->text(),
              QString::fromUtf8("La graine est un entier de 0 à 18446744073709551615."));
    EXPECT_TRUE(panneau.rect().contains(panneau.LabGraineErreur->geometry()));
    panneau.EditGraine->setText("");
    panneau.ChangeGraineExecute();
    EXPECT_FALSE(options_mesure.graine);
    EXPECT_TRUE(panneau.LabGraineErreur->isHidden());
    panneau.SpinReplicats->setValue(20);
    EXPECT_EQ(options_mesure.replicats, 20u);
    options_mesure = Toptions_mesure();
}

// In either language and with any number of alleles, every label stands clear
// of the others inside the window.
TEST_F(Panneau, LabelsNeitherOverlapNorLeaveTheWindow) {
    for (const langues langue : {francais, anglais}) {
        for (const int alleles : {2, 4}) {
            Traducteur().langue() = langue;
            panneau.Bar_nb_all->setValue(alleles);
            panneau.RafraichitPanneau();
            std::vector<const QWidget*> textes = {panneau.MinPlus, panneau.MinMoins};
            for (const QLabel* l : panneau.findChildren<QLabel*>()) {
                textes.push_back(l);
            }
            for (std::size_t i = 0; i < textes.size(); ++i) {
                if (!montre(textes[i])) {
                    continue;
                }
                const QRect a = textes[i]->geometry();
                EXPECT_TRUE(panneau.rect().contains(a)) << textes[i]->objectName().toStdString();
                for (std::size_t j = i + 1; j < textes.size(); ++j) {
                    if (montre(textes[j])) {
                        EXPECT_FALSE(a.intersects(textes[j]->geometry()))
                            << langue << " " << alleles << " "
                            << textes[i]->objectName().toStdString() << " "
                            << textes[j]->objectName().toStdString();
                    }
                }
            }
        }
    }
}

} // namespace
