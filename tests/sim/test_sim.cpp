// The command-line program, run as a user runs it.
#include "donnees/exportation.h"
#include "model/lot.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Tresultat {
    int code = -1;
    std::string sortie;
    std::string erreurs;
};

std::string lit_tout(int fd) {
    std::string texte;
    char tampon[65536];
    ssize_t n = 0;
    while ((n = ::read(fd, tampon, sizeof tampon)) > 0) {
        texte.append(tampon, static_cast<std::size_t>(n));
    }
    return texte;
}

// Runs quorvel-sim with these arguments; with `limite`, its files cannot grow
// beyond that many bytes (as on a full disk).
Tresultat lance(const std::vector<std::string>& arguments, rlim_t limite = RLIM_INFINITY) {
    const fs::path temp = fs::temp_directory_path();
    const std::string erreurs = (temp / ("quorvel-sim-err-" + std::to_string(::getpid()))).string();
    int tube[2];
    if (::pipe(tube) != 0) {
        return {};
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(tube[1], 1);
        FILE* e = std::fopen(erreurs.c_str(), "w");
        ::dup2(::fileno(e), 2);
        ::close(tube[0]);
        if (limite != RLIM_INFINITY) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit l{limite, limite};
            ::setrlimit(RLIMIT_FSIZE, &l);
        }
        std::vector<char*> argv{const_cast<char*>(QUORVEL_SIM)};
        for (const std::string& a : arguments) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(QUORVEL_SIM, argv.data());
        ::_exit(127);
    }
    ::close(tube[1]);
    Tresultat r;
    r.sortie = lit_tout(tube[0]);
    ::close(tube[0]);
    int statut = 0;
    ::waitpid(pid, &statut, 0);
    r.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    std::ifstream f(erreurs);
    std::stringstream s;
    s << f.rdbuf();
    r.erreurs = s.str();
    fs::remove(erreurs);
    return r;
}

class Sim : public ::testing::Test {
protected:
    void SetUp() override {
        dossier = fs::temp_directory_path() /
                  ("quorvel-sim-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dossier);
    }
    void TearDown() override { fs::remove_all(dossier); }
    fs::path dossier;
};

TEST_F(Sim, BadInputIsOneLineAnExitCodeOf2AndNoFile) {
    const std::string fichier = (dossier / "sortie.csv").string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{"--bogus"}, "--bogus"},
        {{"--generations", "5"}, "--generations: '5' is not a whole number from 10 to 1000"},
        {{"--generations", "abc"}, "from 10 to 1000"},
        {{"--alleles", "5"}, "--alleles: '5' is not a whole number from 2 to 4"},
        {{"--alleles", "3", "--frequencies", "50,50"}, "--frequencies"},
        {{"--frequencies", "30,60"}, "adds up to"},
        {{"--lethalities", "0,120"}, "--lethalities"},
        {{"--min-size", "1"}, "--min-size: '1' is not a whole number from 2 to 1000"},
        {{"--max-size", "20000"}, "--max-size: '20000' is not a whole number from 10 to 10000"},
        {{"--max-size", "100"}, "below --min-size"},
        {{"--fecundity", "2.6"}, "--fecundity: '2.6' is not a number from 2.00 to 2.50"},
        {{"--fecundity", "2,1"}, "--fecundity"},
        {{"--replicates", "0"}, "--replicates"},
        {{"--seed", "18446744073709551616"}, "--seed"},
        {{"--threads", "-1"}, "--threads"},
        {{"--format", "xml"}, "--format: 'xml' is neither csv nor json"},
        {{"--generations"}, "--generations"},
    };
    for (const auto& [arguments, message] : cas) {
        std::vector<std::string> a = {"--output", fichier};
        a.insert(a.end(), arguments.begin(), arguments.end());
        const Tresultat r = lance(a);
        EXPECT_EQ(r.code, 2) << arguments[0];
        EXPECT_NE(r.erreurs.find(message), std::string::npos) << r.erreurs;
        EXPECT_EQ(std::count(r.erreurs.begin(), r.erreurs.end(), '\n'), 1) << r.erreurs;
        EXPECT_TRUE(r.sortie.empty());
        EXPECT_FALSE(fs::exists(fichier)) << arguments[0];
    }
}

TEST_F(Sim, TheSameSeedGivesTheSameRowsHoweverTheBatchIsShared) {
    const std::vector<std::string> base = {"--seed", "42", "--generations", "30", "--alleles", "3"};
    const auto avec = [&](std::vector<std::string> en_plus) {
        std::vector<std::string> a = base;
        a.insert(a.end(), en_plus.begin(), en_plus.end());
        return lance(a);
    };
    const Tresultat un = avec({"--replicates", "6", "--threads", "1"});
    ASSERT_EQ(un.code, 0) << un.erreurs;
    EXPECT_TRUE(un.erreurs.empty()) << "nothing on stderr when it is no terminal";
    EXPECT_EQ(std::count(un.sortie.begin(), un.sortie.end(), '\n'), 1 + 6 * 30);
    EXPECT_EQ(avec({"--replicates", "6", "--threads", "3"}).sortie, un.sortie);
    // Two processes, replicates 0-3 and 4-5, merged: header once, then rows.
    const std::string debut = avec({"--replicates", "4"}).sortie;
    const std::string fin = avec({"--replicates", "2", "--first-replicate", "4"}).sortie;
    EXPECT_EQ(debut + fin.substr(fin.find('\n') + 1), un.sortie);
    EXPECT_NE(avec({"--replicates", "6", "--seed", "43"}).sortie, un.sortie);
}

TEST_F(Sim, JsonAndSummary) {
    const Tresultat r =
        lance({"--seed", "3", "--replicates", "20", "--min-size", "20", "--max-size", "20",
               "--fecundity", "2.5", "--generations", "200", "--format", "json", "--summary"});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const nlohmann::json doc = nlohmann::json::parse(r.sortie);
    EXPECT_EQ(doc["seed"], 3);
    EXPECT_EQ(doc["parameters"]["max_size"], 20);
    EXPECT_FALSE(doc.contains("runs"));
    const nlohmann::json& resume = doc["summary"];
    for (const nlohmann::json& a : resume["alleles"]) {
        EXPECT_EQ(a["fixed"].get<int>() + a["lost"].get<int>() + a["segregating"].get<int>() +
                      resume["extinct"].get<int>(),
                  20);
    }
    EXPECT_EQ(resume["generations"].size(), 200u);
}

TEST_F(Sim, AFailedWriteIsAnErrorAndKeepsTheEarlierFile) {
    const fs::path fichier = dossier / "runs.csv";
    const Tresultat absent = lance({"--output", (dossier / "parti" / "runs.csv").string()});
    EXPECT_EQ(absent.code, 1);
    EXPECT_NE(absent.erreurs.find("No such file or directory"), std::string::npos);

    ASSERT_EQ(lance({"--seed", "1", "--output", fichier.string()}).code, 0);
    std::ifstream f(fichier);
    std::stringstream avant;
    avant << f.rdbuf();
    const Tresultat plein =
        lance({"--replicates", "50", "--output", fichier.string()}, /*limite=*/2000);
    EXPECT_EQ(plein.code, 1);
    EXPECT_NE(plein.erreurs.find("File too large"), std::string::npos) << plein.erreurs;
    std::ifstream g(fichier);
    std::stringstream apres;
    apres << g.rdbuf();
    EXPECT_EQ(apres.str(), avant.str());
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator{}), 1);
}

std::string lit(const fs::path& chemin) {
    std::ifstream f(chemin);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

const char* const scenario_trois_alleles = R"(format = "quorvel-scenario"
version = 1
title = "Trois allèles"
alleles = 3
frequencies = [20, 30, 50]
lethalities = [0, 100]
min_size = 40
max_size = 60
fecundity = 2.4
generations = 20
seed = 9
replicates = 3
)";

TEST_F(Sim, AScenarioFileSetsTheRunAndTheOtherOptionsOverrideIt) {
    const fs::path fichier = dossier / "tp.quorvel";
    std::ofstream(fichier) << scenario_trois_alleles;
    const std::vector<std::string> memes = {
        "--alleles",     "3",  "--frequencies", "20,30,50", "--lethalities", "0,100",
        "--min-size",    "40", "--max-size",    "60",       "--fecundity",   "2.4",
        "--generations", "20", "--seed",        "9",        "--replicates",  "3"};
    const Tresultat par_options = lance(memes);
    ASSERT_EQ(par_options.code, 0) << par_options.erreurs;
    EXPECT_EQ(lance({"--scenario", fichier.string()}).sortie, par_options.sortie);

    std::vector<std::string> autres = memes;
    autres[13] = "30"; // --generations
    autres[15] = "10"; // --seed
    const std::string attendu = lance(autres).sortie;
    EXPECT_EQ(lance({"--scenario", fichier.string(), "--generations", "30", "--seed", "10"}).sortie,
              attendu);
    EXPECT_EQ(lance({"--generations", "30", "--seed", "10", "--scenario", fichier.string()}).sortie,
              attendu);
}

TEST_F(Sim, ABadScenarioIsOneLineNamingTheLineAndTheField) {
    const fs::path fichier = dossier / "tp.quorvel";
    const std::string texte = scenario_trois_alleles;
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"max_size = 60", "line 8, field 'max_size': 20000 is not from 10 to 10000"},
        {"replicates = 3", "line 12, field 'replicates': a whole number expected"},
        {"version = 1", "line 2, field 'version': version 2, written by a newer version"},
        {"fecundity = 2.4", "line 9, column 16: TOML syntax error"},
        {"lethalities = [0, 100]", "line 6, field 'lethalities': at most 3 values"},
    };
    const std::vector<std::string> remplacements = {"max_size = 20000", "replicates = 3.5",
                                                    "version = 2", "fecundity = 2.4.1",
                                                    "lethalities = [0, 100, 0, 0]"};
    for (std::size_t i = 0; i < cas.size(); ++i) {
        std::string t = texte;
        t.replace(t.find(cas[i].first), cas[i].first.size(), remplacements[i]);
        std::ofstream(fichier) << t;
        const fs::path sortie = dossier / "runs.csv";
        const Tresultat r = lance({"--scenario", fichier.string(), "--output", sortie.string()});
        EXPECT_EQ(r.code, 2) << remplacements[i];
        EXPECT_NE(
            r.erreurs.find("quorvel-sim: --scenario: " + fichier.string() + ": " + cas[i].second),
            std::string::npos)
            << r.erreurs;
        EXPECT_EQ(std::count(r.erreurs.begin(), r.erreurs.end(), '\n'), 1) << r.erreurs;
        EXPECT_FALSE(fs::exists(sortie));
    }
    EXPECT_EQ(lance({"--scenario", (dossier / "absent.quorvel").string()}).code, 2);
}

// The window's export and the command line write the same bytes for the same
// seed and parameters, so that one analysis script reads both.
TEST_F(Sim, TheWindowsExportEqualsTheCommandLinesCsv) {
    const fs::path sim = dossier / "sim.csv";
    const fs::path fenetre = dossier / "fenetre.csv";
    ASSERT_EQ(lance({"--seed", "77", "--replicates", "4", "--alleles", "4", "--generations", "25",
                     "--output", sim.string()})
                  .code,
              0);
    Tdemande_lot d;
    d.parametres.nb_alleles = 4;
    d.parametres.ajuste();
    d.parametres.nb_generations = 25;
    d.graine = 77;
    d.nombre = 4;
    std::vector<Tregistre_mesure> registres;
    execute_lot(d, [&](Tregistre_mesure&& r) { registres.push_back(std::move(r)); });
    std::vector<const Tregistre_mesure*> affiches;
    for (const Tregistre_mesure& r : registres) {
        affiches.push_back(&r);
    }
    exporte_csv(fenetre.string(), affiches);
    EXPECT_EQ(lit(fenetre), lit(sim));
}

} // namespace
