#include "ui/plateforme.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

// Runs the body with the given default system locale.
class AvecLocale {
public:
    explicit AvecLocale(const char* nom) : ancienne(QLocale()) {
        QLocale::setDefault(QLocale(QString::fromLatin1(nom)));
    }
    ~AvecLocale() { QLocale::setDefault(ancienne); }

private:
    QLocale ancienne;
};

TEST(Plateforme, EntierHasNoGroupingAndOptionalEmptyZero) {
    EXPECT_EQ(plateforme::entier(10000), "10000");
    EXPECT_EQ(plateforme::entier(0), "0");
    EXPECT_EQ(plateforme::entier(0, true), "");
    EXPECT_EQ(plateforme::entier(-12, true), "-12");
}

TEST(Plateforme, DecimalsFollowTheLocaleSeparator) {
    {
        AvecLocale fr("fr_FR");
        EXPECT_EQ(plateforme::decimal_deux(2.1f), "2,1");
        EXPECT_EQ(plateforme::decimal_deux(2.0f), "2");
        EXPECT_EQ(plateforme::decimal_deux(2.25f), "2,25");
        EXPECT_EQ(plateforme::decimal_deux(2.37f), "2,37");
        EXPECT_EQ(plateforme::decimal_deux(2.5f), "2,5");
        EXPECT_EQ(plateforme::decimal_un(2.5f), "2,5");
        EXPECT_EQ(plateforme::decimal_un(2.0f), "2,0");
    }
    AvecLocale en("en_US");
    EXPECT_EQ(plateforme::decimal_deux(2.1f), "2.1");
    EXPECT_EQ(plateforme::decimal_deux(2.25f), "2.25");
    EXPECT_EQ(plateforme::decimal_un(2.5f), "2.5");
}

TEST(Plateforme, NativeLanguageNameIsTheLanguagesNotTheCountrys) {
    for (const char* nom : {"fr_FR", "fr_CA", "fr_BE", "fr_CH"}) {
        EXPECT_EQ(plateforme::nom_langue_native(QLocale(QString::fromLatin1(nom))), "français")
            << nom;
    }
    EXPECT_NE(plateforme::nom_langue_native(QLocale(QStringLiteral("en_US"))), "français");
    EXPECT_EQ(plateforme::nom_langue_native(QLocale::c()), "");
}

} // namespace
