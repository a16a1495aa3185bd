#include "chart/graphique.h"
#include "ui/surface_image.h"

#include <QFontInfo>
#include <QImage>

#include <QRect>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

constexpr Tcouleur blanc = 0xFFFFFF;
constexpr Tcouleur noir = 0x000000;
constexpr Tcouleur rouge = 0x0000FF;
constexpr Tcouleur bleu = 0xFF0000;
constexpr Tcouleur vert = 0x008000;
constexpr Tcouleur jaune = 0x00FFFF;
constexpr Tcouleur argent = 0xC0C0C0;
constexpr Tcouleur magenta = 0xFF00FF;

using Pixels = std::set<std::pair<int, int>>;

// Every pixel of the given colour.
Pixels de_couleur(Tsurface_image& s, Tcouleur couleur) {
    Pixels resultat;
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) {
            if (s.couleur_pixel(x, y) == couleur) {
                resultat.insert({x, y});
            }
        }
    }
    return resultat;
}

// Checks that only `zone` was painted, in silver and black text, and counts
// its black pixels.
int texte_noir_sur_argent(Tsurface_image& s, const QRect& zone) {
    int noirs = 0;
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) {
            const Tcouleur c = s.couleur_pixel(x, y);
            if (!zone.contains(x, y)) {
                EXPECT_EQ(c, blanc) << x << "," << y;
            } else {
                EXPECT_TRUE(c == argent || c == noir) << x << "," << y;
                noirs += c == noir;
            }
        }
    }
    return noirs;
}

TEST(SurfaceImage, LinesLeaveTheirEndPixelOut) {
    Tsurface_image s(20, 20);
    s.SetPenColor(rouge);
    s.MoveTo(2, 5);
    s.LineTo(8, 5); // goes on from here
    s.LineTo(8, 9);
    s.MoveTo(10, 10);
    s.LineTo(14, 14);
    s.MoveTo(17, 17);
    s.LineTo(17, 17); // no length, no pixel
    Pixels attendus;
    for (int x = 2; x < 8; ++x) {
        attendus.insert({x, 5});
    }
    for (int y = 5; y < 9; ++y) {
        attendus.insert({8, y});
    }
    for (int k = 10; k < 14; ++k) {
        attendus.insert({k, k});
    }
    EXPECT_EQ(de_couleur(s, rouge), attendus);
}

TEST(SurfaceImage, LinesGoingLeftOrUpAlsoLeaveTheirEndOut) {
    Tsurface_image s(20, 20);
    s.SetPenColor(bleu);
    s.MoveTo(9, 3);
    s.LineTo(4, 3);
    s.MoveTo(15, 12);
    s.LineTo(15, 8);
    Pixels attendus;
    for (int x = 5; x <= 9; ++x) {
        attendus.insert({x, 3});
    }
    for (int y = 9; y <= 12; ++y) {
        attendus.insert({15, y});
    }
    EXPECT_EQ(de_couleur(s, bleu), attendus);
}

TEST(SurfaceImage, LinesFarOffTheImageAreClippedToIt) {
    Tsurface_image s(20, 10);
    s.SetPenColor(rouge);
    s.MoveTo(-2000000000, 4);
    s.LineTo(2000000000, 4);
    s.MoveTo(-30, 8); // partly outside: only the inside pixels
    s.LineTo(5, 8);
    Pixels attendus;
    for (int x = 0; x < 20; ++x) {
        attendus.insert({x, 4});
    }
    for (int x = 0; x < 5; ++x) {
        attendus.insert({x, 8});
    }
    EXPECT_EQ(de_couleur(s, rouge), attendus);
}

TEST(SurfaceImage, RectangleLeavesOutItsRightAndBottomEdges) {
    Tsurface_image s(12, 12);
    s.SetPenColor(rouge);
    s.SetBrushColor(argent);
    s.Rectangle(2, 3, 6, 8);
    Pixels bord;
    Pixels dedans;
    for (int y = 3; y < 8; ++y) {
        for (int x = 2; x < 6; ++x) {
            const bool sur_le_bord = x == 2 || x == 5 || y == 3 || y == 7;
            (sur_le_bord ? bord : dedans).insert({x, y});
        }
    }
    EXPECT_EQ(de_couleur(s, rouge), bord);
    EXPECT_EQ(de_couleur(s, argent), dedans);
    EXPECT_EQ(de_couleur(s, blanc).size(), 144u - 20u);
    s.Rectangle(9, 9, 9, 11); // no width: nothing
    EXPECT_EQ(de_couleur(s, blanc).size(), 144u - 20u);
}

TEST(SurfaceImage, FontsAreSizedAt96DotsPerInchWithArialMetrics) {
    EXPECT_EQ(Tsurface_image::pixels_de_points(8), 11);
    EXPECT_EQ(Tsurface_image::pixels_de_points(11), 15);
    EXPECT_EQ(Tsurface_image::pixels_de_points(26), 35);
    EXPECT_EQ(Tsurface_image::pixels_de_points(0), 1);
    Tsurface_image s(10, 10);
    s.SetFont("Arial", 8);
    EXPECT_EQ(s.police().pixelSize(), 11);
    EXPECT_EQ(QFontInfo(s.police()).family(), "Liberation Sans");
    const int etroit = s.TextWidth("1");
    EXPECT_GT(etroit, 0);
    EXPECT_EQ(s.TextWidth("11"), 2 * etroit);
    EXPECT_EQ(s.TextWidth(""), 0);
    const int petite = s.TextHeight("X");
    s.SetFont("Arial", 11);
    EXPECT_GT(s.TextHeight("X"), petite);
    EXPECT_GT(s.TextWidth("11"), 2 * etroit); // measured again in the new font
}

TEST(SurfaceImage, TextOutPaintsItsBackgroundWithTheBrush) {
    Tsurface_image s(80, 30);
    s.SetFont("Arial", 8);
    s.SetBrushColor(argent);
    s.TextOut(5, 4, "1234");
    EXPECT_GT(texte_noir_sur_argent(s, QRect(5, 4, s.TextWidth("1234"), s.TextHeight("1234"))), 10);
}

TEST(SurfaceImage, TextRectFillsItsWholeRectangleAndClipsTheText) {
    Tsurface_image s(60, 30);
    s.SetFont("Arial", 8);
    s.SetBrushColor(argent);
    // Text starting left of the box: only its part inside the box shows.
    s.TextRect(10, 5, 30, 20, 2, 6, "88888888");
    EXPECT_GT(texte_noir_sur_argent(s, QRect(10, 5, 20, 15)), 10);
    // An empty text leaves the box plain.
    s.TextRect(10, 5, 30, 20, 30, 7, "");
    EXPECT_EQ(de_couleur(s, argent).size(), 20u * 15u);
}

TEST(SurfaceImage, FloodFillStopsAtTheBorderColourOnly) {
    Tsurface_image s(30, 20);
    s.SetPenColor(magenta);
    s.SetBrushColor(blanc);
    s.Rectangle(5, 5, 15, 15); // a closed magenta frame
    s.SetPenColor(rouge);
    s.MoveTo(0, 2);
    s.LineTo(29, 2); // a red line is no border
    s.SetBrushColor(argent);
    s.FloodFill(0, 0, magenta);
    const Pixels argentes = de_couleur(s, argent);
    EXPECT_EQ(argentes.size(), 600u - 100u); // all but the frame and its inside
    EXPECT_EQ(argentes.count({10, 10}), 0u);
    EXPECT_EQ(argentes.count({10, 2}), 1u); // the red line is filled over

    s.SetBrushColor(vert);
    s.FloodFill(10, 10, magenta); // inside the frame
    EXPECT_EQ(de_couleur(s, vert).size(), 64u);
    s.FloodFill(5, 5, magenta);  // on the border: nothing
    s.FloodFill(-1, 3, magenta); // outside: nothing
    s.FloodFill(200, 300, magenta);
    EXPECT_EQ(de_couleur(s, vert).size(), 64u);
    EXPECT_EQ(de_couleur(s, magenta).size(), 36u);
    s.FloodFill(10, 10, magenta); // over its own colour: the same
    EXPECT_EQ(de_couleur(s, vert).size(), 64u);
    s.SetBrushColor(jaune);
    s.FloodFill(10, 10, 0x123456); // no pixel of that colour: the whole image
    EXPECT_EQ(de_couleur(s, jaune).size(), 600u);
}

TEST(SurfaceImage, ResizingGivesAWhiteImageOfTheNewSize) {
    Tsurface_image s(10, 10);
    s.SetBrushColor(argent);
    s.FloodFill(0, 0, magenta);
    s.redimensionne(20, 7);
    EXPECT_EQ(s.Width(), 20);
    EXPECT_EQ(s.Height(), 7);
    EXPECT_EQ(de_couleur(s, blanc).size(), 140u);
    s.redimensionne(0, 0); // an empty surface takes drawing without harm
    s.MoveTo(0, 0);
    s.LineTo(5, 5);
    s.Rectangle(0, 0, 4, 4);
    s.TextOut(0, 0, "x");
    s.FloodFill(0, 0, magenta);
    EXPECT_TRUE(s.image().isNull());
}

// The frequency chart of the main window, drawn on an image.
struct ChartImage : ::testing::Test {
    Tsurface_image ecran{515, 209};
    Tgraphique g;

    ChartImage() {
        g.abscisse.titre = "Nb générations";
        g.abscisse.unite = "10 par graduation";
        g.ordonnee.titre = "Fréquences alléliques";
        g.ordonnee.unite = "%";
        g.attache_ecran(ecran);
    }
};

TEST_F(ChartImage, ThePlotRectangleAndTheFirstLegendBoxSitOnTheirPixels) {
    g.ajoute_serie("Allèle 1", rouge);
    g.trace(false);
    EXPECT_EQ(ecran.police().pixelSize(), 15); // 11 points
    // Axes: x from 103 to 494 on row 188, y from 41 to 188 on column 103.
    for (int x = 103; x <= 494; ++x) {
        EXPECT_EQ(ecran.couleur_pixel(x, 188), jaune) << x;
    }
    for (int y = 41; y <= 188; ++y) {
        EXPECT_EQ(ecran.couleur_pixel(103, y), jaune) << y;
    }
    EXPECT_EQ(ecran.couleur_pixel(495, 187), argent);
    EXPECT_EQ(ecran.couleur_pixel(300, 100), argent);
    // A tick goes down from each end of the x axis, and none past them.
    EXPECT_EQ(ecran.couleur_pixel(494, 195), jaune);
    EXPECT_EQ(ecran.couleur_pixel(495, 195), argent);
    // The legend box: border from (12, 41) to (78, 59), silver inside.
    EXPECT_EQ(ecran.couleur_pixel(12, 41), rouge);
    EXPECT_EQ(ecran.couleur_pixel(78, 59), rouge);
    EXPECT_EQ(ecran.couleur_pixel(12, 59), rouge);
    EXPECT_EQ(ecran.couleur_pixel(79, 60), argent);
    EXPECT_EQ(ecran.couleur_pixel(40, 50), argent); // no points: no number
    EXPECT_EQ(ecran.couleur_pixel(11, 40), argent);
    // The corners of the surface are silver.
    EXPECT_EQ(ecran.couleur_pixel(0, 0), argent);
    EXPECT_EQ(ecran.couleur_pixel(514, 0), argent);
}

TEST_F(ChartImage, TheXLabelEndsAtTheRightEdge) {
    g.trace(false);
    int droite_noire = -1;
    for (int y = 194; y < 209; ++y) {
        for (int x = 0; x < 515; ++x) {
            if (ecran.couleur_pixel(x, y) == noir) {
                droite_noire = std::max(droite_noire, x);
            }
        }
    }
    // The label's last glyph, ")", stops a pixel or two short of its advance.
    EXPECT_GE(droite_noire, 510);
    EXPECT_LE(droite_noire, 514);
}

TEST_F(ChartImage, AnUpdateOnlyChangesTheLegendNumberAndExtendsTheCurve) {
    g.ajoute_serie("Allèle 1", rouge);
    g.ajoute_point(0, 0, 50.0f);
    g.ajoute_point(0, 1, 52.0f);
    g.trace(false);
    const QImage avant = ecran.image().copy();

    g.ajoute_point(0, 2, 61.0f);
    g.trace(true);
    const QImage apres = ecran.image().copy();

    // Inner box of the legend: 13..77 × 42..58.
    int dans_la_boite = 0;
    for (int y = 0; y < 209; ++y) {
        for (int x = 0; x < 515; ++x) {
            if (avant.pixel(x, y) == apres.pixel(x, y)) {
                continue;
            }
            const bool boite = x >= 13 && x <= 77 && y >= 42 && y <= 58;
            dans_la_boite += boite;
            if (!boite) {
                EXPECT_EQ(ecran.couleur_pixel(x, y), rouge) << x << "," << y;
            }
        }
    }
    EXPECT_GT(dans_la_boite, 0); // "52" became "61"

    // The same as a full drawing of the three points.
    g.trace(false);
    EXPECT_EQ(ecran.image(), apres);
}

} // namespace
