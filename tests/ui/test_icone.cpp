#include "ui/icones.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(Icone, TheApplicationIconComesFromTheResourcesAtEverySize) {
    for (int cote : {48, 128, 256}) {
        const QString chemin = QStringLiteral(":/icones/quorvel-%1.png").arg(cote);
        ASSERT_TRUE(QFile::exists(chemin)) << chemin.toStdString();
        const QImage image(chemin);
        EXPECT_EQ(image.size(), QSize(cote, cote));
        EXPECT_TRUE(image.hasAlphaChannel());
    }
    const QIcon icone = icone_application();
    EXPECT_EQ(icone.availableSizes().size(), 3);
    EXPECT_EQ(icone.pixmap(QSize(48, 48)).size(), QSize(48, 48));
}

} // namespace
