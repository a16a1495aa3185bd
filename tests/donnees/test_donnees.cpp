#include "donnees/ecriture.h"
#include "donnees/fichier_atomique.h"
#include "model/lot.h"

#include "dossier.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

TEST_F(Dossier, AFileAppearsWholeOrNotAtAll) {
    const fs::path chemin = dossier / "runs.csv";
    {
        Tfichier_atomique f(chemin.string());
        f.flux() << "ancien\n";
        f.valide();
    }
    EXPECT_EQ(contenu(chemin), "ancien\n");

    // Given up: the earlier file stays, the temporary one goes.
    {
        Tfichier_atomique f(chemin.string());
        f.flux() << "nouveau";
    }
    EXPECT_EQ(contenu(chemin), "ancien\n");
    EXPECT_EQ(nb_fichiers(), 1u);

    // The disk fills up on the way: an error, and still the earlier file.
    {
        Tlimite_taille limite(4096);
        Tfichier_atomique f(chemin.string());
        f.flux() << std::string(100000, 'x');
        try {
            f.valide();
            ADD_FAILURE() << "a failed write was reported as a success";
        } catch (const Tfichier_atomique::Terreur& e) {
            EXPECT_EQ(e.code, EFBIG);
            EXPECT_NE(std::string(e.what()).find(chemin.string()), std::string::npos);
        }
    }
    EXPECT_EQ(contenu(chemin), "ancien\n");
    EXPECT_EQ(nb_fichiers(), 1u);

    // A folder that is gone.
    try {
        Tfichier_atomique f((dossier / "parti" / "runs.csv").string());
        ADD_FAILURE() << "no error for a missing folder";
    } catch (const Tfichier_atomique::Terreur& e) {
        EXPECT_EQ(e.code, ENOENT);
    }
}

std::vector<Tregistre_mesure> lot_de(unsigned nb_alleles, std::uint64_t nombre) {
    Tdemande_lot d;
    d.parametres.nb_alleles = nb_alleles;
    d.parametres.ajuste();
    d.parametres.nb_generations = 12;
    d.graine = 5;
    d.nombre = nombre;
    std::vector<Tregistre_mesure> registres;
    execute_lot(d, [&](Tregistre_mesure&& r) { registres.push_back(std::move(r)); });
    return registres;
}

std::vector<std::string> cellules(const std::string& ligne) {
    std::vector<std::string> c;
    std::stringstream s(ligne);
    std::string x;
    while (std::getline(s, x, ',')) {
        c.push_back(x);
    }
    return c;
}

TEST(Ecriture, CsvRowsMatchTheirHeaderAndTheRecord) {
    for (unsigned n : {2u, 3u, 4u}) {
        const std::vector<Tregistre_mesure> registres = lot_de(n, 2);
        std::stringstream s;
        ecrit_entete_csv(s, n);
        for (const Tregistre_mesure& r : registres) {
            ecrit_lignes_csv(s, r);
        }
        std::string ligne;
        std::getline(s, ligne);
        const std::vector<std::string> entete = cellules(ligne);
        EXPECT_EQ(entete.size(), 7 + 2 * n + n * (n + 1) / 2 + 3);
        int lignes = 0;
        while (std::getline(s, ligne)) {
            const std::vector<std::string> c = cellules(ligne);
            ASSERT_EQ(c.size(), entete.size()) << ligne;
            const Tetat_generation& e = registres[static_cast<std::size_t>(lignes / 12)]
                                            .generations[static_cast<std::size_t>(lignes % 12)];
            EXPECT_EQ(c[2], std::to_string(e.generation));
            EXPECT_EQ(c[3], std::to_string(e.taille));
            EXPECT_EQ(c[7], std::to_string(e.alleles[0]));
            EXPECT_EQ(c.back(), std::to_string(e.indice_panmixie));
            ++lignes;
        }
        EXPECT_EQ(lignes, 24);
    }
}

TEST(Ecriture, JsonIsOneValidDocument) {
    const std::vector<Tregistre_mesure> registres = lot_de(3, 3);
    std::stringstream s;
    Tecrivain_json json(s, registres[0].parametres, 5, 0, 3);
    Tresume_lot resume;
    for (const Tregistre_mesure& r : registres) {
        json.replicat(r);
        resume.ajoute(r);
    }
    json.resume(resume);
    json.termine();
    const nlohmann::json doc = nlohmann::json::parse(s.str());
    EXPECT_EQ(doc["seed"], 5);
    EXPECT_EQ(doc["parameters"]["alleles"], 3);
    EXPECT_EQ(doc["parameters"]["fecundity"], 2.1);
    ASSERT_EQ(doc["runs"].size(), 3u);
    EXPECT_EQ(doc["runs"][2]["generations"].size(), 12u);
    EXPECT_EQ(doc["runs"][1]["generations"][4]["size"], registres[1].generations[4].taille);
    EXPECT_EQ(doc["summary"]["generations"].size(), 12u);
    EXPECT_EQ(nlohmann::json::parse(chaine_json("a \"b\"\n\\ \x01")), "a \"b\"\n\\ \x01");
}

} // namespace
