#pragma once

// A scratch folder per test, and a file size limit that makes writes fail as
// on a full disk.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

class Dossier : public ::testing::Test {
protected:
    void SetUp() override {
        dossier = fs::temp_directory_path() /
                  ("quorvel-donnees-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dossier);
    }
    void TearDown() override { fs::remove_all(dossier); }

    static std::string contenu(const fs::path& chemin) {
        std::ifstream f(chemin);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    std::size_t nb_fichiers() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dossier), fs::directory_iterator{}));
    }

    fs::path dossier;
};

// Writes beyond `octets` fail as on a full disk (EFBIG), for root too.
class Tlimite_taille {
public:
    explicit Tlimite_taille(rlim_t octets) {
        ::getrlimit(RLIMIT_FSIZE, &avant);
        signal_avant = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant;
        limite.rlim_cur = octets;
        ::setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~Tlimite_taille() {
        ::setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signal_avant);
    }

private:
    rlimit avant{};
    void (*signal_avant)(int);
};
