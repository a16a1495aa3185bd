#include "sim/progression.h"

#include <cstdio>
#include <string>
#include <unistd.h>

Tprogression::Tprogression(std::uint64_t total) : total(total), terminal(::isatty(2) == 1) {}

void Tprogression::avance() {
    ++faits;
    if (!terminal) {
        return;
    }
    const auto maintenant = Thorloge::now();
    if (maintenant - debut < std::chrono::seconds(1) ||
        maintenant - derniere < std::chrono::milliseconds(100)) {
        return;
    }
    derniere = maintenant;
    constexpr int largeur = 40;
    const double part = total > 0 ? static_cast<double>(faits) / static_cast<double>(total) : 1.0;
    const int pleins = static_cast<int>(part * largeur);
    std::string barre(static_cast<std::size_t>(pleins), '#');
    barre.resize(largeur, ' ');
    std::fprintf(stderr, "\r[%s] %3d%% %llu/%llu replicates", barre.c_str(),
                 static_cast<int>(part * 100.0), static_cast<unsigned long long>(faits),
                 static_cast<unsigned long long>(total));
    std::fflush(stderr);
    affichee = true;
}

void Tprogression::termine() {
    if (affichee) {
        std::fprintf(stderr, "\r%*s\r", 80, "");
        std::fflush(stderr);
        affichee = false;
    }
}
