// Drawing replicate curves live: many populations drifting apart, one point
// per curve and per generation, each generation drawn by an update of the
// chart on the window's kind of surface (an image), as the window's
// replicate runs draw them. Prints the drawing time of whole runs, the lines
// drawn, and what a full drawing and the window's refresh cost at the end.
//
//   bench_courbes
#include "chart/graphique.h"
#include "ui/surface_image.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// How the surface helps the chart's updates.
enum class Aide {
    aucune,        // no state: each update redraws every curve
    rectangles,    // lines only said to stay within their rectangle
    pixels_exacts, // the image surface as it is
};

// An image surface that counts its lines.
class Surface_comptee : public Tsurface_image {
public:
    Surface_comptee(int largeur, int hauteur, Aide aide)
        : Tsurface_image(largeur, hauteur), aide_(aide) {}
    std::uint64_t etat() const override {
        return aide_ == Aide::aucune ? 0 : Tsurface_image::etat();
    }
    bool traits_exacts() const override { return aide_ == Aide::pixels_exacts; }
    void LineTo(int x, int y) override {
        ++traits;
        Tsurface_image::LineTo(x, y);
    }
    long long traits = 0;

private:
    Aide aide_;
};

struct Cas {
    const char* nom;
    int replicats;
    int generations;
    int individus;
    int largeur, hauteur;
    Aide aide;
};

// Frequencies in percent of allele 1 (30 % at first) under binomial drift,
// by generation then replicate.
std::vector<std::vector<float>> derive(const Cas& c) {
    std::mt19937_64 hasard(2026);
    const int copies = 2 * c.individus;
    std::vector<int> nombres(static_cast<std::size_t>(c.replicats), copies * 3 / 10);
    std::vector<std::vector<float>> frequences;
    for (int t = 0; t < c.generations; ++t) {
        std::vector<float> ligne;
        for (int& n : nombres) {
            if (t > 0) {
                std::binomial_distribution<int> tirage(copies, static_cast<double>(n) / copies);
                n = tirage(hasard);
            }
            ligne.push_back(100.0f * static_cast<float>(n) / static_cast<float>(copies));
        }
        frequences.push_back(std::move(ligne));
    }
    return frequences;
}

double secondes_depuis(std::chrono::steady_clock::time_point debut) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

void mesure(const Cas& c) {
    const std::vector<std::vector<float>> frequences = derive(c);
    Surface_comptee ecran(c.largeur, c.hauteur, c.aide);
    Tgraphique g;
    g.attache_ecran(ecran);
    g.abscisse.max = c.generations;
    g.abscisse.pas = std::max(1, c.generations / 10);
    for (const char* nom : {"Fixé", "Perdu", "En cours"}) {
        g.ajoute_serie(nom, 0);
    }
    for (int r = 0; r < c.replicats; ++r) {
        g.courbes.push_back({Tvaleurs{}, couleur_replicat(static_cast<std::uint32_t>(r)), false});
    }
    g.courbes.push_back({Tvaleurs{}, 0x0000FF, true}); // the expected frequency, dashed
    const std::size_t theorie = g.courbes.size() - 1;

    const auto debut = std::chrono::steady_clock::now();
    g.trace(false);
    for (int t = 0; t < c.generations; ++t) {
        int fixes = 0;
        int perdus = 0;
        for (int r = 0; r < c.replicats; ++r) {
            const float f = frequences[static_cast<std::size_t>(t)][static_cast<std::size_t>(r)];
            g.ajoute_point_courbe(static_cast<std::size_t>(r), t, f);
            fixes += f >= 100.0f;
            perdus += f <= 0.0f;
        }
        g.ajoute_point_courbe(theorie, t, 30.0f);
        g.series[0].legende = std::to_string(fixes);
        g.series[1].legende = std::to_string(perdus);
        g.series[2].legende = std::to_string(c.replicats - fixes - perdus);
        g.trace(true);
        g.trace(false); // the window's refresh, when it repaints
    }
    const double run = secondes_depuis(debut);
    const long long traits_run = ecran.traits;

    // At the end: the refresh with nothing new, then a full drawing.
    auto t0 = std::chrono::steady_clock::now();
    g.trace(false);
    const double rafraichi = secondes_depuis(t0);
    ecran.redimensionne(c.largeur + 1, c.hauteur);
    t0 = std::chrono::steady_clock::now();
    g.trace(false);
    const double complet = secondes_depuis(t0);
    t0 = std::chrono::steady_clock::now();
    g.ajoute_point_courbe(0, c.generations, 50.0f);
    g.trace(true);
    const double premiere = secondes_depuis(t0);

    std::printf("%-44s %9.3f %12lld %11.1f %11.1f %10.4f %10.4f\n", c.nom, run, traits_run,
                static_cast<double>(traits_run) / c.generations, rafraichi * 1e6, complet,
                premiere);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const Aide exact = Aide::pixels_exacts;
    const Cas cas[] = {
        {"100 x 200 gen., N 1000, 515x209", 100, 200, 1000, 515, 209, exact},
        {"  the same, updates redrawing every curve", 100, 200, 1000, 515, 209, Aide::aucune},
        {"  the same, older pieces redrawn whole", 100, 200, 1000, 515, 209, Aide::rectangles},
        {"100 x 200 gen., N 1000, 1200x500", 100, 200, 1000, 1200, 500, exact},
        {"100 x 1000 gen., N 1000, 515x209", 100, 1000, 1000, 515, 209, exact},
        {"1000 x 1000 gen., N 1000, 515x209", 1000, 1000, 1000, 515, 209, exact},
        {"1000 x 1000 gen., N 20, 515x209", 1000, 1000, 20, 515, 209, exact},
        {"1000 x 10 gen., N 5, 515x209", 1000, 10, 5, 515, 209, exact},
    };
    std::printf("%-44s %9s %12s %11s %11s %10s %10s\n", "case (run: updates + refreshes)", "run s",
                "lines", "lines/gen.", "refresh us", "full s", "1st upd. s");
    for (const Cas& c : cas) {
        mesure(c);
    }
    return 0;
}
