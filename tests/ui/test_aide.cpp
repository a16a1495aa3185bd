#include "ui/aide.h"
#include "ui/visionneuse_aide.h"

#include "langue_temporaire.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

QString repertoire_programme() {
    return QCoreApplication::applicationDirPath() + "/";
}

// Runs with another working directory, then goes back.
class AilleursQueLeProgramme : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ailleurs.isValid());
        ASSERT_TRUE(QDir::setCurrent(ailleurs.path()));
    }
    void TearDown() override { QDir::setCurrent(ancien); }

    QString ancien = QDir::currentPath();
    QTemporaryDir ailleurs;
};

TEST(CheminAide, IsTheDirectoryFollowedByTheFileOfTheLanguage) {
    {
        LangueTemporaire langue(francais);
        EXPECT_EQ(aide::chemin_aide("/opt/q/"), "/opt/q/Quorvel.hlp");
    }
    LangueTemporaire langue(anglais);
    EXPECT_EQ(aide::chemin_aide("/opt/q/"), "/opt/q/QuorvelE.hlp");
}

TEST_F(AilleursQueLeProgramme, HelpPathIsBesideTheExecutableWhateverTheWorkingDirectory) {
    for (auto [langue, nom] : {std::pair{francais, "Quorvel.hlp"}, {anglais, "QuorvelE.hlp"}}) {
        LangueTemporaire choix(langue);
        const QString chemin = aide::chemin_aide();
        EXPECT_EQ(chemin, repertoire_programme() + nom);
        EXPECT_TRUE(QDir::isAbsolutePath(chemin));
        EXPECT_TRUE(QFile::exists(chemin)) << chemin.toStdString();
    }
}

TEST_F(AilleursQueLeProgramme, HelpCommandOpensTheFileOfTheLanguageAtItsContents) {
    QWidget fenetre;
    LangueTemporaire langue(francais);
    aide::ouvre_aide(&fenetre);
    auto* visionneuse = fenetre.findChild<TVisionneuseAide*>();
    ASSERT_NE(visionneuse, nullptr);
    EXPECT_TRUE(visionneuse->isVisible());
    EXPECT_FALSE(visionneuse->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(visionneuse->fichier_lu());
    EXPECT_EQ(visionneuse->fichier(), repertoire_programme() + "Quorvel.hlp");
    EXPECT_EQ(visionneuse->windowTitle(), "Aide de Quorvel");
    EXPECT_EQ(visionneuse->bouton_precedent()->text(), "Précédent");
    EXPECT_TRUE(visionneuse->texte()->toPlainText().contains("Sommaire"));
    EXPECT_EQ(visionneuse->liste_rubriques()->currentRow(), 0);
    EXPECT_GT(visionneuse->liste_rubriques()->count(), 8);

    // Switching language between two help commands changes the file, in the same window.
    Traducteur().langue() = anglais;
    aide::ouvre_aide(&fenetre);
    EXPECT_EQ(fenetre.findChildren<TVisionneuseAide*>().size(), 1);
    EXPECT_EQ(visionneuse->fichier(), repertoire_programme() + "QuorvelE.hlp");
    EXPECT_EQ(visionneuse->windowTitle(), "Quorvel Help");
    EXPECT_EQ(visionneuse->bouton_suivant()->text(), "Forward");
    EXPECT_TRUE(visionneuse->texte()->toPlainText().contains("Contents"));
    EXPECT_FALSE(visionneuse->texte()->toPlainText().contains("Sommaire"));
    EXPECT_FALSE(visionneuse->bouton_precedent()->isEnabled());
}

TEST(VisionneuseAide, TopicsLinksBackAndForward) {
    LangueTemporaire langue(anglais);
    TVisionneuseAide visionneuse;
    visionneuse.ouvre(repertoire_programme() + "QuorvelE.hlp");
    visionneuse.show();
    QListWidget* liste = visionneuse.liste_rubriques();
    ASSERT_GT(liste->count(), 3);
    EXPECT_EQ(liste->item(0)->text(), "Contents");

    emit liste->itemClicked(liste->item(3));
    const QString rubrique = liste->item(3)->data(Qt::UserRole).toString();
    EXPECT_EQ(visionneuse.texte()->source().fragment(), rubrique);
    EXPECT_TRUE(visionneuse.bouton_precedent()->isEnabled());

    visionneuse.texte()->setSource(QUrl("#glossaire"));
    EXPECT_EQ(liste->currentItem()->data(Qt::UserRole).toString(), "glossaire");

    visionneuse.bouton_precedent()->click();
    EXPECT_EQ(visionneuse.texte()->source().fragment(), rubrique);
    EXPECT_EQ(liste->currentRow(), 3);
    EXPECT_TRUE(visionneuse.bouton_suivant()->isEnabled());
    visionneuse.bouton_suivant()->click();
    EXPECT_EQ(visionneuse.texte()->source().fragment(), "glossaire");

    visionneuse.bouton_sommaire()->click();
    EXPECT_EQ(liste->currentRow(), 0);
    EXPECT_EQ(visionneuse.texte()->source().fragment(), "sommaire");
}

TEST(VisionneuseAide, MissingOrUnreadableFileShowsAMessageAndTheViewerRecovers) {
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    QFile vide(dossier.filePath("vide.hlp"));
    ASSERT_TRUE(vide.open(QIODevice::WriteOnly));
    vide.close();

    struct Cas {
        langues langue;
        QString chemin;
        const char* message;
    };
    const Cas cas[] = {
        {francais, dossier.filePath("absent.hlp"), "introuvable ou illisible"},
        {anglais, dossier.filePath("absent.hlp"), "missing or cannot be read"},
        {anglais, dossier.path(), "missing or cannot be read"},
        {francais, dossier.filePath("vide.hlp"), "introuvable ou illisible"},
    };
    TVisionneuseAide visionneuse;
    for (const Cas& c : cas) {
        LangueTemporaire langue(c.langue);
        visionneuse.ouvre(repertoire_programme() + "Quorvel.hlp");
        ASSERT_TRUE(visionneuse.fichier_lu());
        visionneuse.ouvre(c.chemin);
        EXPECT_FALSE(visionneuse.fichier_lu());
        const QString texte = visionneuse.texte()->toPlainText();
        EXPECT_TRUE(texte.contains(c.message)) << texte.toStdString();
        EXPECT_TRUE(texte.contains(QDir::toNativeSeparators(c.chemin))) << texte.toStdString();
        EXPECT_EQ(visionneuse.liste_rubriques()->count(), 0);
        EXPECT_FALSE(visionneuse.bouton_precedent()->isEnabled());
    }
    // The file is back: the same viewer shows it again.
    visionneuse.ouvre(repertoire_programme() + "Quorvel.hlp");
    EXPECT_TRUE(visionneuse.fichier_lu());
    EXPECT_TRUE(visionneuse.texte()->toPlainText().contains("Sommaire"));
    EXPECT_GT(visionneuse.liste_rubriques()->count(), 8);
}

TEST(VisionneuseAide, OpeningTheSameFileAgainGoesBackToTheContents) {
    LangueTemporaire langue(francais);
    TVisionneuseAide visionneuse;
    const QString chemin = repertoire_programme() + "Quorvel.hlp";
    visionneuse.ouvre(chemin);
    visionneuse.show();
    visionneuse.texte()->setSource(QUrl("#glossaire"));
    visionneuse.ouvre(chemin);
    EXPECT_EQ(visionneuse.liste_rubriques()->currentRow(), 0);
    EXPECT_TRUE(visionneuse.texte()->source().fragment().isEmpty());
}

} // namespace
