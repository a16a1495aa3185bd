// Curves beside the series (replicates, dashed theory curves), legend boxes
// with a text of their own, full drawings that have nothing new to show, and
// reading the plot back from a pixel.
#include "chart/graphique.h"

#include "surface_enregistreuse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr Tcouleur rouge = 0x0000FF;
constexpr Tcouleur bleu = 0xFF0000;
constexpr Tcouleur noir = 0x000000;

// The pixels a horizontal line paints: from its start to its end, the end left out.
std::set<int> colonnes_peintes(const std::vector<Surface_enregistreuse::Trait>& traits) {
    std::set<int> colonnes;
    for (const auto& t : traits) {
        EXPECT_EQ(t.y1, t.y2);
        for (int x = std::min(t.x1, t.x2); x < std::max(t.x1, t.x2); ++x) {
            colonnes.insert(x);
        }
    }
    return colonnes;
}

TEST(Courbes, AreDrawnAfterTheSeriesInOrderWithoutALegend) {
    Surface_enregistreuse ecran(515, 209);
    Tgraphique g;
    g.attache_ecran(ecran);
    g.ajoute_serie("A", rouge);
    g.courbes.push_back({Tvaleurs{{0, 10}, {50, 90}}, bleu, false});
    g.courbes.push_back({Tvaleurs{{0, 90}, {50, 10}}, noir, false});
    g.ajoute_point(0, 0, 50.0f);
    g.ajoute_point(0, 50, 50.0f);
    g.trace(false);
    std::vector<Tcouleur> ordre;
    for (const auto& t : ecran.traits) {
        if (ordre.empty() || ordre.back() != t.couleur) {
            ordre.push_back(t.couleur);
        }
    }
    EXPECT_EQ(ordre, (std::vector<Tcouleur>{0x00FFFF, rouge, bleu, noir})); // axes first
    EXPECT_EQ(ecran.de("Rectangle").size(), 1u);
}

TEST(Courbes, DashesRunOnFromOnePieceToTheNext) {
    Surface_enregistreuse ecran(515, 209);
    Tgraphique g;
    g.attache_ecran(ecran);
    g.abscisse.max = 400; // pieces of 0 to 2 pixels
    g.courbes.push_back({Tvaleurs{}, rouge, true});
    for (std::int32_t x = 0; x <= 120; ++x) {
        g.ajoute_point_courbe(0, x, 40.0f);
    }
    g.trace(false);
    const std::set<int> peintes = colonnes_peintes(ecran.traits_de(rouge));
    const int debut = g.vers_pixels(g.vers_page(g.borne(0, 40.0f))).x;
    const int fin = g.vers_pixels(g.vers_page(g.borne(120, 40.0f))).x;
    std::set<int> attendues;
    for (int x = debut; x < fin; ++x) {
        if ((x - debut) % 8 < 5) { // 5 pixels on, 3 off
            attendues.insert(x);
        }
    }
    EXPECT_EQ(peintes, attendues);
}

TEST(Courbes, AGenerationOfAThousandCurvesApartDrawsOnePieceEach) {
    Surface_enregistreuse ecran(600, 1500);
    ecran.numerote = true;
    ecran.exacte = true;
    Tgraphique g;
    g.attache_ecran(ecran);
    g.ordonnee.max = 1000; // a row of its own for each curve
    g.ordonnee.pas = 100;
    g.courbes.resize(1000);
    for (std::uint32_t r = 0; r < 1000; ++r) {
        g.courbes[r].couleur = couleur_replicat(r);
    }
    g.trace(false);
    for (std::int32_t x = 0; x < 6; ++x) {
        for (std::size_t r = 0; r < 1000; ++r) {
            g.ajoute_point_courbe(r, x, static_cast<float>(r));
        }
        ecran.oublie();
        g.trace(true);
        EXPECT_EQ(ecran.traits.size(), x == 0 ? 0u : 1000u) << x;
    }
}

TEST(Legende, AFixedTextShowsInsteadOfTheLastValueZeroIncluded) {
    Surface_enregistreuse ecran(515, 209);
    ecran.numerote = true;
    Tgraphique g;
    g.attache_ecran(ecran);
    g.ajoute_serie("Fixé", noir);
    g.ajoute_serie("Perdu", noir);
    g.series[0].legende = "0";
    g.series[1].legende = "12";
    g.ajoute_point(1, 0, 40.0f);
    g.trace(false);
    std::vector<Appel> textes = ecran.de("TextRect");
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(textes[0].texte, "0");
    EXPECT_EQ(textes[1].texte, "12");

    // An update draws the legend again when a text changed, and only then.
    ecran.oublie();
    g.trace(true);
    EXPECT_TRUE(ecran.de("Rectangle").empty());
    g.series[0].legende = "1";
    g.trace(true);
    textes = ecran.de("TextRect");
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(textes[0].texte, "1");
}

// A chart with series, a legend text and curves, fully drawn on a numbered surface.
struct Dessine : ::testing::Test {
    Surface_enregistreuse ecran{515, 209};
    Tgraphique g;

    Dessine() {
        ecran.numerote = true;
        g.attache_ecran(ecran);
        g.ajoute_serie("A", rouge);
        g.ajoute_serie("B", bleu);
        g.series[1].legende = "3";
        g.courbes.push_back({Tvaleurs{}, couleur_replicat(0), false});
        g.courbes.push_back({Tvaleurs{}, rouge, true});
        for (std::int32_t x = 0; x < 30; ++x) {
            g.ajoute_point(0, x, static_cast<float>(x));
            g.ajoute_point_courbe(0, x, static_cast<float>(100 - x));
            g.ajoute_point_courbe(1, x, 50.0f);
        }
        g.trace(false);
    }
};

TEST_F(Dessine, AFullDrawingOfWhatTheSurfaceShowsDrawsNothing) {
    ecran.oublie();
    g.trace(false);
    EXPECT_TRUE(ecran.appels.empty());
    // Nor after an update that only added points.
    g.ajoute_point_courbe(0, 30, 20.0f);
    g.trace(true);
    ecran.oublie();
    g.trace(false);
    EXPECT_TRUE(ecran.appels.empty());
}

TEST_F(Dessine, AnyChangeGivesAFullDrawingAgain) {
    const std::vector<std::pair<const char*, std::function<void()>>> changements = {
        {"a point", [&] { g.ajoute_point(0, 30, 5.0f); }},
        {"a point of a curve", [&] { g.ajoute_point_courbe(1, 30, 5.0f); }},
        {"a value replaced", [&] { g.ajoute_point_courbe(0, 3, 5.0f); }},
        {"a name", [&] { g.modifie_serie("A'", rouge, 0); }},
        {"a colour", [&] { g.modifie_serie("A", noir, 0); }},
        {"a legend text", [&] { g.series[1].legende = "4"; }},
        {"a curve's colour", [&] { g.courbes[0].couleur = noir; }},
        {"dashes", [&] { g.courbes[0].pointillee = true; }},
        {"a curve added", [&] { g.courbes.emplace_back(); }},
        {"the x axis", [&] { g.abscisse.max = 90; }},
        {"an axis title", [&] { g.ordonnee.titre = "Y"; }},
        {"the axis colour", [&] { g.couleur_axes = noir; }},
        {"the surface's size", [&] { ecran.redimensionne(516, 209); }},
        {"a drawing by someone else", [&] { ecran.LineTo(3, 3); }},
        {"another surface",
         [&] {
             static Surface_enregistreuse autre(515, 209);
             g.attache_ecran(autre);
             g.trace(false);
             g.attache_ecran(ecran);
         }},
    };
    for (const auto& [quoi, change] : changements) {
        g.trace(false);
        change();
        ecran.oublie();
        g.trace(false);
        EXPECT_EQ(ecran.de("FloodFill").size(), 2u) << quoi;
    }
}

// The pixel column of generation x and the pixel row of value v.
int colonne(const Tgraphique& g, std::int32_t x) {
    return g.vers_pixels(g.vers_page(g.borne(x, 0.0f))).x;
}
int ligne(const Tgraphique& g, std::int32_t v) {
    return g.vers_pixels(g.vers_page(g.borne(g.abscisse.min, static_cast<float>(v)))).y;
}

// On every pixel of the plot's span, the value under it lands on that pixel,
// or on the nearest pixel where a value lands; outside the span, none.
void verifie_inverse(const Tcar_axes& axe, const std::function<int(std::int32_t)>& pixel,
                     const std::function<std::optional<std::int32_t>(int)>& sous) {
    const int p0 = pixel(axe.min);
    const int p1 = pixel(axe.max);
    const int sens = p1 >= p0 ? 1 : -1;
    EXPECT_FALSE(sous(p0 - sens));
    EXPECT_FALSE(sous(p1 + sens));
    for (int p = p0; p != p1 + sens; p += sens) {
        const std::optional<std::int32_t> v = sous(p);
        ASSERT_TRUE(v) << p;
        ASSERT_GE(*v, axe.min);
        ASSERT_LE(*v, axe.max);
        const int ecart = std::abs(pixel(*v) - p);
        for (const std::int32_t voisin : {*v - 1, *v + 1}) {
            if (voisin >= axe.min && voisin <= axe.max) {
                EXPECT_LE(ecart, std::abs(pixel(voisin) - p)) << p << " " << *v;
            }
        }
    }
    // A value alone on its pixel is found there.
    for (std::int32_t v = axe.min; v <= axe.max; ++v) {
        if ((v == axe.min || pixel(v - 1) != pixel(v)) &&
            (v == axe.max || pixel(v + 1) != pixel(v))) {
            EXPECT_EQ(sous(pixel(v)), v);
        }
    }
}

TEST(Lecture, TheValueUnderAPixelIsTheOneDrawnThere) {
    Tgraphique seul;
    EXPECT_FALSE(seul.abscisse_sous(200)); // no surface
    struct Cas {
        int largeur, hauteur;
        std::int32_t x_max, y_max;
    };
    const Cas cas[] = {
        {515, 209, 100, 100}, {515, 153, 1000, 1000}, {1200, 500, 37, 10000}, {90, 60, 200, 100}};
    for (const Cas& c : cas) {
        Surface_enregistreuse ecran(c.largeur, c.hauteur);
        Tgraphique g;
        g.attache_ecran(ecran);
        g.abscisse.max = c.x_max;
        g.ordonnee.max = c.y_max;
        g.ordonnee.pas = c.y_max / 10;
        SCOPED_TRACE(std::to_string(c.largeur) + " x " + std::to_string(c.hauteur));
        verifie_inverse(
            g.abscisse, [&](std::int32_t x) { return colonne(g, x); },
            [&](int p) { return g.abscisse_sous(p); });
        verifie_inverse(
            g.ordonnee, [&](std::int32_t v) { return ligne(g, v); },
            [&](int p) { return g.valeur_sous(p); });
    }
}

// Contrast ratio of two colours (relative luminance, sRGB).
double contraste(Tcouleur a, Tcouleur b) {
    const auto luminance = [](Tcouleur c) {
        double l = 0;
        const double poids[] = {0.2126, 0.7152, 0.0722};
        for (int i = 0; i < 3; ++i) {
            const double v = ((c >> (8 * i)) & 0xFF) / 255.0;
            l += poids[i] * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return l;
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

double distance(Tcouleur a, Tcouleur b) {
    double d = 0;
    for (int i = 0; i < 3; ++i) {
        const double e = static_cast<double>((a >> (8 * i)) & 0xFF) - ((b >> (8 * i)) & 0xFF);
        d += e * e;
    }
    return std::sqrt(d);
}

TEST(Couleurs, ReplicatesStandOutOnSilverAndFromTheirNeighbours) {
    const Tcouleur a_eviter[] = {0x00FFFF, 0x0000FF, 0xFF0000, 0x008000, 0x808080};
    for (std::uint32_t r = 0; r < 2000; ++r) {
        const Tcouleur c = couleur_replicat(r);
        ASSERT_GE(contraste(c, 0xC0C0C0), 3.0) << r;
        for (const Tcouleur autre : a_eviter) {
            ASSERT_GE(distance(c, autre), 60.0) << r << " " << std::hex << c;
        }
        ASSERT_GE(distance(c, couleur_replicat(r + 1)), 100.0) << r;
    }
}

} // namespace
