#pragma once

#include "chart/car_axes.h"
#include "chart/serie.h"
#include "chart/surface.h"
#include "chart/vecteur.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A pixel of the drawing surface.
struct Tpixel {
    int x = 0;
    int y = 0;
};

// A plot of up to four series of integer values by generation, drawn on a
// surface it does not own: silver background, two axes with ticks and labels,
// one legend box per series and one polyline per series. The geometry is laid
// out on a 10000 × 10000 page stretched over the surface at every drawing.
class Tgraphique {
public:
    Tsurface* ecran = nullptr;
    std::int32_t nb_series_max = 4;
    std::int32_t x_limite = 1000;
    Tcouleur couleur_axes = 0x00FFFF; // yellow
    Tseries series;
    Tpaire page{10000, 10000};
    Tpaire haut_axe_y{2000, 2000};
    Tpaire fin_axe_x{9600, 9000};
    Tpaire origine{2000, 9000};
    Tpaire ancre_titre_x{10000, 9300};
    Tpaire ancre_titre_y{1700, 1000};
    Tpaire ancre_legende{250, 2000};
    Tpaire taille_legende{1300, 900};
    Tcar_axes abscisse{"Abscisse", "unité", 100, 0, 10};
    Tcar_axes ordonnee{"Ordonnée", "unité", 100, 0, 10};

    Tgraphique() = default;

    // --- Series (none of these draws) ---

    // Appends a series with no points while the chart holds fewer than
    // `nb_series_max`; an empty name becomes the translation of "sans titre".
    bool ajoute_serie(std::string nom, Tcouleur couleur);
    // Renames and recolours series i, keeping its points.
    bool modifie_serie(const std::string& nom, Tcouleur couleur, std::size_t i);
    // Removes series i; the later series move down by one.
    bool supprime_serie(std::size_t i);
    // Removes every series; true when there was at least one.
    bool supprime_series();
    bool est_vide() const;
    std::size_t nb_series() const;
    // Stores `valeur`, truncated toward zero, at x in series i, replacing any
    // value there; only for x < `x_limite` and an existing series.
    bool ajoute_point(std::int32_t i, std::int32_t x, float valeur);
    // Empties the points of every series; the series stay.
    void efface_valeurs();

    // --- Drawing ---

    // The surface to draw on; the chart neither owns nor frees it.
    void attache_ecran(Tsurface& surface);
    // Full drawing (background, axes, legend, curves) or, with `mise_a_jour`,
    // legend and curves only, over what the surface already shows. Does
    // nothing while no surface is attached. When the surface still shows this
    // chart's last drawing and the series only gained points at their end, an
    // update draws only the new pieces of curve (and the legend when its text
    // changed), with the same pixels as drawing every curve again.
    void trace(bool mise_a_jour);

    // A point of a series as an offset inside the axis ranges (clamped).
    Tvecteur borne(std::int32_t x, float v) const;
    // Offsets inside the axis ranges to page units.
    Tvecteur vers_page(const Tvecteur& o) const;
    // Page units to pixels of the attached surface.
    Tpixel vers_pixels(const Tvecteur& p) const;

private:
    // One series as the last drawing left it on the surface.
    struct Tcourbe_tracee {
        std::string nom;
        Tcouleur couleur = 0;
        std::uint64_t lignee = 0;   // of the series' points then
        std::vector<Tpixel> pixels; // one per point, in order of x
    };
    // Everything else that the pixels of the legend and curves depend on:
    // surface size, page geometry, axis ranges.
    using Tcadre = std::array<std::int64_t, 20>;
    // What the chart last drew, on which surface, and the surface's state
    // right after (0: nothing known).
    struct Tmemoire_trace {
        const Tsurface* ecran = nullptr;
        std::uint64_t etat = 0;
        Tcadre cadre{};
        bool courbes_tracees = false; // and pixel x never went back along one
        std::vector<Tcourbe_tracee> courbes;
    };
    // A rectangle of pixels, both ends included.
    struct Tzone {
        std::int64_t gauche, haut, droite, bas;
    };
    // Where legend box j and its name go.
    struct Tplace_legende {
        Tpixel coin, oppose, nom;
    };

    Tmemoire_trace memoire_;

    Tcadre cadre() const;
    Tpixel pixel_du_point(std::int32_t x, std::int32_t v) const;
    void trace_tout(bool mise_a_jour);
    bool trace_ajouts();
    void trace_ajouts_courbe(std::size_t j, std::size_t anciens, std::vector<Tzone>& zones);
    Tplace_legende place_legende(std::size_t j) const;
    Tzone zone_legendes();

    void fixe_police();
    void efface_fond();
    void trace_segment(const Tvecteur& a, const Tvecteur& b);
    void trace_axe(bool axe_x);
    void trace_legende(std::size_t j);
    void trace_courbe(std::size_t j);
};
