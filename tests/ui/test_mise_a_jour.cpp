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

#include <functional>
#include <string>

namespace {

// An image surface that counts its lines. Without a state it cannot tell
// whether it changed since a chart drew on it, so each update of that chart
// redraws every curve from its first point: the reference drawing.
class Surface_comptee : public Tsurface_image {
public:
    Surface_comptee(QSize taille, bool avec_etat)
        : Tsurface_image(taille.width(), taille.height()), avec_etat_(avec_etat) {}
    std::uint64_t etat() const override { return avec_etat_ ? Tsurface_image::etat() : 0; }
    void LineTo(int x, int y) override {
        ++traits;
        Tsurface_image::LineTo(x, y);
    }
    long traits = 0;

private:
    bool avec_etat_;
};

// One chart drawn twice: on `ecran` by updates that draw what was added, on
// `ecran_reference` by updates that redraw every curve.
struct Paire {
    Surface_comptee ecran;
    Surface_comptee ecran_reference;
    Tgraphique g;
    Tgraphique reference;

    explicit Paire(QSize taille) : ecran(taille, true), ecran_reference(taille, false) {
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
// of their axis and generations past the end of theirs. Between generations
// the charts meet what the window may do to them.
TEST(MiseAJour, SamePixelsAsRedrawingEveryCurveAfterEachGeneration) {
    const Tparametres_mesure avant = parametres;
    parametres.nb_alleles = 4;
    parametres.effectif_min = 60;
    parametres.effectif_max = 120;
    parametres.fecondite = 2.3f;
    parametres.ajuste();
    // The window's size, a square one whose big legend names reach into the
    // plot, and a tiny one.
    for (const QSize taille : {QSize(515, 209), QSize(937, 937), QSize(90, 60)}) {
        hasard.seme(11);
        cree_population_initiale();
        Paire frequences(taille);
        Paire effectif(taille);
        const Tcouleur couleurs[] = {0x0000FF, 0xFF0000, 0x008000, 0x808080};
        for (unsigned l = 0; l < 4; ++l) {
            frequences.g.ajoute_serie("Allèle " + std::to_string(l + 1), couleurs[l]);
        }
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
            frequences.fais([x, taille](Tgraphique& g, Surface_comptee& ecran) {
                for (unsigned l = 0; l < g.nb_series(); ++l) {
                    g.ajoute_point(static_cast<std::int32_t>(l), x,
                                   population.frequence_allele(l) * 100.0f);
                }
                switch (x) {
                case 140:
                    g.modifie_serie("Allèle deux", 0xFF0000, 1);
                    break;
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
            }
        }
        // Most updates drew only what was added: far fewer lines.
        EXPECT_LT(frequences.ecran.traits * 5, frequences.ecran_reference.traits);
        EXPECT_LT(effectif.ecran.traits * 5, effectif.ecran_reference.traits);
    }
    parametres = avant;
}

} // namespace
