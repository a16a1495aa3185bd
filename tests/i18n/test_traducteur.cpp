#include "i18n/traducteur.h"

#include "i18n/textes_ajoutes.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

class TraducteurTest : public ::testing::Test {
protected:
    void TearDown() override { Traducteur().langue() = francais; }
    static void en(langues l) { Traducteur().langue() = l; }
    Traducteur t;
};

TEST_F(TraducteurTest, TableHoldsFortyTwoEntriesEachWithOneEnglishText) {
    EXPECT_EQ(t.textes.size(), 42u);
    for (const auto& [cle, traductions] : t.textes) {
        ASSERT_EQ(traductions.size(), 1u) << cle;
        EXPECT_EQ(traductions.begin()->first, anglais) << cle;
    }
    static_assert(sizeof(langues) == 1);
    static_assert(francais == 0 && anglais == 1);
}

TEST_F(TraducteurTest, AddedTextsHaveOneEnglishTextAndGoBothWays) {
    for (const auto& [cle, texte] : textes_ajoutes()) {
        EXPECT_FALSE(texte.empty()) << cle;
        EXPECT_EQ(t.textes.count(cle), 0u) << cle << " is already in the first table";
        en(anglais);
        EXPECT_EQ(t.traduit(cle), texte);
        EXPECT_EQ(t.retraduit(cle), texte);
        en(francais);
        EXPECT_EQ(t.traduit(cle), cle);
        EXPECT_EQ(t.retraduit(texte), cle) << texte;
    }
}

TEST_F(TraducteurTest, FrenchReturnsTheKeyWhetherOrNotItIsInTheTable) {
    en(francais);
    EXPECT_EQ(t.traduit("Effectif"), "Effectif");
    EXPECT_EQ(t.traduit("Defaut"), "Defaut");
    EXPECT_EQ(t.traduit("sans titre"), "sans titre");
    EXPECT_EQ(t.traduit(""), "");
}

TEST_F(TraducteurTest, EnglishReturnsTheEntryOrAnEmptyText) {
    en(anglais);
    EXPECT_EQ(t.traduit("Defaut"), "");
    EXPECT_EQ(t.traduit("sans titre"), "");
    EXPECT_EQ(t.traduit("Sans titre"), "no title");
    EXPECT_EQ(t.traduit("%"), "%");
    EXPECT_EQ(t.traduit(" par graduation"), " per graduation");
    EXPECT_EQ(t.traduit("&Rubriques d'aide"), "&help topics");
    EXPECT_EQ(t.traduit("Génétique des populations"), "population Genetics");
    EXPECT_EQ(t.traduit("Nb d'allèles"), "Alleles nb");
    EXPECT_EQ(t.traduit("24/ 8/2004"), "August 24,2004");
    EXPECT_EQ(t.traduit("8/ 2/2009"), "Feb. 8, 2009");
    EXPECT_EQ(t.traduit("Quorvel.hlp"), "QuorvelE.hlp");
    EXPECT_EQ(t.traduit("Réglage fin: Enlève un individu"), "Fine tuning: Remove one person");
}

TEST_F(TraducteurTest, RetraduitFollowsTheCurrentLanguageFromEitherForm) {
    en(francais);
    EXPECT_EQ(t.retraduit("&Files"), "&Fichier");
    EXPECT_EQ(t.retraduit("&Fichier"), "&Fichier");
    EXPECT_EQ(t.retraduit("&help topics"), "&Rubriques d'aide");
    en(anglais);
    EXPECT_EQ(t.retraduit("&Files"), "&Files");
    EXPECT_EQ(t.retraduit("&Fichier"), "&Files");
    EXPECT_EQ(t.retraduit("&Paramètres"), "&Control panel");
}

TEST_F(TraducteurTest, RetraduitTakesTheLastMatchInByteOrder) {
    // "Panneau de commande" and "Paramètres" share "Control panel"; the
    // latter sorts after it byte-wise ('r' > 'n').
    en(francais);
    EXPECT_EQ(t.retraduit("Control panel"), "Paramètres");
    en(anglais);
    EXPECT_EQ(t.retraduit("Control panel"), "Control panel");
}

TEST_F(TraducteurTest, RetraduitLeavesUnknownTextsAlone) {
    for (langues l : {francais, anglais}) {
        en(l);
        EXPECT_EQ(t.retraduit("&Français"), "&Français");
        EXPECT_EQ(t.retraduit("&English"), "&English");
        EXPECT_EQ(t.retraduit(""), "");
        EXPECT_EQ(t.retraduit("Rafraichit"), "Rafraichit");
    }
}

TEST_F(TraducteurTest, KeysSortAsUnsignedBytes) {
    // An accented letter's lead byte (0xC3) sorts after every ASCII letter.
    std::string precedente;
    for (const auto& [cle, traductions] : t.textes) {
        EXPECT_LT(precedente, cle);
        precedente = cle;
    }
    EXPECT_EQ(t.textes.rbegin()->first, "panmixie");
    const auto frequences = t.textes.find("Fréquences alléliques");
    ASSERT_NE(frequences, t.textes.end());
    EXPECT_EQ(std::next(frequences)->first, "Fécondité");
}

TEST_F(TraducteurTest, OnlyTheExactNativeNameSelectsFrench) {
    t.adopte_langue_systeme("français");
    EXPECT_EQ(t.langue(), francais);
    for (const char* nom : {"Français", "francais", "", "American English", "français "}) {
        t.adopte_langue_systeme("français");
        t.adopte_langue_systeme(nom);
        EXPECT_EQ(t.langue(), anglais) << nom;
    }
}

TEST_F(TraducteurTest, LanguageIsSharedByEveryTranslator) {
    Traducteur a;
    a.langue() = anglais;
    Traducteur b;
    EXPECT_EQ(b.langue(), anglais);
    EXPECT_EQ(b.traduit("Effectif"), "Roll");
    b.langue() = francais;
    EXPECT_EQ(a.traduit("Effectif"), "Effectif");
}

} // namespace
