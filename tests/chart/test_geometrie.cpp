#include "chart/graphique.h"

#include "surface_enregistreuse.h"

#include <gtest/gtest.h>

namespace {

TEST(Axes, GraduationsTruncateTowardZero) {
    struct Cas {
        std::int32_t max, min, pas, graduations;
        bool valide;
    };
    const Cas cas[] = {
        {100, 0, 10, 10, true}, {105, 0, 10, 10, true},  {1005, 0, 100, 10, true},
        {10, 0, 10, 1, true},   {10, 0, 1, 10, true},    {10, 0, 11, 0, false},
        {10, 0, 0, 0, false},   {10, 0, -1, -10, false}, {0, 0, 10, 0, false},
        {-5, 0, 1, -5, false},  {5, -5, 5, 2, true},
    };
    for (const Cas& c : cas) {
        const Tcar_axes axe{"t", "u", c.max, c.min, c.pas};
        EXPECT_EQ(axe.nb_graduations(), c.graduations) << c.max << " " << c.min << " " << c.pas;
        EXPECT_EQ(axe.valide(), c.valide) << c.max << " " << c.min << " " << c.pas;
    }
    // A range wider than the integer type is not drawable.
    const Tcar_axes immense{"t", "u", std::numeric_limits<std::int32_t>::max(),
                            std::numeric_limits<std::int32_t>::min(), 1};
    EXPECT_FALSE(immense.valide());
}

TEST(Vecteur, ComplexProductTurnsAQuarterTurn) {
    const Tvecteur axe_x = Tvecteur(7600.0f, 0.0f) * Tvecteur(0.0f, 1.0f);
    EXPECT_EQ(axe_x.x, 0.0f);
    EXPECT_EQ(axe_x.y, 7600.0f);
    const Tvecteur axe_y = Tvecteur(0.0f, 7000.0f) * Tvecteur(0.0f, 1.0f);
    EXPECT_EQ(axe_y.x, -7000.0f);
    EXPECT_EQ(axe_y.y, 0.0f);
    const Tvecteur c = Tvecteur(1.0f, 2.0f) * Tvecteur(3.0f, 4.0f);
    EXPECT_EQ(c.x, -5.0f);
    EXPECT_EQ(c.y, 10.0f);
}

TEST(Geometrie, PageCornersLandOnTheDocumentedPixels) {
    Surface_enregistreuse ecran(515, 209);
    Tgraphique g;
    g.attache_ecran(ecran);
    auto pixel = [&g](float x, float y) {
        const Tpixel p = g.vers_pixels(Tvecteur(x, y));
        return std::make_pair(p.x, p.y);
    };
    EXPECT_EQ(pixel(2000, 2000), std::make_pair(103, 41));  // top-left of the plot
    EXPECT_EQ(pixel(9600, 9000), std::make_pair(494, 188)); // bottom-right of the plot
    EXPECT_EQ(pixel(250, 2000), std::make_pair(12, 41));    // first legend box
    EXPECT_EQ(pixel(1550, 2900), std::make_pair(79, 60));
    EXPECT_EQ(pixel(10000, 10000), std::make_pair(515, 209));
    EXPECT_EQ(pixel(0, 0), std::make_pair(0, 0));
}

TEST(Geometrie, PointsAreClampedIntoTheAxisRanges) {
    Tgraphique g;
    g.abscisse.max = 50;
    g.ordonnee.max = 1000;
    auto borne = [&g](std::int32_t x, float v) {
        const Tvecteur o = g.borne(x, v);
        return std::make_pair(o.x, o.y);
    };
    EXPECT_EQ(borne(20, 300.0f), std::make_pair(20.0f, 300.0f));
    EXPECT_EQ(borne(60, 300.0f), std::make_pair(50.0f, 300.0f)); // beyond x max: right end
    EXPECT_EQ(borne(-3, 300.0f), std::make_pair(0.0f, 300.0f));
    EXPECT_EQ(borne(20, 5000.0f), std::make_pair(20.0f, 1000.0f)); // above the range: top
    EXPECT_EQ(borne(20, 0.0f), std::make_pair(20.0f, 0.0f));
    EXPECT_EQ(borne(20, -8.0f), std::make_pair(20.0f, 0.0f));
}

TEST(Geometrie, OffsetsMapLinearlyOntoThePlotRectangle) {
    Tgraphique g;
    g.abscisse.max = 200;
    g.ordonnee.max = 1000;
    auto page = [&g](float x, float y) {
        const Tvecteur p = g.vers_page(Tvecteur(x, y));
        return std::make_pair(p.x, p.y);
    };
    EXPECT_EQ(page(0, 0), std::make_pair(2000.0f, 9000.0f));
    EXPECT_EQ(page(200, 1000), std::make_pair(9600.0f, 2000.0f));
    EXPECT_EQ(page(100, 500), std::make_pair(5800.0f, 5500.0f));
}

} // namespace
