// Scenario files: what is written reads back the same, what is not a scenario
// is refused with its line and field, values outside the panel's ranges are
// brought into them and listed, and no input, however broken, does harm.
#include "donnees/fichier_atomique.h"
#include "donnees/scenario.h"
#include "model/bornes.h"

#include "dossier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

const std::string modele = R"(format = "quorvel-scenario"
version = 1
title = "Drift"
instructions = """
Run it five times."""
alleles = 2
frequencies = [30, 70]
lethalities = [0, 100]
min_size = 50
max_size = 50
fecundity = 2.5
generations = 200
seed = 7
replicates = 10
)";

// The text with line `ligne` (from 1) replaced.
std::string avec_ligne(std::uint32_t ligne, const std::string& remplacement,
                       std::string t = modele) {
    std::size_t debut = 0;
    for (std::uint32_t l = 1; l < ligne; ++l) {
        debut = t.find('\n', debut) + 1;
    }
    return t.replace(debut, t.find('\n', debut) - debut, remplacement);
}

TEST(Scenario, TheModelReadsAsWritten) {
    const Tlecture_scenario l = lit_scenario(modele);
    EXPECT_TRUE(l.ajustements.empty());
    const Tscenario& s = l.scenario;
    EXPECT_EQ(s.titre, "Drift");
    EXPECT_EQ(s.instructions, "Run it five times.");
    EXPECT_EQ(s.parametres.nb_alleles, 2u);
    EXPECT_EQ(s.parametres.frequence(0), static_cast<float>(30 * 0.01));
    EXPECT_EQ(s.parametres.letalite(1), 1.0f);
    EXPECT_EQ(s.parametres.effectif_min, 50u);
    EXPECT_EQ(s.parametres.fecondite, 2.5f);
    EXPECT_EQ(s.parametres.nb_generations, 200u);
    EXPECT_EQ(s.graine, 7u);
    EXPECT_EQ(s.replicats, 10u);
}

// Scenarios as the panel makes them, with texts full of what needs escaping.
TEST(Scenario, WhatIsWrittenReadsBackEqual) {
    std::mt19937_64 g(2026);
    const auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    const std::vector<std::string> morceaux = {"a",  "é",    "\"", "\"\"", "\"\"\"", "\\",   "\\n",
                                               "\n", "\r\n", "\t", "'''",  "#",      "\x01", "\x7f",
                                               "ŝ",  "🧬", "=",  "[",    "]",      " "};
    const auto texte = [&] {
        std::string t;
        for (int i = entre(0, 12); i > 0; --i) {
            t += morceaux[static_cast<std::size_t>(entre(0, int(morceaux.size()) - 1))];
        }
        return t;
    };
    for (int essai = 0; essai < 300; ++essai) {
        Tscenario s;
        Tparametres_mesure& p = s.parametres;
        p.nb_alleles = borne_nb_alleles(entre(2, 4));
        p.ajuste();
        for (int k = entre(0, 3); k > 0; --k) {
            const auto allele = static_cast<unsigned>(entre(0, int(p.nb_alleles) - 2));
            const float v = essai % 2 ? static_cast<float>(entre(0, 100) * 0.01)
                                      : std::uniform_real_distribution<float>(0, 1)(g);
            p.fixe_frequence(allele, v);
        }
        for (unsigned a = 0; a < p.nb_alleles; ++a) {
            p.letalites[a] = static_cast<float>(entre(0, 100) * 0.01);
        }
        p.effectif_max = borne_effectif_max(p, entre(0, 10000));
        p.effectif_min = borne_effectif_min(p, entre(0, 10000));
        p.fecondite = fecondite_de_centiemes(borne_centiemes_fecondite(p, entre(200, 250)));
        p.nb_generations = borne_nb_generations(p, entre(10, 1000));
        s.replicats = static_cast<std::uint32_t>(entre(1, 1000));
        if (essai % 3 != 0) {
            s.graine = g();
        }
        s.titre = texte();
        s.instructions = texte();

        std::stringstream ecrit;
        ecrit_scenario(ecrit, s);
        const Tlecture_scenario l = lit_scenario(ecrit.str());
        EXPECT_TRUE(l.ajustements.empty()) << ecrit.str() << l.ajustements[0].message;
        ASSERT_EQ(l.scenario, s) << ecrit.str();
        for (unsigned a = 0; a < p.nb_alleles; ++a) {
            EXPECT_EQ(l.scenario.parametres.frequence(a), p.frequence(a)) << ecrit.str();
        }
    }
}

struct Trefus {
    const char* cas;
    std::string texte;
    std::uint32_t ligne;
    const char* champ;
    const char* message;
};

TEST(Scenario, WhatIsNotAScenarioIsRefusedWithItsLineAndField) {
    const std::vector<Trefus> refus = {
        {"syntax", avec_ligne(6, "alleles = = 2"), 6, "", "ligne 6, colonne"},
        {"newer version", avec_ligne(2, "version = 2"), 2, "version", "plus récente"},
        {"another format", avec_ligne(1, "format = \"csv\""), 1, "format", "quorvel-scenario"},
        {"no format", avec_ligne(1, "# nothing"), 1, "format", "quorvel-scenario"},
        {"cut short", modele.substr(0, modele.find("replicates")), 13, "replicates", "tronqué"},
        {"cut in a text", modele.substr(0, modele.find("five")), 5, "", "ligne 5"},
        {"cut in a list", modele.substr(0, modele.find("70]")), 7, "", "ligne 7"},
        {"binary", avec_ligne(3, std::string("title = \"a\0b\"", 13)), 3, "", "octet nul"},
        {"not UTF-8", avec_ligne(4, "Run \xC3\x28 it"), 4, "", "UTF-8"},
        {"huge", modele + std::string(taille_max_scenario, '#'), 0, "", "dépasse"},
        {"unknown field", avec_ligne(9, "min-size = 50"), 9, "min-size", "champ inconnu"},
        {"accented key", avec_ligne(11, "fécondité = 2.5"), 11, "", "ligne 11, colonne 2"},
        {"accent after a value", avec_ligne(12, "generations = 200é"), 12, "", "colonne 18"},
        {"accent after a line-ending backslash", avec_ligne(5, "Run it \\\n  été.\"\"\""), 6, "",
         "barre oblique"},
        {"text for a number", avec_ligne(6, "alleles = \"two\""), 6, "alleles", "entier"},
        {"decimal count", avec_ligne(12, "generations = 20.5"), 12, "generations", "entier"},
        {"table for a list", avec_ligne(7, "frequencies = {a = 1}"), 7, "frequencies", "liste"},
        {"one frequency", avec_ligne(7, "frequencies = [100]"), 7, "frequencies", "2 valeurs"},
        {"word in a list", avec_ligne(8, "lethalities = [0, \"x\"]"), 8, "lethalities", "nombre"},
        {"not a number", avec_ligne(11, "fecundity = nan"), 11, "fecundity", "nombre attendu"},
        {"negative seed", avec_ligne(13, "seed = -1"), 13, "seed", "graine"},
        {"seed too large", avec_ligne(13, "seed = \"18446744073709551616\""), 13, "seed", "graine"},
        {"title as a list", avec_ligne(3, "title = [1]"), 3, "title", "texte attendu"},
    };
    for (const Trefus& r : refus) {
        try {
            lit_scenario(r.texte);
            ADD_FAILURE() << r.cas << ": read without error";
        } catch (const Terreur_scenario& e) {
            EXPECT_EQ(e.ligne, r.ligne) << r.cas << ": " << e.what();
            EXPECT_EQ(e.champ, r.champ) << r.cas << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(r.message), std::string::npos)
                << r.cas << ": " << e.what();
        }
    }
}

TEST(Scenario, ValuesOutsideThePanelsRangesAreBroughtIntoThemAndListed) {
    std::string t = avec_ligne(6, "alleles = 3");
    const std::vector<std::pair<std::uint32_t, std::string>> lignes = {
        {7, "frequencies = [30, 30, 0]"}, {8, "lethalities = [120, -5]"},
        {9, "min_size = 20000"},          {10, "max_size = 1"},
        {11, "fecundity = 2.555"},        {12, "generations = 5"},
        {14, "replicates = 5000"}};
    for (const auto& [ligne, texte] : lignes) {
        t = avec_ligne(ligne, texte, t);
    }
    const Tlecture_scenario l = lit_scenario(t);
    const Tparametres_mesure& p = l.scenario.parametres;
    EXPECT_EQ(p.nb_alleles, 3u);
    EXPECT_FLOAT_EQ(p.frequence(0), 0.5f);
    EXPECT_FLOAT_EQ(p.frequence(1), 0.5f);
    EXPECT_EQ(p.letalite(0), 1.0f);
    EXPECT_EQ(p.letalite(1), 0.0f);
    EXPECT_EQ(p.effectif_max, 10u);
    EXPECT_EQ(p.effectif_min, 10u);
    EXPECT_EQ(p.fecondite, 2.5f);
    EXPECT_EQ(p.nb_generations, 10u);
    EXPECT_EQ(l.scenario.replicats, 1000u);

    std::vector<std::string> champs;
    for (const Tajustement& a : l.ajustements) {
        champs.push_back(a.champ);
        EXPECT_NE(a.message.find("ligne " + std::to_string(a.ligne)), std::string::npos);
    }
    EXPECT_EQ(champs,
              (std::vector<std::string>{"frequencies", "lethalities", "lethalities", "max_size",
                                        "min_size", "fecundity", "generations", "replicates"}));
    EXPECT_NE(l.ajustements[3].message.find("1 ramené à 10"), std::string::npos)
        << l.ajustements[3].message;

    // The command line takes none of them: the first one is an error.
    try {
        lit_scenario(t, Tbornage::refuse);
        ADD_FAILURE() << "out-of-range values taken by the command line";
    } catch (const Terreur_scenario& e) {
        EXPECT_EQ(e.ligne, 7u);
        EXPECT_EQ(e.champ, "frequencies");
    }
}

TEST_F(Dossier, SavingWritesWholeOrKeepsTheEarlierFile) {
    const fs::path chemin = dossier / "tp.quorvel";
    Tscenario s;
    s.titre = "TP 1";
    enregistre_scenario(chemin.string(), s);
    EXPECT_EQ(charge_scenario(chemin.string()).scenario, s);
    const std::string avant = contenu(chemin);

    s.instructions = std::string(100000, 'x');
    {
        Tlimite_taille limite(4096);
        EXPECT_THROW(enregistre_scenario(chemin.string(), s), Tfichier_atomique::Terreur);
    }
    EXPECT_EQ(contenu(chemin), avant);
    EXPECT_THROW(enregistre_scenario((dossier / "parti" / "tp.quorvel").string(), s),
                 Tfichier_atomique::Terreur);
    EXPECT_EQ(nb_fichiers(), 1u);

    // Reading: a missing file, a folder, a file just over the limit.
    for (const fs::path& illisible : {dossier / "absent.quorvel", dossier}) {
        EXPECT_THROW(charge_scenario(illisible.string()), Terreur_scenario);
    }
    std::ofstream(dossier / "gros.quorvel") << std::string(taille_max_scenario + 1, '#');
    EXPECT_THROW(charge_scenario((dossier / "gros.quorvel").string()), Terreur_scenario);
}

// Valid scenarios mutated at random: every input is either read into values
// within the panel's ranges, or refused with a line inside the file. Under
// the sanitizers this runs the parser's code as well.
TEST(Scenario, BrokenInputsAreReadWithinRangesOrRefusedCleanly) {
    std::vector<std::string> graines = {modele};
    for (const char* fichier : {"titre", "sans graine"}) {
        Tscenario s;
        s.titre = fichier;
        s.instructions = "Ligne 1\n\"citée\" \\ fin\n";
        s.parametres.nb_alleles = 4;
        s.parametres.ajuste();
        if (graines.size() == 1) {
            s.graine = UINT64_MAX;
        }
        std::stringstream t;
        ecrit_scenario(t, s);
        graines.push_back(t.str());
    }
    const std::vector<std::string> syntaxe = {"[",
                                              "]",
                                              "{",
                                              "}",
                                              "=",
                                              "\"",
                                              "\"\"\"",
                                              "'",
                                              "'''",
                                              "\n",
                                              "#",
                                              ",",
                                              ".",
                                              "[[a]]",
                                              "[t]",
                                              "1e999",
                                              "-0",
                                              "0x7fffffffffffffff",
                                              "9223372036854775808",
                                              "nan",
                                              "inf",
                                              "\\u",
                                              "\\U0010FFFF",
                                              "\xC3",
                                              "\xF4\x90\x80\x80",
                                              "\xEF\xBB\xBF",
                                              "\r",
                                              "\t",
                                              "true",
                                              "1979-05-27",
                                              "a.b = 1\n",
                                              "alleles = 3\n",
                                              "seed = \"",
                                              "[1,[2,[3]]]"};
    std::mt19937_64 g(1);
    const auto au_hasard = [&](std::size_t n) {
        return static_cast<std::size_t>(std::uniform_int_distribution<std::size_t>(0, n)(g));
    };
    constexpr int nombre = 20000;
    int lus = 0;
    int refuses = 0;
    for (int essai = 0; essai < nombre; ++essai) {
        std::string t = graines[au_hasard(graines.size() - 1)];
        for (std::size_t m = au_hasard(3) + 1; m > 0; --m) {
            const std::size_t i = au_hasard(t.size());
            switch (au_hasard(4)) {
            case 0: // a flipped bit
                if (i < t.size()) {
                    t[i] = static_cast<char>(t[i] ^ (1 << au_hasard(7)));
                }
                break;
            case 1: // cut short
                t.resize(i);
                break;
            case 2: // a piece of syntax
                t.insert(i, syntaxe[au_hasard(syntaxe.size() - 1)]);
                break;
            case 3: // a piece removed
                t.erase(i, au_hasard(20));
                break;
            default: // a piece repeated
                t.insert(i, t.substr(au_hasard(t.size()), au_hasard(40)));
            }
        }
        std::uint32_t nb_lignes = 1;
        for (const char c : t) {
            nb_lignes += c == '\n';
        }
        try {
            const Tparametres_mesure& p = lit_scenario(t).scenario.parametres;
            ++lus;
            ASSERT_GE(p.nb_alleles, 2u);
            ASSERT_LE(p.nb_alleles, 4u);
            float somme = 0.0f;
            for (unsigned a = 0; a < p.nb_alleles; ++a) {
                ASSERT_TRUE(p.frequence(a) >= 0.0f && p.frequence(a) <= 1.0f) << t;
                ASSERT_TRUE(p.letalite(a) >= 0.0f && p.letalite(a) <= 1.0f) << t;
                somme += p.frequence(a);
            }
            ASSERT_NEAR(somme, 1.0f, 1e-4f) << t;
            ASSERT_TRUE(p.effectif_min >= 2 && p.effectif_min <= p.effectif_max) << t;
            ASSERT_TRUE(p.effectif_max >= 10 && p.effectif_max <= 10000) << t;
            ASSERT_TRUE(p.nb_generations >= 10 && p.nb_generations <= 1000) << t;
            ASSERT_TRUE(p.fecondite >= 2.0f && p.fecondite <= 2.5f) << t;
        } catch (const Terreur_scenario& e) {
            ++refuses;
            ASSERT_LE(e.ligne, nb_lignes) << e.what();
            ASSERT_NE(std::string(e.what()), "");
        }
    }
    std::cout << "[ fuzz     ] " << nombre << " inputs: " << lus << " read, " << refuses
              << " refused\n";
    ::testing::Test::RecordProperty("inputs", nombre);
    EXPECT_GT(lus, 100);
    EXPECT_GT(refuses, nombre / 2);
}

} // namespace
