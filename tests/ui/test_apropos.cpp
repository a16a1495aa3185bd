#include "ui/Apropos.h"
#include "ui/dessin.h"

#include "langue_temporaire.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

struct TextesApropos {
    langues langue;
    const char* titre;
    const char* date;
    const char* description;
};

void appuie(QWidget* cible, int touche) {
    QKeyEvent pression(QEvent::KeyPress, touche, Qt::NoModifier);
    QApplication::sendEvent(cible, &pression);
    QKeyEvent relache(QEvent::KeyRelease, touche, Qt::NoModifier);
    QApplication::sendEvent(cible, &relache);
}

TEST(Apropos, TextsFollowTheLanguageAtEachRefresh) {
    const TextesApropos lignes[] = {
        {anglais, "About", "August 24,2004-Feb. 8, 2009", "population Genetics"},
        {francais, "A propos", "24/ 8/2004-8/ 2/2009", "Génétique des populations"},
        {anglais, "About", "August 24,2004-Feb. 8, 2009", "population Genetics"},
    };
    TAboutBox boite;
    const QString auteur = boite.LabAuteur->text();
    for (const TextesApropos& attendu : lignes) {
        LangueTemporaire langue(attendu.langue);
        boite.RafraichitApropos();
        EXPECT_EQ(boite.windowTitle(), QString::fromUtf8(attendu.titre));
        EXPECT_EQ(boite.ProductName->text(), "Quorvel.exe");
        EXPECT_EQ(boite.Version->text(), "version 2.0.2.4");
        EXPECT_EQ(boite.LabDate->text(), QString::fromUtf8(attendu.date));
        EXPECT_EQ(boite.LabDecrit->text(), QString::fromUtf8(attendu.description));
        EXPECT_EQ(boite.Comments->text(), "Windows 9x et XP");
        EXPECT_EQ(boite.LabAuteur->text(), auteur);
    }
    EXPECT_FALSE(auteur.isEmpty());
}

TEST(Apropos, EveryTextFitsInThePanelInBothLanguages) {
    TAboutBox boite;
    for (langues l : {francais, anglais}) {
        LangueTemporaire langue(l);
        boite.RafraichitApropos();
        for (QLabel* etiquette : {boite.ProductName, boite.Version, boite.LabAuteur, boite.Comments,
                                  boite.LabDate, boite.LabDecrit}) {
            const QRect place = etiquette->geometry();
            // Not clipped: the label is as large as its text needs.
            EXPECT_GE(etiquette->height(), etiquette->heightForWidth(etiquette->width()));
            if (!etiquette->wordWrap()) {
                EXPECT_GE(etiquette->width(), etiquette->sizeHint().width());
            }
            EXPECT_LE(place.right(), boite.Panel1->width() - 3)
                << etiquette->objectName().toStdString() << " in language " << int(l);
            EXPECT_LE(place.bottom(), boite.Panel1->height() - 3);
        }
        EXPECT_LT(boite.ProductName->y(), boite.LabDecrit->y());
        EXPECT_LT(boite.LabDecrit->geometry().bottom(), boite.Version->y());
        EXPECT_LT(boite.Version->geometry().bottom(), boite.LabDate->y());
        EXPECT_LT(boite.LabDate->geometry().bottom(), boite.Comments->y());
        EXPECT_LT(boite.LabAuteur->geometry().right(), boite.Comments->x());
    }
}

TEST(Apropos, IsAFixedModalDialogWithItsLayout) {
    TAboutBox boite;
    EXPECT_EQ(boite.size(), QSize(298, 213));
    EXPECT_EQ(boite.minimumSize(), boite.maximumSize());
    EXPECT_TRUE(boite.isModal());
    EXPECT_FALSE(boite.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(boite.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(boite.Panel1->geometry(), QRect(8, 8, 281, 161));
    EXPECT_EQ(boite.OKButton->geometry(), QRect(111, 180, 75, 25));
    EXPECT_EQ(boite.OKButton->text(), "OK");
    EXPECT_TRUE(boite.OKButton->isDefault());
    EXPECT_EQ(boite.Image1->geometry(), QRect(8, 8, 97, 89));
    EXPECT_TRUE(boite.Comments->wordWrap());
}

TEST(Apropos, PictureIsShownUnscaledFromItsTopLeftCorner) {
    const QImage image = dessin::image_apropos();
    EXPECT_EQ(image.size(), QSize(100, 96));
    EXPECT_EQ(image.depth(), 24);
    TAboutBox boite;
    EXPECT_FALSE(boite.Image1->hasScaledContents());
    EXPECT_EQ(boite.Image1->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(boite.Image1->pixmap().size(), QSize(100, 96));
    // What the frame shows is the picture's top-left 97 x 89 pixels, curves included.
    boite.show();
    const QImage vue = boite.Image1->grab().toImage().convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(vue.size(), QSize(97, 89));
    int rouges = 0;
    int bleus = 0;
    for (int y = 0; y < vue.height(); ++y) {
        for (int x = 0; x < vue.width(); ++x) {
            EXPECT_EQ(vue.pixel(x, y), image.pixel(x, y)) << x << "," << y;
            const QColor c = vue.pixelColor(x, y);
            rouges += c.red() > 200 && c.green() < 60 && c.blue() < 60;
            bleus += c.blue() > 200 && c.red() < 60 && c.green() < 60;
        }
    }
    EXPECT_GT(rouges, 40);
    EXPECT_GT(bleus, 40);
}

TEST(Apropos, IsCentredOnTheScreenWhenShown) {
    TAboutBox boite;
    boite.move(0, 0);
    boite.RafraichitApropos();
    boite.show();
    QApplication::processEvents();
    const QPoint centre = boite.screen()->availableGeometry().center();
    EXPECT_LE((boite.frameGeometry().center() - centre).manhattanLength(), 4);
}

TEST(Apropos, ClosesByOkOrEnterButNotByEscape) {
    TAboutBox boite;
    boite.show();
    appuie(&boite, Qt::Key_Escape);
    EXPECT_TRUE(boite.isVisible());

    appuie(&boite, Qt::Key_Return);
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(boite.result(), QDialog::Accepted);

    boite.setResult(QDialog::Rejected);
    boite.show();
    boite.OKButton->click();
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(boite.result(), QDialog::Accepted);
}

} // namespace
