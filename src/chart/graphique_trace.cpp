// The drawing side of the chart: page geometry, background, axes, legend and
// curves.
#include "chart/graphique.h"

#include "chart/nombre.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr Tcouleur argent = 0xC0C0C0;
constexpr Tcouleur magenta = 0xFF00FF;
constexpr Tcouleur vert = 0x008000;

// Truncation toward zero of a pixel coordinate; out-of-range values stay at
// the ends of the integer range, and a NaN gives 0.
int tronque_pixel(float v) {
    constexpr float plafond = 2147483648.0f;
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= plafond) {
        return std::numeric_limits<int>::max();
    }
    if (v < -plafond) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(v);
}

// Length of an axis range, wide enough never to overflow.
std::int64_t etendue(const Tcar_axes& axe) {
    return static_cast<std::int64_t>(axe.max) - static_cast<std::int64_t>(axe.min);
}

} // namespace

// --- Conversions ---

Tvecteur Tgraphique::borne(std::int32_t x, float v) const {
    std::int64_t ox = std::min<std::int64_t>(x, abscisse.max) - abscisse.min;
    if (ox <= 0) {
        ox = 0;
    }
    float oy = std::min(v, static_cast<float>(ordonnee.max)) - static_cast<float>(ordonnee.min);
    if (!(oy > 0.0f)) {
        oy = 0.0f;
    }
    return {static_cast<float>(ox), oy};
}

Tvecteur Tgraphique::vers_page(const Tvecteur& o) const {
    const Tvecteur o_page = Tvecteur(origine);
    const std::int64_t ex = etendue(abscisse);
    const std::int64_t ey = etendue(ordonnee);
    // An empty range has no scale: everything then lies on the origin.
    const float sx = ex > 0 ? (Tvecteur(fin_axe_x) - o_page).x / static_cast<float>(ex) : 0.0f;
    const float sy = ey > 0 ? (Tvecteur(haut_axe_y) - o_page).y / static_cast<float>(ey) : 0.0f;
    return o_page + Tvecteur(o.x * sx, o.y * sy);
}

Tpixel Tgraphique::vers_pixels(const Tvecteur& p) const {
    const long double largeur = ecran != nullptr ? ecran->Width() : 0;
    const long double hauteur = ecran != nullptr ? ecran->Height() : 0;
    // Quotient and product in extended precision, rounded once to a float.
    const float px = static_cast<float>(static_cast<long double>(p.x) / page.x * largeur);
    const float py = static_cast<float>(static_cast<long double>(p.y) / page.y * hauteur);
    return {tronque_pixel(px), tronque_pixel(py)};
}

Tpixel Tgraphique::pixel_du_point(std::int32_t x, std::int32_t v) const {
    return vers_pixels(vers_page(borne(x, static_cast<float>(v))));
}

Tgraphique::Tcadre Tgraphique::cadre() const {
    return {ecran->Width(),  ecran->Height(), page.x,           page.y,           haut_axe_y.x,
            haut_axe_y.y,    fin_axe_x.x,     fin_axe_x.y,      origine.x,        origine.y,
            ancre_legende.x, ancre_legende.y, taille_legende.x, taille_legende.y, abscisse.min,
            abscisse.max,    abscisse.pas,    ordonnee.min,     ordonnee.max,     ordonnee.pas};
}

// --- Drawing ---

void Tgraphique::trace(bool mise_a_jour) {
    if (ecran == nullptr) {
        return;
    }
    // Only what was added needs drawing while the surface shows, untouched,
    // what this chart drew last.
    const bool suite = mise_a_jour && memoire_.ecran == ecran && memoire_.etat != 0 &&
                       ecran->etat() == memoire_.etat;
    fixe_police();
    if (!suite || !trace_ajouts()) {
        trace_tout(mise_a_jour);
    }
    memoire_.ecran = ecran;
    memoire_.etat = ecran->etat();
}

void Tgraphique::trace_tout(bool mise_a_jour) {
    const std::size_t n = nb_series();
    if (!mise_a_jour) {
        efface_fond();
        trace_axe(true);
        trace_axe(false);
    }
    for (std::size_t j = 0; j < n; ++j) {
        trace_legende(j);
    }
    memoire_.cadre = cadre();
    memoire_.courbes.resize(n);
    for (std::size_t j = 0; j < n; ++j) {
        Tcourbe_tracee& courbe = memoire_.courbes[j];
        courbe.nom = series[j].nom;
        courbe.couleur = series[j].couleur;
        courbe.lignee = series[j].valeurs.lignee();
        courbe.pixels.clear();
    }
    // Curves need a scale on both axes.
    memoire_.courbes_tracees = abscisse.valide() && ordonnee.valide();
    if (!memoire_.courbes_tracees) {
        return;
    }
    for (std::size_t j = 0; j < n; ++j) {
        trace_courbe(j);
    }
}

void Tgraphique::fixe_police() {
    const float m = static_cast<float>(std::min(ecran->Height(), ecran->Width()));
    const float s = static_cast<float>(m * (1.0L / 150.0L) * 8);
    // Past 50 points the text keeps the small size.
    const int taille = s < 50.0f ? static_cast<int>(s) : 8;
    ecran->SetFont("Arial", taille);
}

void Tgraphique::efface_fond() {
    ecran->SetBrushColor(argent);
    ecran->FloodFill(5, 5, magenta);
    ecran->FloodFill(200, 300, vert);
}

void Tgraphique::trace_segment(const Tvecteur& a, const Tvecteur& b) {
    ecran->SetPenColor(couleur_axes);
    const Tpixel pa = vers_pixels(a);
    const Tpixel pb = vers_pixels(b);
    ecran->MoveTo(pa.x, pa.y);
    ecran->LineTo(pb.x, pb.y);
}

void Tgraphique::trace_axe(bool axe_x) {
    const Tcar_axes& axe = axe_x ? abscisse : ordonnee;
    if (!axe.valide()) {
        return;
    }
    Tpixel ancre = vers_pixels(Tvecteur(axe_x ? ancre_titre_x : ancre_titre_y));
    const std::string titre = axe.titre + "(" + axe.unite + ")";
    if (axe_x) {
        ancre.x -= ecran->TextWidth(titre); // the label ends at the anchor
    }
    ecran->TextOut(ancre.x, ancre.y, titre);

    const std::int32_t n = axe.nb_graduations();
    Tvecteur s = Tvecteur(axe_x ? origine : haut_axe_y);
    const Tvecteur e = Tvecteur(axe_x ? fin_axe_x : origine);
    const Tvecteur d = (e - s) / static_cast<float>(n);
    const Tvecteur t = ((e - s) * Tvecteur(0.0f, 1.0f)) / 20.0f;
    trace_segment(s, e);
    for (std::int32_t k = 0; k <= n; ++k) {
        trace_segment(s, s + t);
        s += d;
    }
}

Tgraphique::Tplace_legende Tgraphique::place_legende(std::size_t j) const {
    const Tvecteur h(0.0f, static_cast<float>(taille_legende.y));
    const Tvecteur p = Tvecteur(ancre_legende) + h * static_cast<float>(2 * j);
    const Tvecteur q = p + Tvecteur(taille_legende);
    return {vers_pixels(p), vers_pixels(q), vers_pixels(p + h * 1.05f)};
}

void Tgraphique::trace_legende(std::size_t j) {
    const Tserie& serie = series[j];
    ecran->SetPenColor(serie.couleur);
    const Tplace_legende place = place_legende(j);
    ecran->Rectangle(place.coin.x, place.coin.y, place.oppose.x, place.oppose.y);
    ecran->TextOut(place.nom.x, place.nom.y, serie.nom);

    if (serie.valeurs.empty()) {
        return;
    }
    // Inside the border, so that the border is not painted over.
    const int gauche = place.coin.x + 1;
    const int haut = place.coin.y + 1;
    const int droite = place.oppose.x - 1;
    const int bas = place.oppose.y - 1;
    const std::string texte = format_diese(serie.valeurs.rbegin()->second);
    ecran->TextRect(gauche, haut, droite, bas, droite - ecran->TextWidth(texte),
                    bas - ecran->TextHeight(texte), texte);
}

void Tgraphique::trace_courbe(std::size_t j) {
    const Tserie& serie = series[j];
    if (serie.valeurs.empty()) {
        return;
    }
    Tcourbe_tracee& courbe = memoire_.courbes[j];
    ecran->SetPenColor(serie.couleur);
    for (const auto& [x, v] : serie.valeurs) {
        const Tpixel pixel = pixel_du_point(x, v);
        if (!courbe.pixels.empty()) {
            ecran->LineTo(pixel.x, pixel.y);
            // Along a curve pixel x never goes back; the next update's search
            // for pieces of curve to draw again counts on it.
            memoire_.courbes_tracees =
                memoire_.courbes_tracees && pixel.x >= courbe.pixels.back().x;
        }
        ecran->MoveTo(pixel.x, pixel.y);
        courbe.pixels.push_back(pixel);
    }
}
