#pragma once

#include "chart/car_axes.h"
#include "chart/serie.h"
#include "chart/surface.h"
#include "chart/vecteur.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A pixel of the drawing surface.
struct Tpixel {
    int x = 0;
    int y = 0;
};

// A colour for replicate r, readable on the silver background: far from the
// yellow of the axes and from the red, blue, green and grey of the alleles, and
// clearly different from the colours of replicates r - 1 and r + 1.
Tcouleur couleur_replicat(std::uint32_t r);

// A plot of up to four series of integer values by generation, drawn on a
// surface it does not own: silver background, two axes with ticks and labels,
// one legend box per series and one polyline per series, then any number of
// further curves without legend. The geometry is laid out on a 10000 × 10000
// page stretched over the surface at every drawing.
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
    // Drawn after the series' curves, in order, with no legend entry (one per
    // replicate, theory curves). `efface_valeurs` leaves them as they are.
    std::vector<Tcourbe> courbes;

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
    // `ajoute_point` for curve i of `courbes`.
    bool ajoute_point_courbe(std::size_t i, std::int32_t x, float valeur);

    // --- Drawing ---

    // The surface to draw on; the chart neither owns nor frees it.
    void attache_ecran(Tsurface& surface);
    // Full drawing (background, axes, legend, curves) or, with `mise_a_jour`,
    // legend and curves only, over what the surface already shows. Does
    // nothing while no surface is attached. When the surface still shows this
    // chart's last drawing and the series and curves only gained points at
    // their end (or curves were appended), an update draws only the new pieces
    // of curve (and the legend when its text changed), with the same pixels as
    // drawing every curve again. A full drawing draws nothing when the surface
    // still shows, untouched, a full drawing of exactly what the chart holds.
    void trace(bool mise_a_jour);

    // A point of a series as an offset inside the axis ranges (clamped).
    Tvecteur borne(std::int32_t x, float v) const;
    // Offsets inside the axis ranges to page units.
    Tvecteur vers_page(const Tvecteur& o) const;
    // Page units to pixels of the attached surface.
    Tpixel vers_pixels(const Tvecteur& p) const;

    // The x (generation) whose point is drawn in that pixel column of the
    // attached surface, the nearest one where no point falls in it; none
    // outside the plot's span of columns, without a surface or a valid axis.
    std::optional<std::int32_t> abscisse_sous(int x_pixel) const;
    // The same for a value and a pixel row.
    std::optional<std::int32_t> valeur_sous(int y_pixel) const;

private:
    // One polyline (a series' curve, then each of `courbes`) as the last
    // drawing left it on the surface.
    struct Ttrace_memorise {
        Tcouleur couleur = 0;
        bool pointillee = false;
        std::uint64_t lignee = 0;   // of the points then
        std::size_t nb_points = 0;  // then
        std::vector<Tpixel> pixels; // one per point, in order of x
        bool croissant = true;      // pixel x never goes back along it
        // Dashed: where in the pattern of dashes the piece that starts at
        // each point begins (pixels along the polyline before it, modulo the
        // pattern's length).
        std::vector<std::uint8_t> phases;
    };
    // What a legend entry showed.
    struct Tlegende_memorisee {
        std::string nom;
        std::optional<std::string> texte;
        bool operator==(const Tlegende_memorisee& autre) const {
            return nom == autre.nom && texte == autre.texte;
        }
    };
    // Everything else that the pixels of the legend and curves depend on:
    // surface size, page geometry, axis ranges.
    using Tcadre = std::array<std::int64_t, 20>;
    // What a full drawing adds: axis labels and colour.
    struct Tdecor {
        std::array<std::int64_t, 5> nombres{};
        std::array<std::string, 4> textes;
        bool operator==(const Tdecor& autre) const {
            return nombres == autre.nombres && textes == autre.textes;
        }
    };
    // What the chart last drew, on which surface, and the surface's state
    // right after (0: nothing known).
    struct Tmemoire_trace {
        const Tsurface* ecran = nullptr;
        std::uint64_t etat = 0;
        Tcadre cadre{};
        Tdecor decor;
        bool courbes_tracees = false; // the axes had a scale
        bool complet = false;         // the surface shows a full drawing
        std::vector<Tlegende_memorisee> legendes;
        std::vector<Ttrace_memorise> traces;
        // On a surface whose lines are exact: for each pixel, the last
        // polyline that painted it (-1: none), built for the first update that
        // needs it; and, during an update, what painted each pixel in it.
        std::vector<std::int32_t> proprietaires;
        bool proprietaires_prets = false;
        std::vector<std::int32_t> peint_par;
        std::vector<std::uint32_t> touches;
    };
    // A rectangle of pixels, both ends included.
    struct Tzone {
        std::int64_t gauche, haut, droite, bas;
    };
    // Where legend box j and its name go.
    struct Tplace_legende {
        Tpixel coin, oppose, nom;
    };
    // A polyline to draw: its points and look.
    struct Tligne {
        const Tvaleurs& valeurs;
        Tcouleur couleur;
        bool pointillee;
    };

    Tmemoire_trace memoire_;

    Tcadre cadre() const;
    Tdecor decor() const;
    std::size_t nb_lignes() const;
    Tligne ligne(std::size_t k) const;
    Tlegende_memorisee legende(std::size_t j) const;
    bool inchange() const;
    Tpixel pixel_du_point(std::int32_t x, std::int32_t v) const;
    void trace_tout(bool mise_a_jour);
    bool trace_ajouts();
    void redessine_par_zones(const std::vector<std::size_t>& anciens, bool legende_tracee);
    bool prepare_proprietaires(const std::vector<std::size_t>& anciens);
    void redessine_par_pixels(const std::vector<std::size_t>& anciens, bool legende_tracee);
    void prolonge(Ttrace_memorise& t, const Tvaleurs& valeurs);
    template <typename F>
    void traits_du_morceau(const Ttrace_memorise& t, std::size_t i, F&& trait) const;
    template <typename F>
    void pixels_du_morceau(const Ttrace_memorise& t, std::size_t i, F&& pixel) const;
    void trace_morceau(const Ttrace_memorise& t, std::size_t i);
    Tplace_legende place_legende(std::size_t j) const;
    Tzone zone_legendes();
    template <typename Fpixel>
    std::optional<std::int32_t> inverse(const Tcar_axes& axe, int pixel, Fpixel pixel_de) const;

    void fixe_police();
    void efface_fond();
    void trace_segment(const Tvecteur& a, const Tvecteur& b);
    void trace_axe(bool axe_x);
    void trace_legende(std::size_t j);
    void trace_ligne(std::size_t k);
};
