// The window's runs beyond the first: pace, pause, step, continue, replay,
// and many populations at once.
#include "etat_initial.h"
#include "model/lot.h"
#include "model/options_mesure.h"
#include "model/resume.h"
#include "model/simulation.h"
#include "ui/ProjetType.h"
#include "ui/commandes_mesure.h"
#include "ui/ecran.h"
#include "ui/graphiques.h"

#include <QAction>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class Pilote : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));
        fenetre = std::make_unique<TForm1>();
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    }
    void TearDown() override {
        fenetre.reset();
        remet_etat_initial();
    }

    Tpilote_mesure& pilote() { return fenetre->commandes_mesure->pilote(); }
    bool attend_fin(int ms = 20000) {
        return QTest::qWaitFor([&] { return pilote().etat() == Tpilote_mesure::Tetat::repos; }, ms);
    }
    std::vector<Tetat_generation> generations() {
        return pilote().registres().front()->generations;
    }

    std::unique_ptr<TForm1> fenetre;
};

TEST_F(Pilote, APacedRunPausesStepsAndResumesToTheSamePopulations) {
    parametres.nb_generations = 20;
    options_mesure.graine = 77;
    fenetre->MesureExecute(); // the fastest pace: done on return
    const std::vector<Tetat_generation> au_plus_vite = generations();
    const QImage image = fenetre->Ecran2->image().copy();
    ASSERT_EQ(au_plus_vite.size(), 20u);

    options_mesure.cadence = 50;
    fenetre->MesureExecute();
    EXPECT_EQ(pilote().etat(), Tpilote_mesure::Tetat::en_cours);
    EXPECT_TRUE(mesure_en_cours);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pilote().nb_generations_faites() >= 3; }, 5000));
    fenetre->commandes_mesure->Pause->trigger();
    const std::uint32_t arretee = pilote().nb_generations_faites();
    EXPECT_EQ(pilote().etat(), Tpilote_mesure::Tetat::en_pause);
    EXPECT_FALSE(mesure_en_cours);
    QTest::qWait(150);
    EXPECT_EQ(pilote().nb_generations_faites(), arretee) << "a pause holds the generation";
    fenetre->commandes_mesure->Pas->trigger();
    EXPECT_EQ(pilote().nb_generations_faites(), arretee + 1) << "a step makes exactly one";
    EXPECT_EQ(graphique_effectif.series[0].valeurs.size(), arretee + 1);
    fenetre->commandes_mesure->Pause->trigger(); // resume
    ASSERT_TRUE(attend_fin());
    EXPECT_EQ(generations(), au_plus_vite) << "the pace changes nothing but the time";
    EXPECT_EQ(fenetre->Ecran2->image(), image);
}

TEST_F(Pilote, ReplayGivesTheSameRunAndANewRunAnother) {
    fenetre->MesureExecute();
    const std::vector<Tetat_generation> premiere = generations();
    const QImage image = fenetre->Ecran2->image().copy();
    const std::uint64_t graine = pilote().graine();
    fenetre->MesureExecute();
    EXPECT_NE(pilote().graine(), graine);
    EXPECT_NE(generations(), premiere);
    options_mesure.graine = graine; // typed on the panel
    fenetre->MesureExecute();
    EXPECT_EQ(generations(), premiere);
    options_mesure.graine.reset();
    fenetre->MesureExecute();
    fenetre->commandes_mesure->Rejouer->trigger();
    EXPECT_NE(generations(), premiere);
    options_mesure.graine = graine;
    fenetre->MesureExecute();
    options_mesure.graine.reset();
    fenetre->commandes_mesure->Rejouer->trigger();
    EXPECT_EQ(generations(), premiere);
    EXPECT_EQ(fenetre->Ecran2->image(), image);
    EXPECT_TRUE(fenetre->commandes_mesure->LabGraine->text().endsWith(QString::number(graine)));
}

TEST_F(Pilote, ContinueAppendsToTheSamePopulationAndKeepsEarlierPoints) {
    options_mesure.graine = 12;
    parametres.effectif_min = 500;
    fenetre->MesureExecute();
    const auto points = graphique_frequences.series[0].valeurs;
    const std::vector<Tetat_generation> debut = generations();
    fenetre->commandes_mesure->Poursuivre->trigger();
    ASSERT_TRUE(attend_fin());
    EXPECT_EQ(parametres.nb_generations, 200u);
    EXPECT_EQ(graphique_frequences.abscisse.max, 200) << "the axis grows to fit";
    const std::vector<Tetat_generation> tout = generations();
    ASSERT_EQ(tout.size(), 200u);
    EXPECT_TRUE(std::equal(debut.begin(), debut.end(), tout.begin()));
    const auto apres = graphique_frequences.series[0].valeurs;
    EXPECT_EQ(apres.size(), 200u);
    EXPECT_TRUE(std::equal(points.begin(), points.end(), apres.begin()));

    // One run of 300 generations from the same seed makes the same population.
    parametres.nb_generations = 300;
    fenetre->commandes_mesure->Poursuivre->trigger();
    ASSERT_TRUE(attend_fin());
    const std::vector<Tetat_generation> poursuivie = generations();
    fenetre->MesureExecute();
    EXPECT_EQ(generations(), poursuivie);
}

TEST_F(Pilote, NothingToContinueAfterExtinctionOrAtTheLastGeneration) {
    parametres.effectif_min = 10;
    parametres.effectif_max = 10;
    options_mesure.graine = 5; // dies out at generation 9
    fenetre->MesureExecute();
    std::string pourquoi;
    EXPECT_FALSE(pilote().poursuit(pourquoi));
    EXPECT_EQ(pourquoi, "La population est éteinte : rien à poursuivre.");
    EXPECT_EQ(parametres.nb_generations, 100u);

    parametres = Tparametres_mesure();
    parametres.fecondite = 2.5f;
    parametres.nb_generations = 1000;
    fenetre->MesureExecute();
    EXPECT_FALSE(pilote().poursuit(pourquoi));
    EXPECT_EQ(pourquoi, "Le nombre maximal de générations est atteint.");
}

TEST_F(Pilote, ChangingThePaceMidRunSwitchesBetweenTheLoopAndTheTimer) {
    parametres.effectif_min = parametres.effectif_max = 5000;
    parametres.nb_generations = 300;
    options_mesure.graine = 8;
    fenetre->MesureExecute();
    const std::vector<Tetat_generation> reference = generations();

    int passages = 0;
    Tfenetre_simulation f = fenetre->crochets_simulation();
    f.traite_messages = [&, suivant = f.traite_messages] {
        if (++passages == 3) {
            options_mesure.cadence = 50;
            fenetre->commandes_mesure->pilote().change_cadence();
        }
        return suivant();
    };
    attache_fenetre_simulation(f);
    fenetre->MesureExecute(); // returns when the loop hands over to the timer
    attache_fenetre_simulation(fenetre->crochets_simulation());
    EXPECT_EQ(pilote().etat(), Tpilote_mesure::Tetat::en_cours);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pilote().nb_generations_faites() >= 25; }, 5000));
    options_mesure.cadence = 0;
    pilote().change_cadence(); // back to the loop, to the end
    ASSERT_TRUE(attend_fin());
    EXPECT_EQ(generations(), reference);
}

TEST_F(Pilote, ReplicatesAreTheEnginesAndTheirCountsItsSummary) {
    parametres.effectif_min = parametres.effectif_max = 60;
    parametres.fecondite = 2.5f;
    parametres.nb_generations = 150;
    options_mesure.replicats = 12;
    options_mesure.graine = 404;
    fenetre->MesureExecute();
    EXPECT_TRUE(mesure_en_cours);
    ASSERT_TRUE(attend_fin());
    EXPECT_FALSE(mesure_en_cours);

    Tdemande_lot d;
    d.parametres = parametres;
    d.graine = 404;
    d.nombre = 12;
    d.fils = 2;
    Tresume_lot resume;
    std::vector<Tregistre_mesure> moteur;
    execute_lot(d, [&](Tregistre_mesure&& r) {
        resume.ajoute(r);
        moteur.push_back(std::move(r));
    });
    const std::vector<const Tregistre_mesure*> fenetre_r = pilote().registres();
    ASSERT_EQ(fenetre_r.size(), 12u);
    for (std::size_t r = 0; r < 12; ++r) {
        EXPECT_EQ(fenetre_r[r]->generations, moteur[r].generations) << r;
    }
    const Tbilan_lot b = pilote().bilan();
    EXPECT_EQ(b.fixes, resume.alleles[0].fixe);
    EXPECT_EQ(b.perdus, resume.alleles[0].perdu);
    EXPECT_EQ(b.en_segregation, resume.alleles[0].en_segregation);
    EXPECT_EQ(b.eteintes, resume.eteintes);
    // The legend shows the same counts, one curve per population.
    ASSERT_EQ(graphique_frequences.nb_series(), 4u);
    EXPECT_EQ(graphique_frequences.series[0].legende, std::to_string(resume.alleles[0].fixe));
    EXPECT_EQ(graphique_frequences.series[3].legende, std::to_string(resume.eteintes));
    EXPECT_EQ(graphique_frequences.courbes.size(), 12u);
    EXPECT_EQ(graphique_effectif.courbes.size(), 12u);
    EXPECT_EQ(graphique_effectif.courbes[3].valeurs.size(), 150u);
}

TEST_F(Pilote, EscapeAndClosingStopEveryReplicate) {
    parametres.effectif_min = parametres.effectif_max = 3000;
    parametres.nb_generations = 1000;
    options_mesure.replicats = 40;
    fenetre->MesureExecute();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pilote().nb_generations_faites() >= 2; }, 10000));
    QTest::keyClick(fenetre.get(), Qt::Key_Escape);
    ASSERT_TRUE(attend_fin(5000));
    const std::uint32_t arretee = pilote().nb_generations_faites();
    EXPECT_LT(arretee, 1000u);
    for (const Tregistre_mesure* r : pilote().registres()) {
        EXPECT_EQ(r->generations.size(), arretee) << "every population stops at the same place";
    }
    // Closed in the middle of a step: the window goes, nothing is drawn after.
    fenetre->MesureExecute();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pilote().nb_generations_faites() >= 1; }, 10000));
    fenetre->close();
    fenetre.reset();
    QTest::qWait(50);
}

} // namespace
