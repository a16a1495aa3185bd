// The Files menu as a user meets it: scenarios saved and opened back, saves
// that fail and say so, broken files that change nothing, the question on
// closing, images, export and printing. The tests answer the dialogs.
#include "donnees/ecriture.h"
#include "model/options_mesure.h"
#include "model/simulation.h"
#include "ui/ProjetType.h"
#include "ui/commandes_fichier.h"
#include "ui/dialogue_consignes.h"
#include "ui/ecran.h"
#include "ui/graphiques.h"
#include "ui/ligne_commande.h"

#include "langue_temporaire.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>
#include <sys/resource.h>

namespace {

struct Tmessage {
    QMessageBox::Icon icone;
    QString texte;
    QString details;
};

class Fichiers : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));
        graphique_frequences.supprime_series();
        graphique_effectif.supprime_series();
        fenetre = std::make_unique<TForm1>();
        f = fenetre->fichiers;
        f->fichier_reglages = chemin("reglages.ini");
        f->dialogues.chemin_ouverture = [](const QString&, const QString&) { return QString(); };
        f->dialogues.chemin_enregistrement = [this](const QString&, const QString&,
                                                    const QStringList&, const QString&) {
            ++demandes_chemin;
            return chemin_choisi;
        };
        f->dialogues.message = [this](QMessageBox::Icon i, const QString& t, const QString& d) {
            messages.push_back({i, t, d});
        };
        f->dialogues.question_fermeture = [this] {
            ++questions;
            return reponse;
        };
        f->dialogues.choix_image = [](Tchoix_graphique g) {
            return std::optional<Tchoix_image>({g, QSize()});
        };
    }

    void TearDown() override {
        fenetre.reset();
        parametres = Tparametres_mesure();
        options_mesure = Toptions_mesure();
        graphique_frequences.supprime_series();
        graphique_effectif.supprime_series();
        QLocale::setDefault(QLocale::c());
        Traducteur().langue() = francais;
    }

    QString chemin(const char* nom) const { return dossier.filePath(QString::fromUtf8(nom)); }

    static QByteArray contenu(const QString& chemin) {
        QFile fichier(chemin);
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }

    // Title and instructions typed into the dialog, as a teacher does.
    void ecrit_consignes(const QString& titre, const QString& instructions) {
        f->ConsignesExecute();
        auto* d = fenetre->findChild<Tdialogue_consignes*>();
        ASSERT_NE(d, nullptr);
        d->Titre->setText(titre);
        d->Consignes->setPlainText(instructions);
        d->accept();
    }

    std::unique_ptr<TForm1> fenetre;
    Tcommandes_fichier* f = nullptr;
    QTemporaryDir dossier;
    QString chemin_choisi;
    int demandes_chemin = 0;
    std::vector<Tmessage> messages;
    int questions = 0;
    QMessageBox::StandardButton reponse = QMessageBox::Cancel;
};

// Writes beyond `octets` fail as on a full disk (EFBIG), for root too.
class Tdisque_plein {
public:
    explicit Tdisque_plein(rlim_t octets) {
        ::getrlimit(RLIMIT_FSIZE, &avant);
        signal_avant = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant;
        limite.rlim_cur = octets;
        ::setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~Tdisque_plein() {
        ::setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signal_avant);
    }

private:
    rlimit avant{};
    void (*signal_avant)(int);
};

TEST_F(Fichiers, AScenarioSavedFromTheWindowOpensBackEqual) {
    parametres.nb_alleles = 3;
    parametres.ajuste();
    parametres.fixe_frequence(0, 0.2f);
    parametres.letalites[2] = 0.35f;
    parametres.effectif_min = 40;
    parametres.effectif_max = 80;
    parametres.fecondite = 2.35f;
    options_mesure.replicats = 12;
    options_mesure.graine = 2026;
    ecrit_consignes(QString::fromUtf8("Dérive « forte »"), "Lancez 5 fois.\n\"Que voyez-vous ?\"");
    const Tscenario attendu = f->scenario_courant();
    EXPECT_EQ(attendu.titre, "Dérive « forte »");
    EXPECT_TRUE(f->modifie());

    chemin_choisi = chemin("tp.quorvel");
    f->EnregistrerExecute(); // no file yet: asks where
    EXPECT_EQ(demandes_chemin, 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(f->chemin(), chemin_choisi);
    EXPECT_FALSE(f->modifie());
    EXPECT_EQ(f->recents(), QStringList{chemin_choisi});

    parametres = Tparametres_mesure();
    options_mesure = Toptions_mesure();
    EXPECT_TRUE(f->modifie());
    ASSERT_TRUE(f->ouvre(chemin_choisi));
    EXPECT_EQ(f->scenario_courant(), attendu);
    EXPECT_EQ(options_mesure.graine, 2026u);
    EXPECT_FALSE(f->modifie());
    // The student sees the instructions; the window shows the settings.
    auto* consignes = fenetre->findChild<Tdialogue_consignes*>();
    EXPECT_TRUE(consignes->isVisible());
    EXPECT_EQ(consignes->Consignes->toPlainText(), "Lancez 5 fois.\n\"Que voyez-vous ?\"");
    EXPECT_EQ(fenetre->LabEfMax->text(), "Effectif max 80");

    parametres.nb_generations = 500; // then Ctrl+S saves in place
    f->EnregistrerExecute();
    EXPECT_EQ(demandes_chemin, 1);
    EXPECT_EQ(charge_scenario(chemin_choisi.toStdString()).scenario.parametres.nb_generations,
              500u);
}

// Scenario, PNG, SVG and CSV: a folder gone or a full disk is said, the
// earlier file stays, and nothing counts as saved.
TEST_F(Fichiers, AFailedSaveSaysSoAndKeepsTheEarlierFile) {
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    fenetre->MesureExecute();
    ecrit_consignes("TP", QString(200000, 'x'));
    const std::vector<std::pair<const char*, std::function<bool(const QString&)>>> sauvegardes = {
        {"scenario.quorvel", [&](const QString& c) { return f->enregistre(c); }},
        {"image.png",
         [&](const QString& c) {
             return f->enregistre_image(c, {Tchoix_graphique::les_deux, {}});
         }},
        {"image.svg",
         [&](const QString& c) {
             return f->enregistre_image(c, {Tchoix_graphique::les_deux, {}});
         }},
        {"runs.csv", [&](const QString& c) { return f->exporte(c); }},
    };
    for (const auto& [nom, sauve] : sauvegardes) {
        messages.clear();
        const QString parti = chemin("parti/") + nom;
        EXPECT_FALSE(sauve(parti)) << nom;
        EXPECT_FALSE(QFile::exists(parti));
        ASSERT_EQ(messages.size(), 1u) << nom;
        EXPECT_EQ(messages[0].icone, QMessageBox::Critical);
        EXPECT_TRUE(messages[0].texte.contains(parti)) << messages[0].texte.toStdString();
        EXPECT_TRUE(messages[0].details.contains("No such file")) << nom;

        const QString c = chemin(nom);
        QFile ancien(c);
        ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
        ancien.write("ancien");
        ancien.close();
        {
            Tdisque_plein plein(100);
            EXPECT_FALSE(sauve(c)) << nom;
        }
        EXPECT_EQ(contenu(c), "ancien") << nom;
        EXPECT_EQ(messages.size(), 2u) << nom;
        EXPECT_TRUE(messages.back().details.contains("File too large")) << nom;
    }
    EXPECT_EQ(QDir(dossier.path()).entryList({"*.quorvel", "*.png", "*.svg", "*.csv"}).size(), 4);
    EXPECT_TRUE(f->chemin().isEmpty());
    EXPECT_TRUE(f->modifie());
    EXPECT_TRUE(f->recents().isEmpty());
}

TEST_F(Fichiers, ABrokenScenarioChangesNothing) {
    parametres.effectif_max = 5000;
    options_mesure.replicats = 7;
    const Tparametres_mesure avant = parametres;
    const std::vector<std::pair<QByteArray, QString>> fichiers = {
        {"format = \"quorvel-scenario\"\nversion = 1\nalleles = [2\n", "ligne 3, colonne"},
        {"format = \"quorvel-scenario\"\nversion = 9\n",
         QString::fromUtf8("ligne 2, champ « version »")},
        {"format = \"quorvel-scenario\"\nversion = 1\nalleles = 3\n",
         QString::fromUtf8("ligne 3, champ « frequencies »")},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), "ligne 1"},
    };
    for (const auto& [octets, lieu] : fichiers) {
        messages.clear();
        QFile fichier(chemin("casse.quorvel"));
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write(octets);
        fichier.close();
        EXPECT_FALSE(f->ouvre(fichier.fileName()));
        EXPECT_EQ(parametres, avant);
        EXPECT_EQ(parametres.effectif_max, 5000u);
        EXPECT_EQ(options_mesure.replicats, 7u);
        EXPECT_TRUE(f->chemin().isEmpty());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].icone, QMessageBox::Warning);
        EXPECT_TRUE(messages[0].details.startsWith(lieu)) << messages[0].details.toStdString();
    }
    EXPECT_FALSE(f->ouvre(chemin("absent.quorvel")));
    EXPECT_TRUE(f->recents().isEmpty());
}

TEST_F(Fichiers, ValuesOutsideThePanelsRangesAreBroughtInAndListed) {
    QFile fichier(chemin("large.quorvel"));
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write("format = \"quorvel-scenario\"\nversion = 1\nalleles = 2\n"
                  "frequencies = [50, 50]\nlethalities = []\nmin_size = 300\n"
                  "max_size = 20000\nfecundity = 2.1\ngenerations = 5\nreplicates = 1\n");
    fichier.close();
    ASSERT_TRUE(f->ouvre(fichier.fileName()));
    EXPECT_EQ(parametres.effectif_max, 10000u);
    EXPECT_EQ(parametres.nb_generations, 10u);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icone, QMessageBox::Information);
    EXPECT_EQ(messages[0].details.split('\n').size(), 2);
    EXPECT_TRUE(messages[0].details.contains(QString::fromUtf8("ligne 7, champ « max_size »")));
}

TEST_F(Fichiers, ClosingWithAChangedScenarioAsksWhetherToSaveIt) {
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    parametres.nb_generations = 300; // no scenario yet: nothing to ask
    chemin_choisi = chemin("tp.quorvel");
    f->EnregistrerSousExecute();
    parametres.nb_generations = 400;

    reponse = QMessageBox::Cancel;
    EXPECT_FALSE(fenetre->close());
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(questions, 1);

    reponse = QMessageBox::Save;
    EXPECT_TRUE(fenetre->close());
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(charge_scenario(chemin_choisi.toStdString()).scenario.parametres.nb_generations,
              400u);

    // A save that fails keeps the window open.
    fenetre = std::make_unique<TForm1>();
    f = fenetre->fichiers;
    f->fichier_reglages = chemin("reglages.ini");
    f->dialogues = {};
    f->dialogues.message = [this](QMessageBox::Icon i, const QString& t, const QString& d) {
        messages.push_back({i, t, d});
    };
    f->dialogues.question_fermeture = [] { return QMessageBox::Save; };
    ecrit_consignes("TP", "");
    ASSERT_TRUE(f->enregistre(chemin("tp.quorvel")));
    QDir(dossier.path()).removeRecursively();
    parametres.nb_generations = 20;
    EXPECT_FALSE(fenetre->close());
    EXPECT_EQ(messages.back().icone, QMessageBox::Critical);
}

TEST_F(Fichiers, TheExportHoldsTheShownRunsWithTheCommandLinesColumns) {
    chemin_choisi = chemin("runs.csv");
    parametres.nb_alleles = 3;
    // While a run goes on, its record is not whole yet: nothing is written.
    Tfenetre_simulation crochets = fenetre->crochets_simulation();
    crochets.traite_messages = [&, suivant = crochets.traite_messages] {
        if (messages.empty()) {
            f->ExporterDonneesExecute();
        }
        return suivant();
    };
    attache_fenetre_simulation(crochets);
    fenetre->MesureExecute();
    attache_fenetre_simulation(fenetre->crochets_simulation());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(demandes_chemin, 0);
    EXPECT_FALSE(QFile::exists(chemin_choisi));

    f->ExporterDonneesExecute();
    EXPECT_EQ(messages.size(), 1u);
    const QList<QByteArray> lignes = contenu(chemin_choisi).split('\n');
    std::stringstream entete;
    ecrit_entete_csv(entete, 3);
    EXPECT_EQ(lignes.front().toStdString() + "\n", entete.str());
    EXPECT_EQ(lignes.size(), 1 + 100 + 1); // the header, 100 generations, the final new line
}

// The PNG at the window's size is the window's own image; at another size,
// and as SVG, the chart drawn again looks the same.
TEST_F(Fichiers, ImagesAreWhatTheWindowShows) {
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    fenetre->MesureExecute();
    QCoreApplication::processEvents();
    const Timages_graphiques& images = f->images();
    EXPECT_EQ(images.image(Tchoix_graphique::frequences), fenetre->Ecran2->image());
    EXPECT_EQ(images.image(Tchoix_graphique::effectif), fenetre->Ecran1->image());
    const QImage deux = images.image(Tchoix_graphique::les_deux);
    EXPECT_EQ(deux.size(), QSize(fenetre->Ecran2->width(),
                                 fenetre->Ecran1->geometry().bottom() + 1 - fenetre->Ecran2->y()));
    EXPECT_EQ(deux.copy(QRect(QPoint(0, fenetre->Ecran1->y() - fenetre->Ecran2->y()),
                              fenetre->Ecran1->size())),
              fenetre->Ecran1->image());
    EXPECT_EQ(images.image(Tchoix_graphique::les_deux, QSize(1030, 738)).size(), QSize(1030, 738));

    f->CopierGraphiqueExecute();
    EXPECT_EQ(QGuiApplication::clipboard()->image(), deux);

    // The SVG drawn back: the same pixels but for the edges of texts and lines.
    const QImage ecran = fenetre->Ecran2->image().convertToFormat(QImage::Format_RGB32);
    QSvgRenderer svg(images.svg(Tchoix_graphique::frequences));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox().size(), ecran.size());
    QImage rendu(ecran.size(), QImage::Format_RGB32);
    QPainter peintre(&rendu);
    svg.render(&peintre);
    peintre.end();
    int pareils = 0;
    for (int y = 0; y < ecran.height(); ++y) {
        for (int x = 0; x < ecran.width(); ++x) {
            const QColor a = ecran.pixelColor(x, y);
            const QColor b = rendu.pixelColor(x, y);
            pareils += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                           std::abs(a.blue() - b.blue()) <
                       60;
        }
    }
    EXPECT_GT(pareils, ecran.width() * ecran.height() * 95 / 100);
}

TEST_F(Fichiers, PrintingDrawsTheTitleAndTheCharts) {
    fenetre->MesureExecute();
    ecrit_consignes("TP 3", "");
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(chemin("page.pdf"));
    f->imprime(imprimante);
    const QByteArray pdf = contenu(chemin("page.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 5000);
}

TEST_F(Fichiers, ExamplesOpenAsNewScenariosInTheLanguageOfTheWindow) {
    for (langues langue : {francais, anglais}) {
        LangueTemporaire choix(langue);
        const QStringList exemples = f->exemples();
        ASSERT_EQ(exemples.size(), 4);
        ASSERT_TRUE(f->ouvre(exemples[1], true));
        EXPECT_TRUE(f->chemin().isEmpty());
        EXPECT_EQ(parametres.letalite(1), 1.0f);
        EXPECT_EQ(f->scenario_courant().titre,
                  langue == francais ? "Un allèle létal récessif" : "A recessive lethal allele");
        EXPECT_TRUE(messages.empty());
    }
    chemin_choisi = chemin("copie.quorvel");
    f->EnregistrerExecute();
    EXPECT_EQ(demandes_chemin, 1);
    EXPECT_TRUE(f->recents().contains(chemin_choisi));
}

TEST_F(Fichiers, MenusShortcutsAndTheirEnglishTexts) {
    const std::vector<std::pair<QAction*, QKeySequence>> raccourcis = {
        {f->Ouvrir, QKeySequence::Open},
        {f->Enregistrer, QKeySequence::Save},
        {f->EnregistrerSous, QKeySequence::SaveAs},
        {f->Imprimer, QKeySequence::Print},
        {f->CopierGraphique, QKeySequence::Copy},
        {fenetre->FileExit1, QKeySequence::Quit},
        {fenetre->HelpContents1, QKeySequence(Qt::Key_F1)}};
    for (const auto& [action, touches] : raccourcis) {
        EXPECT_EQ(action->shortcut(), touches) << action->text().toStdString();
    }
    QMenu* fichier = fenetre->ActionMainMenuBar1->actions().front()->menu();
    QStringList en_francais;
    for (QAction* item : fichier->actions()) {
        en_francais << item->text();
    }
    fenetre->AnglaisExecute();
    for (int i = 1; i < en_francais.size(); ++i) {
        const QString anglais_ = fichier->actions()[i]->text();
        EXPECT_TRUE(anglais_.isEmpty() || anglais_ != en_francais[i]) << anglais_.toStdString();
    }
    EXPECT_EQ(f->Ouvrir->text(), QString::fromUtf8("&Open a scenario…"));
}

TEST(LigneCommande, AScenarioToOpenOrAVersionOrHelp) {
    EXPECT_EQ(lit_ligne_commande({"tp.quorvel"}).fichier, "tp.quorvel");
    EXPECT_TRUE(lit_ligne_commande({"--version"}).version);
    EXPECT_TRUE(lit_ligne_commande({"-h"}).aide);
    EXPECT_EQ(lit_ligne_commande({"--", "-x.quorvel"}).fichier, "-x.quorvel");
    EXPECT_FALSE(lit_ligne_commande({"--bogus"}).erreur.isEmpty());
    EXPECT_FALSE(lit_ligne_commande({"a.quorvel", "b.quorvel"}).erreur.isEmpty());
    EXPECT_EQ(texte_version(), "quorvel 2.0.2.4\n");
}

} // namespace
