// A chart update draws only what was added since the last drawing; these
// tests hold it to the pixels of redrawing every curve from its first point.
#include "chart/graphique.h"
#include "model/generation.h"
#include "model/hasard.h"
#include "model/parametres.h"
#include "model/population.h"
#include "ui/surface_image.h"

#include <QImage>
#include <QSize>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// How a surface helps a chart's updates.
enum class Aide {
    aucune,       // no state: each update redraws every curve (the reference)
    rectangles,   // a state, but lines said to stay within their rectangle only
    pixels_exacts // a state, and the pixels of each line known
};

// An image surface that counts its lines and its fills.
class Surface_comptee : public Tsurface_image {
public:
    Surface_comptee(QSize taille, Aide aide)
        : Tsurface_image(taille.width(), taille.height()), aide_(aide) {}
    std::uint64_t etat() const override {
        return aide_ == Aide::aucune ? 0 : Tsurface_image::etat();
    }
    bool traits_exacts() const override { return aide_ == Aide::pixels_exacts; }
    void LineTo(int x, int y) override {
        ++traits;
        Tsurface_image::LineTo(x, y);
    }
    void FloodFill(int x, int y, Tcouleur bord) override {
        ++remplissages;
        Tsurface_image::FloodFill(x, y, bord);
    }
    long traits = 0;
    long remplissages = 0;

private:
    Aide aide_;
};

// One chart drawn twice: on `ecran` by updates that draw what was added, on
// `ecran_reference` by updates that redraw every curve.
struct Paire {
    Surface_comptee ecran;
    Surface_comptee ecran_reference;
    Tgraphique g;
    Tgraphique reference;

    Paire(QSize taille, Aide aide) : ecran(taille, aide), ecran_reference(taille, Aide::aucune) {
        g.attache_ecran(ecran);
        reference.attache_ecran(ecran_reference);
    }
    void fais(const std::function<void(Tgraphique&, Surface_comptee&)>& f) {
        f(g, ecran);
        f(reference, ecran_reference);
    }
};

// A run of 4 alleles in a population of 60 to 120: the frequency curves cross
// all the time, some alleles are lost (0, on the axis), sizes go past the top
// of their axis and generations past the end of theirs. Over them run 40
// replicate curves that cross each other and the series, some fixed or lost,
// and four dashed curves. Between generations the charts meet what the window
// may do to them, and its refresh asks for full drawings.
TEST(MiseAJour, SamePixelsAsRedrawingEveryCurveAfterEachGeneration) {
    const Tparametres_mesure avant = parametres;
    parametres.nb_alleles = 4;
    parametres.effectif_min = 60;
    parametres.effectif_max = 120;
    parametres.fecondite = 2.3f;
    parametres.ajuste();
    // The window's size, a square one whose big legend names reach into the
    // plot, and a tiny one.
    // Both ways of updating, checked.
    struct Cas {
        QSize taille;
        Aide aide;
    };
    const Cas cas[] = {{QSize(515, 209), Aide::pixels_exacts},
                       {QSize(515, 209), Aide::rectangles},
                       {QSize(937, 937), Aide::pixels_exacts},
                       {QSize(937, 937), Aide::rectangles},
                       {QSize(90, 60), Aide::pixels_exacts}};
    for (const Cas& c : cas) {
        const QSize taille = c.taille;
        const Aide aide = c.aide;
        SCOPED_TRACE(aide == Aide::pixels_exacts ? "exact pixels" : "rectangles");
        hasard.seme(11);
        cree_population_initiale();
        Paire frequences(taille, aide);
        Paire effectif(taille, aide);
        const Tcouleur couleurs[] = {0x0000FF, 0xFF0000, 0x008000, 0x808080};
        for (unsigned l = 0; l < 4; ++l) {
            frequences.g.ajoute_serie("Allèle " + std::to_string(l + 1), couleurs[l]);
        }
        for (std::uint32_t r = 0; r < 40; ++r) {
            frequences.g.courbes.push_back({Tvaleurs{}, couleur_replicat(r), false});
        }
        for (const Tcouleur c : couleurs) {
            frequences.g.courbes.push_back({Tvaleurs{}, c, true});
        }
        std::vector<float> replicats(40, 25.0f);
        std::mt19937 derive(5);
        effectif.g.ajoute_serie("Effectif", 0x008000);
        effectif.g.ordonnee.max = 90;
        effectif.g.ordonnee.pas = 5;
        for (Paire* p : {&frequences, &effectif}) {
            p->g.abscisse.max = 250;
            p->reference = p->g;
            p->reference.attache_ecran(p->ecran_reference);
            p->fais([](Tgraphique& g, Surface_comptee&) { g.trace(false); });
        }
        for (int x = 0; x < 300; ++x) {
            generation_suivante();
            effectif.fais([x](Tgraphique& g, Surface_comptee&) {
                g.ajoute_point(0, x, static_cast<float>(population.taille()));
            });
            for (float& v : replicats) {
                v = std::clamp(v + static_cast<float>(static_cast<int>(derive() % 17) - 8), 0.0f,
                               100.0f);
            }
            frequences.fais([x, taille, &replicats](Tgraphique& g, Surface_comptee& ecran) {
                for (unsigned l = 0; l < g.nb_series(); ++l) {
                    g.ajoute_point(static_cast<std::int32_t>(l), x,
                                   population.frequence_allele(l) * 100.0f);
                }
                for (std::size_t r = 0; r < g.courbes.size(); ++r) {
                    const float v = r < 40   ? replicats[r]
                                    : r < 44 ? 50.0f + 45.0f * std::sin(x / 13.0f + r)
                                             : 100.0f - replicats[r - 44];
                    g.ajoute_point_courbe(r, x, v);
                }
                if (x >= 230 && x < 250) {
                    g.series[2].legende = std::to_string(x % 3); // "0" included
                }
                switch (x) {
                case 130: // curves appended, drawn from here on
                    for (std::uint32_t r = 40; r < 45; ++r) {
                        g.courbes.push_back({Tvaleurs{}, couleur_replicat(r), false});
                    }
                    break;
                case 170:
                    g.ajoute_point_courbe(7, 100, 99.0f);
                    break; // a value replaced
                case 190:
                    g.courbes[12].couleur = 0x000000;
                    break;
                case 210:
                    g.courbes[13].pointillee = true;
                    break;
                case 250:
                    g.series[2].legende.reset();
                    break;
                case 265:
                    g.courbes.erase(g.courbes.begin() + 1);
                    break;
                case 140:
                    g.modifie_serie("Allèle deux", 0xFF0000, 1);
                    break;
                case 143:
                    g.modifie_serie("A2", 0xFF0000, 1);
                    break; // a shorter name leaves pixels of the longer one
                case 150:
                    g.modifie_serie("Allèle 1", 0x00FFFF, 0);
                    break; // recoloured
                case 160:
                    g.ajoute_point(0, 72, 3.0f);
                    break; // a value replaced
                case 180:
                    ecran.redimensionne(taille.width() + 7, taille.height() + 5);
                    break;
                case 200:
                    g.supprime_serie(3);
                    break;
                case 220:
                    g.ajoute_point(1, -2, 50.0f);
                    break; // before the first point
                case 240:
                    g.ajoute_serie("Allèle 4", 0x808080);
                    break;
                default:
                    break;
                }
            });
            for (Paire* p : {&effectif, &frequences}) {
                p->fais([x](Tgraphique& g, Surface_comptee&) {
                    if (x == 60) {
                        g.trace(false); // the window's refresh
                    } else if (x == 100) {
                        g.abscisse.max = 300; // a longer x axis, no refresh
                    } else if (x == 120) {
                        g.abscisse.max = 250; // and back, with a refresh
                        g.trace(false);
                    }
                });
            }
            for (Paire* p : {&effectif, &frequences}) {
                p->fais([](Tgraphique& g, Surface_comptee&) { g.trace(true); });
                ASSERT_TRUE(p->ecran.image() == p->ecran_reference.image())
                    << taille.width() << " x " << taille.height() << ", generation " << x;
                if (x % 7 == 3) {
                    // The window's refresh: nothing new to show most times.
                    p->fais([](Tgraphique& g, Surface_comptee&) { g.trace(false); });
                    ASSERT_TRUE(p->ecran.image() == p->ecran_reference.image())
                        << taille.width() << " x " << taille.height() << ", refresh " << x;
                }
            }
        }
        // Most of those full drawings had nothing new to show.
        EXPECT_LT(frequences.ecran.remplissages * 3, frequences.ecran_reference.remplissages);
        // Most updates drew only what was added: far fewer lines.
        EXPECT_LT(frequences.ecran.traits * 5, frequences.ecran_reference.traits);
        EXPECT_LT(effectif.ecran.traits * 5, effectif.ecran_reference.traits);
    }
    parametres = avant;
}

} // namespace
