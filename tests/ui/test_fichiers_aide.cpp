// The two help files as shipped beside the executable: readable, with the same
// topics in both languages, working links, and the names the program shows.
#include "ui/sommaire_aide.h"

#include "langue_temporaire.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

std::unique_ptr<QTextDocument> lit_aide(const char* nom) {
    QFile fichier(QCoreApplication::applicationDirPath() + "/" + nom);
    EXPECT_TRUE(fichier.open(QIODevice::ReadOnly)) << nom;
    const QByteArray octets = fichier.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texte = utf8(octets);
    EXPECT_FALSE(utf8.hasError()) << nom << " is not UTF-8";
    EXPECT_TRUE(texte.contains("charset=\"utf-8\"") || texte.contains("charset=utf-8")) << nom;
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(texte);
    return document;
}

std::vector<QString> liens(const QTextDocument& document) {
    std::vector<QString> cibles;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        for (auto morceau = bloc.begin(); !morceau.atEnd(); ++morceau) {
            const QTextCharFormat format = morceau.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                cibles.push_back(format.anchorHref());
            }
        }
    }
    return cibles;
}

// The captions of the menus, the panel and the main window, as the program shows them.
QString texte_affiche(const char* cle) {
    return QString::fromStdString(Traducteur().traduit(cle)).remove('&');
}

TEST(FichiersAide, BothLanguagesHoldTheSameTopicsInTheSameOrder) {
    const auto francais_ = lit_aide("Quorvel.hlp");
    const auto anglais_ = lit_aide("QuorvelE.hlp");
    const auto rubriques_fr = aide::rubriques(*francais_);
    const auto rubriques_en = aide::rubriques(*anglais_);
    ASSERT_GE(rubriques_fr.size(), 9u);
    ASSERT_EQ(rubriques_fr.size(), rubriques_en.size());
    for (std::size_t i = 0; i < rubriques_fr.size(); ++i) {
        EXPECT_EQ(rubriques_fr[i].ancre, rubriques_en[i].ancre) << i;
        EXPECT_FALSE(rubriques_fr[i].titre.isEmpty());
        EXPECT_NE(rubriques_fr[i].titre, rubriques_en[i].titre) << "untranslated topic " << i;
    }
    // Sub-topics too, and the contents list at the top of each file.
    EXPECT_EQ(aide::ancres(*francais_), aide::ancres(*anglais_));
    EXPECT_EQ(aide::ancres(*francais_).front(), aide::ancre_sommaire);
}

TEST(FichiersAide, EveryLinkLeadsToAnAnchorAndEveryTopicIsInTheContents) {
    for (const char* nom : {"Quorvel.hlp", "QuorvelE.hlp"}) {
        const auto document = lit_aide(nom);
        const auto noms = aide::ancres(*document);
        const std::set<QString> ancres(noms.begin(), noms.end());
        EXPECT_EQ(ancres.size(), noms.size()) << nom << ": an anchor is used twice";
        std::set<QString> visees;
        for (const QString& cible : liens(*document)) {
            ASSERT_TRUE(cible.startsWith('#')) << nom << ": " << cible.toStdString();
            EXPECT_TRUE(ancres.count(cible.mid(1))) << nom << ": " << cible.toStdString();
            visees.insert(cible.mid(1));
        }
        for (const aide::Rubrique& rubrique : aide::rubriques(*document)) {
            EXPECT_TRUE(visees.count(rubrique.ancre))
                << nom << ": " << rubrique.ancre.toStdString();
        }
    }
}

TEST(FichiersAide, NameTheMenusAndControlsAsTheProgramShowsThem) {
    const char* cles[] = {"&Fichier",
                          "&Outils",
                          "&Mesure",
                          "&Paramètres",
                          "&Langage",
                          "&Aide",
                          "&Rubriques d'aide",
                          "&A propos",
                          "Echap pour interrompre",
                          "Nb d'allèles",
                          "Nb générations",
                          "Effectif",
                          "Fécondité",
                          "Fréquences alléliques",
                          "Létalité",
                          "panmixie",
                          "Panneau de commande",
                          "Nb individus",
                          " par graduation",
                          "&Ouvrir un scénario…",
                          "Scénarios &récents",
                          "E&xemples de scénarios",
                          "&Enregistrer le scénario",
                          "Enregistrer le scénario &sous…",
                          "&Consignes du scénario…",
                          "Enregistrer l'ima&ge…",
                          "Co&pier le graphique",
                          "Expor&ter les données (CSV)…",
                          "&Imprimer…",
                          "&Pause",
                          "&Reprendre",
                          "&Génération suivante",
                          "P&oursuivre",
                          "Re&jouer",
                          "&Cadence",
                          "&Maximale",
                          "générations par seconde",
                          "Courbes &théoriques",
                          "&Hétérozygotie au lieu de l'effectif",
                          "H observée",
                          "H attendue",
                          "H dérive",
                          "Réplicats",
                          "Allèle suivi",
                          "Graine",
                          "nouvelle à chaque mesure",
                          "La graine est un entier de 0 à 18446744073709551615.",
                          "Résumé des réplicats",
                          "Fixé",
                          "Perdu",
                          "En ségrégation",
                          "Ségrégation",
                          "Éteintes",
                          "Fixation (génération moyenne)",
                          "Perte (génération moyenne)",
                          "Population éteinte à la génération",
                          "populations éteintes sur",
                          "La population est éteinte : rien à poursuivre.",
                          "Toutes les populations sont éteintes : rien à poursuivre.",
                          "Le nombre maximal de générations est atteint."};
    for (auto [langue, nom] : {std::pair{francais, "Quorvel.hlp"}, {anglais, "QuorvelE.hlp"}}) {
        LangueTemporaire choix(langue);
        const QString texte = lit_aide(nom)->toPlainText();
        for (const char* cle : cles) {
            const QString attendu = texte_affiche(cle).trimmed();
            EXPECT_TRUE(texte.contains(attendu)) << nom << " never names " << attendu.toStdString();
        }
    }
}

} // namespace
