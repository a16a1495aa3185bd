#include "chart/graphique.h"

#include "surface_enregistreuse.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr Tcouleur jaune = 0x00FFFF;
constexpr Tcouleur rouge = 0x0000FF;
constexpr Tcouleur bleu = 0xFF0000;
constexpr int argent = 0xC0C0C0;

using Trait = Surface_enregistreuse::Trait;

bool meme_trait(const Trait& t, int x1, int y1, int x2, int y2) {
    return t.x1 == x1 && t.y1 == y1 && t.x2 == x2 && t.y2 == y2;
}

// The frequency chart of the main window on its surface at its first size.
struct Frequences : ::testing::Test {
    Surface_enregistreuse ecran{515, 209};
    Tgraphique g;

    Frequences() {
        g.abscisse.titre = "Nb générations";
        g.abscisse.unite = "10 par graduation";
        g.ordonnee.titre = "Fréquences alléliques";
        g.ordonnee.unite = "%";
        g.attache_ecran(ecran);
    }
};

TEST_F(Frequences, NothingHappensBeforeASurfaceIsAttached) {
    Tgraphique seul;
    seul.ajoute_serie("A", rouge);
    seul.ajoute_point(0, 0, 10.0f);
    seul.ajoute_point(0, 1, 20.0f);
    seul.trace(false);
    seul.trace(true);
    seul.attache_ecran(ecran);
    seul.trace(false);
    ASSERT_FALSE(ecran.appels.empty());
    EXPECT_EQ(ecran.appels.front().op, "SetFont");
}

TEST_F(Frequences, AnEmptyChartGetsBackgroundAxesAndLabelsOnly) {
    g.trace(false);
    const std::vector<Appel>& a = ecran.appels;
    ASSERT_GE(a.size(), 4u);
    EXPECT_EQ(a[0].op, "SetFont");
    EXPECT_EQ(a[0].texte, "Arial");
    EXPECT_EQ(a[0].args[0], 11);
    EXPECT_EQ(a[1].op, "SetBrushColor");
    EXPECT_EQ(a[1].args[0], argent);
    EXPECT_EQ(a[2].op, "FloodFill");
    EXPECT_EQ(a[2].args, (std::vector<int>{5, 5, 0xFF00FF, argent}));
    EXPECT_EQ(a[3].op, "FloodFill");
    EXPECT_EQ(a[3].args, (std::vector<int>{200, 300, 0x008000, argent}));

    EXPECT_TRUE(ecran.de("Rectangle").empty());
    EXPECT_TRUE(ecran.de("TextRect").empty());
    EXPECT_EQ(ecran.traits.size(), ecran.traits_de(jaune).size()); // no curve
    const std::vector<Appel> textes = ecran.de("TextOut");
    ASSERT_EQ(textes.size(), 2u);
    const std::string titre_x = "Nb générations(10 par graduation)";
    EXPECT_EQ(textes[0].texte, titre_x);
    // The x label ends at the right edge of the surface.
    EXPECT_EQ(textes[0].args[0] + ecran.TextWidth(titre_x), 515);
    EXPECT_EQ(textes[0].args[1], 194);
    EXPECT_EQ(textes[1].texte, "Fréquences alléliques(%)");
    EXPECT_EQ(textes[1].args, (std::vector<int>{87, 20}));
}

TEST_F(Frequences, EachAxisHasItsLineAndOneTickMoreThanGraduations) {
    g.trace(false);
    const std::vector<Trait> jaunes = ecran.traits_de(jaune);
    ASSERT_EQ(jaunes.size(), 24u); // per axis: its line and 11 ticks
    // x axis, then its ticks going down from 103 to 494.
    EXPECT_TRUE(meme_trait(jaunes[0], 103, 188, 494, 188));
    EXPECT_TRUE(meme_trait(jaunes[1], 103, 188, 103, 196));
    EXPECT_TRUE(meme_trait(jaunes[11], 494, 188, 494, 196));
    // y axis from its top down to the origin, then its ticks going left.
    EXPECT_TRUE(meme_trait(jaunes[12], 103, 41, 103, 188));
    EXPECT_TRUE(meme_trait(jaunes[13], 103, 41, 84, 41));
    EXPECT_TRUE(meme_trait(jaunes[23], 103, 188, 84, 188));
    for (std::size_t k = 1; k <= 11; ++k) {
        EXPECT_EQ(jaunes[k].y1, 188) << k;
        EXPECT_EQ(jaunes[k].y2, 196) << k;
        EXPECT_GT(jaunes[k].x1, k > 1 ? jaunes[k - 1].x1 : 102) << k;
    }
}

TEST_F(Frequences, ARemainderSpreadsTheGraduationsOverTheWholeAxis) {
    g.abscisse.max = 105;
    g.trace(false);
    const std::vector<Trait> jaunes = ecran.traits_de(jaune);
    ASSERT_EQ(jaunes.size(), 12u + 12u);
    // 10 graduations of 10.5 generations: 760 page units, 39.14 pixels each.
    EXPECT_EQ(jaunes[1].x1, 103);
    EXPECT_EQ(jaunes[2].x1, 142);
    EXPECT_EQ(jaunes[6].x1, 298);
    EXPECT_EQ(jaunes[11].x1, 494);
}

TEST_F(Frequences, TheFontFollowsTheSmallerSideOfTheSurface) {
    struct Cas {
        int largeur, hauteur, taille;
    };
    const Cas cas[] = {
        {515, 209, 11}, {515, 153, 8}, {1200, 500, 26}, {937, 937, 49}, {938, 1000, 8}, {10, 10, 0},
    };
    for (const Cas& c : cas) {
        Surface_enregistreuse surface(c.largeur, c.hauteur);
        g.attache_ecran(surface);
        g.trace(true);
        EXPECT_EQ(surface.police, "Arial");
        EXPECT_EQ(surface.taille_police, c.taille) << c.largeur << " x " << c.hauteur;
    }
}

TEST_F(Frequences, LegendBoxesStackWithTheirNamesAndLastValues) {
    g.ajoute_serie("Allèle 1", rouge);
    g.ajoute_serie("Allèle 2", bleu);
    g.ajoute_point(0, 0, 50.0f);
    g.ajoute_point(0, 7, 42.0f);
    g.ajoute_point(0, 3, 99.0f); // not the last value: x 7 is
    g.trace(false);

    const std::vector<Appel> boites = ecran.de("Rectangle");
    ASSERT_EQ(boites.size(), 2u);
    EXPECT_EQ(boites[0].args, (std::vector<int>{12, 41, 79, 60, static_cast<int>(rouge)}));
    EXPECT_EQ(boites[1].args, (std::vector<int>{12, 79, 79, 98, static_cast<int>(bleu)}));

    const std::vector<Appel> textes = ecran.de("TextOut");
    ASSERT_EQ(textes.size(), 4u);
    EXPECT_EQ(textes[2].texte, "Allèle 1");
    EXPECT_EQ(textes[2].args, (std::vector<int>{12, 61}));
    EXPECT_EQ(textes[3].texte, "Allèle 2");
    EXPECT_EQ(textes[3].args, (std::vector<int>{12, 99}));

    // Only the series with points shows a number, in the box's bottom-right corner.
    const std::vector<Appel> nombres = ecran.de("TextRect");
    ASSERT_EQ(nombres.size(), 1u);
    EXPECT_EQ(nombres[0].texte, "42");
    EXPECT_EQ(nombres[0].args, (std::vector<int>{13, 42, 78, 59, 78 - 12, 59 - 13}));
}

TEST_F(Frequences, ALastValueOfZeroLeavesTheBoxEmpty) {
    g.ajoute_serie("A", rouge);
    g.ajoute_point(0, 0, 30.0f);
    g.ajoute_point(0, 1, 0.0f);
    g.trace(false);
    const std::vector<Appel> nombres = ecran.de("TextRect");
    ASSERT_EQ(nombres.size(), 1u);
    EXPECT_EQ(nombres[0].texte, "");
    EXPECT_EQ(nombres[0].args[0], 13); // the whole inner box is still refilled
    EXPECT_EQ(nombres[0].args[3], 59);
}

TEST_F(Frequences, CurvesAreOnePolylineThroughClampedPoints) {
    g.abscisse.max = 50;
    g.ajoute_serie("A", rouge);
    g.ajoute_serie("B", bleu);
    g.ajoute_point(0, 60, 150.0f); // beyond both maxima: top-right corner
    g.ajoute_point(0, 25, 50.0f);
    g.ajoute_point(0, 0, -4.0f); // below the range: on the x axis
    g.ajoute_point(0, 50, 100.0f);
    g.ajoute_point(1, 10, 10.0f); // one point: no line
    g.trace(false);

    const std::vector<Trait> rouges = ecran.traits_de(rouge);
    ASSERT_EQ(rouges.size(), 3u);
    EXPECT_TRUE(meme_trait(rouges[0], 103, 188, 298, 114));
    EXPECT_TRUE(meme_trait(rouges[1], 298, 114, 494, 41));
    EXPECT_TRUE(meme_trait(rouges[2], 494, 41, 494, 41));
    EXPECT_TRUE(ecran.traits_de(bleu).empty());
    EXPECT_EQ(ecran.de("TextRect").size(), 2u); // both legends show a number
}

TEST_F(Frequences, AnUpdateRedrawsLegendsAndCurvesOnly) {
    g.ajoute_serie("A", rouge);
    g.ajoute_point(0, 0, 10.0f);
    g.ajoute_point(0, 1, 20.0f);
    g.trace(false);
    ecran.oublie();
    g.ajoute_point(0, 2, 30.0f);
    g.trace(true);

    EXPECT_TRUE(ecran.de("FloodFill").empty());
    EXPECT_TRUE(ecran.de("SetBrushColor").empty());
    EXPECT_TRUE(ecran.traits_de(jaune).empty());
    const std::vector<Appel> textes = ecran.de("TextOut");
    ASSERT_EQ(textes.size(), 1u); // the series name, no axis label
    EXPECT_EQ(textes[0].texte, "A");
    ASSERT_EQ(ecran.de("TextRect").size(), 1u);
    EXPECT_EQ(ecran.de("TextRect")[0].texte, "30");
    EXPECT_EQ(ecran.traits_de(rouge).size(), 2u); // redrawn from the first point
}

TEST_F(Frequences, OnASurfaceThatTellsItsStateAnUpdateDrawsWhatIsNewAndWhatItCovered) {
    ecran.numerote = true;
    g.abscisse.max = 1000; // x 0 to 2 share pixel column 103
    g.ajoute_serie("A", rouge);
    g.ajoute_serie("B", bleu);
    g.ajoute_point(0, 0, 50.0f);
    g.ajoute_point(0, 1, 50.0f);
    g.ajoute_point(1, 0, 90.0f); // B's first piece runs down the column from 90 to 10
    g.ajoute_point(1, 1, 10.0f);
    g.trace(false);

    ecran.oublie();
    g.ajoute_point(0, 2, 60.0f); // A's new piece lies over B's first one
    g.ajoute_point(1, 2, 10.0f);
    g.trace(true);
    EXPECT_TRUE(ecran.de("FloodFill").empty());
    const std::vector<Trait> rouges = ecran.traits_de(rouge);
    ASSERT_EQ(rouges.size(), 1u);
    EXPECT_TRUE(meme_trait(rouges[0], 103, 114, 103, 100));
    // B's first piece comes again over A's, as drawing every curve would have it.
    const std::vector<Trait> bleus = ecran.traits_de(bleu);
    ASSERT_EQ(bleus.size(), 2u);
    EXPECT_TRUE(meme_trait(bleus[0], 103, 56, 103, 173));
    EXPECT_TRUE(meme_trait(bleus[1], 103, 173, 103, 173));

    ecran.oublie();
    g.trace(true); // nothing new: nothing drawn, the legend neither
    EXPECT_TRUE(ecran.traits.empty());
    EXPECT_TRUE(ecran.de("Rectangle").empty());

    g.ajoute_point(0, 1, 55.0f); // a value replaced: every curve from its first point
    g.trace(true);
    EXPECT_EQ(ecran.traits_de(rouge).size(), 2u);
    EXPECT_EQ(ecran.traits_de(bleu).size(), 2u);
    EXPECT_EQ(ecran.de("Rectangle").size(), 2u);
}

TEST_F(Frequences, AnAxisWithoutAScaleIsSkippedWithTheCurves) {
    g.ajoute_serie("A", rouge);
    g.ajoute_point(0, 0, 10.0f);
    g.ajoute_point(0, 1, 20.0f);
    struct Cas {
        std::int32_t max, min, pas;
    };
    const Cas mauvais[] = {{0, 0, 10}, {-10, 0, 10}, {100, 0, 0}, {100, 0, -10}, {100, 0, 101}};
    for (bool axe_x : {true, false}) {
        for (const Cas& c : mauvais) {
            Tgraphique h = g;
            Tcar_axes& axe = axe_x ? h.abscisse : h.ordonnee;
            axe.max = c.max;
            axe.min = c.min;
            axe.pas = c.pas;
            ecran.oublie();
            h.trace(false);
            EXPECT_EQ(ecran.de("FloodFill").size(), 2u);
            // The other axis alone: its line and 11 ticks, its label.
            EXPECT_EQ(ecran.traits_de(jaune).size(), 12u) << axe_x << " " << c.max << " " << c.pas;
            EXPECT_EQ(ecran.de("TextOut").size(), 2u); // one label and the series name
            EXPECT_TRUE(ecran.traits_de(rouge).empty());
            EXPECT_EQ(ecran.de("Rectangle").size(), 1u);
        }
    }
}

} // namespace
