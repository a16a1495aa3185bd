// Replicates on every core: a batch of 1000 replicates of 100 generations at
// the default parameters, summarised as it goes, with 1 and with 2 threads;
// then the peak memory of 10000 replicates summarised.
//
//   bench_lot [replicates]     (1000 by default)

#include "model/lot.h"
#include "model/resume.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

// Seconds for one batch, summarised in replicate order; its summary's mean
// final size, to show that the runs were the same.
double lot(std::uint64_t replicats, unsigned fils, double& taille_finale) {
    Tdemande_lot d;
    d.graine = 20261207;
    d.nombre = replicats;
    d.fils = fils;
    Tresume_lot resume;
    const auto debut = std::chrono::steady_clock::now();
    execute_lot(d, [&](Tregistre_mesure&& r) { resume.ajoute(r); });
    const auto fin = std::chrono::steady_clock::now();
    taille_finale = resume.generations.back().taille.moyenne;
    return std::chrono::duration<double>(fin - debut).count();
}

double meilleur_de(int essais, std::uint64_t replicats, unsigned fils, double& taille) {
    double meilleur = 1e9;
    for (int i = 0; i < essais; ++i) {
        meilleur = std::min(meilleur, lot(replicats, fils, taille));
    }
    return meilleur;
}

long pic_memoire_kio() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t replicats = argc > 1 ? std::stoull(argv[1]) : 1000;

    // Memory first, while the process is small: 10000 replicates, summarised.
    const long avant = pic_memoire_kio();
    double taille = 0.0;
    const double secondes_memoire = lot(10000, fils_disponibles(), taille);
    std::printf("10000 replicates x 100 generations, summary: %.2f s, peak resident memory "
                "%.1f MiB (%.1f MiB before)\n",
                secondes_memoire, pic_memoire_kio() / 1024.0, avant / 1024.0);

    double taille_1 = 0.0;
    double taille_2 = 0.0;
    const double un = meilleur_de(3, replicats, 1, taille_1);
    const double deux = meilleur_de(3, replicats, 2, taille_2);
    const double generations = static_cast<double>(replicats) * 100;
    std::printf("%llu replicates x 100 generations, defaults, summary (best of 3):\n"
                "  1 thread   %.3f s  %.0f replicate-generations/s\n"
                "  2 threads  %.3f s  %.0f replicate-generations/s per core\n"
                "  speed-up   %.2f  (same summary: %s)\n",
                static_cast<unsigned long long>(replicats), un, generations / un, deux,
                generations / deux / 2, un / deux, taille_1 == taille_2 ? "yes" : "NO");
    return taille_1 == taille_2 ? 0 : 1;
}
