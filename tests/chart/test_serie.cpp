#include "chart/graphique.h"
#include "i18n/traducteur.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Runs a test body in one language and restores French after it.
class EnLangue {
public:
    explicit EnLangue(langues l) { Traducteur().langue() = l; }
    ~EnLangue() { Traducteur().langue() = francais; }
};

std::vector<std::string> noms(const Tgraphique& g) {
    std::vector<std::string> resultat;
    for (const Tserie& s : g.series) {
        resultat.push_back(s.nom);
    }
    return resultat;
}

TEST(Series, AFifthSeriesIsRefusedAndChangesNothing) {
    Tgraphique g;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(g.ajoute_serie("S" + std::to_string(i), 0x10 + i));
    }
    EXPECT_FALSE(g.ajoute_serie("cinquième", 0x99));
    EXPECT_EQ(g.nb_series(), 4u);
    EXPECT_EQ(noms(g), (std::vector<std::string>{"S0", "S1", "S2", "S3"}));
    EXPECT_EQ(g.series[3].couleur, 0x13u);
}

TEST(Series, AnEmptyNameBecomesTheTranslationOfSansTitre) {
    {
        EnLangue fr(francais);
        Tgraphique g;
        ASSERT_TRUE(g.ajoute_serie("", 0));
        EXPECT_EQ(g.series[0].nom, "sans titre");
        // Renaming keeps an empty name as it is.
        ASSERT_TRUE(g.modifie_serie("", 0x0000FF, 0));
        EXPECT_EQ(g.series[0].nom, "");
    }
    EnLangue en(anglais);
    Tgraphique g;
    ASSERT_TRUE(g.ajoute_serie("", 0));
    EXPECT_EQ(g.series[0].nom, ""); // only "Sans titre", capitalised, is in the table
}

TEST(Series, ModifieSerieKeepsThePointsAndRefusesAMissingIndex) {
    Tgraphique g;
    g.ajoute_serie("A", 1);
    g.ajoute_point(0, 3, 30.0f);
    EXPECT_TRUE(g.modifie_serie("B", 2, 0));
    EXPECT_EQ(g.series[0].nom, "B");
    EXPECT_EQ(g.series[0].couleur, 2u);
    EXPECT_EQ(g.series[0].valeurs, (Tvaleurs{{3, 30}}));
    EXPECT_FALSE(g.modifie_serie("C", 3, 1));
    EXPECT_EQ(g.series[0].nom, "B");
}

TEST(Series, RemovingMovesTheLaterSeriesDown) {
    Tgraphique g;
    g.ajoute_serie("A", 1);
    g.ajoute_serie("B", 2);
    g.ajoute_serie("C", 3);
    EXPECT_FALSE(g.supprime_serie(3));
    EXPECT_TRUE(g.supprime_serie(0));
    EXPECT_EQ(noms(g), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(g.series[1].couleur, 3u);

    g.ajoute_serie("D", 4);
    EXPECT_TRUE(g.supprime_series());
    EXPECT_EQ(g.nb_series(), 0u);
    EXPECT_TRUE(g.est_vide());
    EXPECT_FALSE(g.supprime_series());
    // Room again for four.
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(g.ajoute_serie("E", 0));
    }
}

TEST(Series, PointsAreStoredBelowTheLimitOnlyAndInOrderOfX) {
    Tgraphique g;
    g.ajoute_serie("A", 0);
    EXPECT_TRUE(g.ajoute_point(0, 999, 1.0f));
    EXPECT_FALSE(g.ajoute_point(0, 1000, 2.0f));
    EXPECT_TRUE(g.ajoute_point(0, -1, 3.0f));
    EXPECT_TRUE(g.ajoute_point(0, 5, 4.0f));
    EXPECT_FALSE(g.ajoute_point(1, 5, 5.0f));
    EXPECT_FALSE(g.ajoute_point(-1, 5, 5.0f));
    std::vector<std::int32_t> xs;
    for (const auto& point : g.series[0].valeurs) {
        xs.push_back(point.first);
    }
    EXPECT_EQ(xs, (std::vector<std::int32_t>{-1, 5, 999}));
    EXPECT_EQ(g.series[0].valeurs.at(5), 4);
}

TEST(Series, AValueIsTruncatedTowardZeroAndReplacesTheOneAtTheSameX) {
    Tgraphique g;
    g.ajoute_serie("A", 0);
    g.ajoute_point(0, 0, 0.4999f * 100.0f);
    EXPECT_EQ(g.series[0].valeurs.at(0), 49);
    g.ajoute_point(0, 0, 100.0f);
    EXPECT_EQ(g.series[0].valeurs.at(0), 100);
    EXPECT_EQ(g.series[0].valeurs.size(), 1u);
    g.ajoute_point(0, 1, -0.5f);
    EXPECT_EQ(g.series[0].valeurs.at(1), 0);
    g.ajoute_point(0, 2, -7.9f);
    EXPECT_EQ(g.series[0].valeurs.at(2), -7);
}

TEST(Series, ValuesBeyondTheIntegerRangeStayAtItsEndsAndNaNIsRefused) {
    Tgraphique g;
    g.ajoute_serie("A", 0);
    EXPECT_TRUE(g.ajoute_point(0, 0, 1e20f));
    EXPECT_EQ(g.series[0].valeurs.at(0), std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(g.ajoute_point(0, 1, -std::numeric_limits<float>::infinity()));
    EXPECT_EQ(g.series[0].valeurs.at(1), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(g.ajoute_point(0, 2, std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ(g.series[0].valeurs.count(2), 0u);
}

TEST(Series, PointsKeepTheirLineageOnlyWhileTheyGrowAfterTheLastOne) {
    Tvaleurs v;
    const std::uint64_t debut = v.lignee();
    v.fixe(3, 30);
    v.fixe(5, 50);
    v.fixe(5, 50); // the same value again
    EXPECT_EQ(v.lignee(), debut);
    std::uint64_t avant = v.lignee();
    const auto change = [&](const char* quoi) {
        EXPECT_NE(v.lignee(), avant) << quoi;
        avant = v.lignee();
    };
    v.fixe(5, 51);
    change("last value replaced");
    v.fixe(4, 40);
    change("point before the last");
    v = Tvaleurs(v);
    change("assigned a copy");
    EXPECT_EQ(v, (Tvaleurs{{3, 30}, {4, 40}, {5, 51}}));
    v.clear();
    change("cleared");
    EXPECT_NE(Tvaleurs(v).lignee(), v.lignee()); // a copy is a lineage of its own
    v.fixe(1, 10);
    const Tvaleurs ailleurs = std::move(v);
    EXPECT_EQ(ailleurs.lignee(), avant); // the same points, moved: the same lineage
    EXPECT_NE(v.lignee(), avant);        // what is left behind is not them
}

TEST(Series, CurvesTakeTheirPointsByTheRulesOfTheSeries) {
    Tgraphique g;
    g.courbes.resize(2);
    EXPECT_TRUE(g.ajoute_point_courbe(1, 999, 49.99f));
    EXPECT_TRUE(g.ajoute_point_courbe(1, -1, -0.5f));
    EXPECT_FALSE(g.ajoute_point_courbe(1, 1000, 1.0f));
    EXPECT_FALSE(g.ajoute_point_courbe(2, 0, 1.0f));
    EXPECT_FALSE(g.ajoute_point_courbe(0, 0, std::numeric_limits<float>::quiet_NaN()));
    EXPECT_TRUE(g.courbes[0].valeurs.empty());
    EXPECT_EQ(g.courbes[1].valeurs, (Tvaleurs{{-1, 0}, {999, 49}}));
}

TEST(Series, EfaceValeursKeepsNamesAndColours) {
    Tgraphique g;
    g.efface_valeurs(); // no series: nothing to do
    g.ajoute_serie("A", 7);
    g.ajoute_serie("B", 8);
    g.ajoute_point(0, 0, 1.0f);
    g.ajoute_point(1, 0, 2.0f);
    g.efface_valeurs();
    EXPECT_EQ(noms(g), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(g.series[1].couleur, 8u);
    EXPECT_TRUE(g.series[0].valeurs.empty());
    EXPECT_TRUE(g.series[1].valeurs.empty());
}

TEST(Series, TheDefaultLookOfTheAlleles) {
    const Tseries_aspect aspect;
    ASSERT_EQ(aspect.size(), 4u);
    EXPECT_EQ(aspect[0].nom, "Allèle 1");
    EXPECT_EQ(aspect[0].couleur, 0x0000FFu); // red in the low byte
    EXPECT_EQ(aspect[1].nom, "Allèle 2");
    EXPECT_EQ(aspect[1].couleur, 0xFF0000u);
    EXPECT_EQ(aspect[2].nom, "Allèle 3");
    EXPECT_EQ(aspect[2].couleur, 0x008000u);
    EXPECT_EQ(aspect[3].nom, "Allèle 4");
    EXPECT_EQ(aspect[3].couleur, 0x808080u);
    EXPECT_THROW(aspect[4], std::out_of_range);
    // Every name has an English text.
    EnLangue en(anglais);
    EXPECT_EQ(Traducteur().traduit(aspect[3].nom), "Allele 4");
}

} // namespace
