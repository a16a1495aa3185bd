// The drawing side of the chart: page geometry, background, axes, legend and
// curves.
#include "chart/graphique.h"

#include "chart/nombre.h"
#include "chart/tirets.h"

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

Tgraphique::Tdecor Tgraphique::decor() const {
    return {{ancre_titre_x.x, ancre_titre_x.y, ancre_titre_y.x, ancre_titre_y.y, couleur_axes},
            {abscisse.titre, abscisse.unite, ordonnee.titre, ordonnee.unite}};
}

std::size_t Tgraphique::nb_lignes() const {
    return series.size() + courbes.size();
}

Tgraphique::Tligne Tgraphique::ligne(std::size_t k) const {
    if (k < series.size()) {
        return {series[k].valeurs, series[k].couleur, false};
    }
    const Tcourbe& courbe = courbes[k - series.size()];
    return {courbe.valeurs, courbe.couleur, courbe.pointillee};
}

Tgraphique::Tlegende_memorisee Tgraphique::legende(std::size_t j) const {
    const Tserie& serie = series[j];
    if (serie.legende) {
        return {serie.nom, serie.legende};
    }
    if (serie.valeurs.empty()) {
        return {serie.nom, std::nullopt};
    }
    return {serie.nom, format_diese(serie.valeurs.rbegin()->second)};
}

// Whether a full drawing now would draw what the last one did.
bool Tgraphique::inchange() const {
    const std::size_t n = series.size();
    if (memoire_.cadre != cadre() || !(memoire_.decor == decor()) ||
        memoire_.legendes.size() != n || memoire_.traces.size() != nb_lignes()) {
        return false;
    }
    for (std::size_t j = 0; j < n; ++j) {
        if (!(legende(j) == memoire_.legendes[j])) {
            return false;
        }
    }
    for (std::size_t k = 0; k < memoire_.traces.size(); ++k) {
        const Tligne l = ligne(k);
        const Ttrace_memorise& t = memoire_.traces[k];
        // The same lineage and as many points: the same points.
        if (l.couleur != t.couleur || l.pointillee != t.pointillee ||
            l.valeurs.lignee() != t.lignee || l.valeurs.size() != t.nb_points) {
            return false;
        }
    }
    return true;
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
    // The surface shows, untouched, what this chart drew last.
    const bool intact =
        memoire_.ecran == ecran && memoire_.etat != 0 && ecran->etat() == memoire_.etat;
    if (!mise_a_jour && intact && memoire_.complet && inchange()) {
        return; // a full drawing would draw the same pixels again
    }
    fixe_police();
    // Only what was added needs drawing in an update.
    if (!mise_a_jour || !intact || !trace_ajouts()) {
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
    memoire_.legendes.clear();
    for (std::size_t j = 0; j < n; ++j) {
        trace_legende(j);
        memoire_.legendes.push_back(legende(j));
    }
    memoire_.cadre = cadre();
    memoire_.decor = decor();
    // An update leaves what it draws over the earlier drawing.
    memoire_.complet = !mise_a_jour;
    memoire_.proprietaires_prets = false;
    const std::size_t total = nb_lignes();
    memoire_.traces.resize(total);
    for (std::size_t k = 0; k < total; ++k) {
        const Tligne l = ligne(k);
        Ttrace_memorise& t = memoire_.traces[k];
        t.couleur = l.couleur;
        t.pointillee = l.pointillee;
        t.lignee = l.valeurs.lignee();
        t.nb_points = l.valeurs.size();
        t.pixels.clear();
        t.phases.clear();
        t.croissant = true;
    }
    // Curves need a scale on both axes.
    memoire_.courbes_tracees = abscisse.valide() && ordonnee.valide();
    if (!memoire_.courbes_tracees) {
        return;
    }
    for (std::size_t k = 0; k < total; ++k) {
        trace_ligne(k);
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

    const std::optional<std::string> texte = legende(j).texte;
    if (!texte) {
        return; // no points: an empty box
    }
    // Inside the border, so that the border is not painted over.
    const int gauche = place.coin.x + 1;
    const int haut = place.coin.y + 1;
    const int droite = place.oppose.x - 1;
    const int bas = place.oppose.y - 1;
    ecran->TextRect(gauche, haut, droite, bas, droite - ecran->TextWidth(*texte),
                    bas - ecran->TextHeight(*texte), *texte);
}

// Pixels of the points not yet in `t`, the points before being those of `t`.
void Tgraphique::prolonge(Ttrace_memorise& t, const Tvaleurs& valeurs) {
    auto point =
        std::prev(valeurs.end(), static_cast<std::ptrdiff_t>(valeurs.size() - t.pixels.size()));
    for (; point != valeurs.end(); ++point) {
        const Tpixel pixel = pixel_du_point(point->first, point->second);
        if (!t.pixels.empty()) {
            const Tpixel& avant = t.pixels.back();
            t.croissant = t.croissant && pixel.x >= avant.x;
            if (t.pointillee) {
                const std::int64_t phase =
                    t.phases.back() + longueur_trait(avant.x, avant.y, pixel.x, pixel.y);
                t.phases.push_back(static_cast<std::uint8_t>(phase % periode_tirets));
            }
        } else if (t.pointillee) {
            t.phases.push_back(0);
        }
        t.pixels.push_back(pixel);
    }
    t.nb_points = valeurs.size();
}

void Tgraphique::trace_ligne(std::size_t k) {
    const Tligne l = ligne(k);
    if (l.valeurs.empty()) {
        return;
    }
    Ttrace_memorise& t = memoire_.traces[k];
    prolonge(t, l.valeurs);
    ecran->SetPenColor(l.couleur);
    if (l.pointillee) {
        for (std::size_t i = 0; i + 1 < t.pixels.size(); ++i) {
            trace_morceau(t, i);
        }
        return;
    }
    for (std::size_t i = 0; i < t.pixels.size(); ++i) {
        const Tpixel pixel = t.pixels[i];
        if (i > 0) {
            ecran->LineTo(pixel.x, pixel.y);
        }
        ecran->MoveTo(pixel.x, pixel.y);
    }
}

// --- Reading the plot back ---

// The value of an axis drawn at a pixel (a column for the x axis, a row for
// the y axis), given where a value lands: its pixel, and its exact position.
template <typename Fpixel>
std::optional<std::int32_t> Tgraphique::inverse(const Tcar_axes& axe, int pixel,
                                                Fpixel pixel_de) const {
    if (ecran == nullptr || !axe.valide()) {
        return std::nullopt;
    }
    const auto premier = pixel_de(axe.min);
    const auto dernier = pixel_de(axe.max);
    // Rows go down as values go up: the search runs on the pixels' order.
    const std::int64_t sens = dernier.first >= premier.first ? 1 : -1;
    const std::int64_t cible = sens * pixel;
    if (cible < sens * premier.first || cible > sens * dernier.first) {
        return std::nullopt;
    }
    // The first value at or beyond the pixel (the last one if none is).
    const auto au_moins = [&](std::int64_t seuil) {
        std::int64_t bas = axe.min;
        std::int64_t haut = axe.max;
        while (bas < haut) {
            const std::int64_t milieu = bas + (haut - bas) / 2;
            if (sens * pixel_de(static_cast<std::int32_t>(milieu)).first >= seuil) {
                haut = milieu;
            } else {
                bas = milieu + 1;
            }
        }
        return bas;
    };
    // The values that land on the pixel, the one nearest its middle; when none
    // does, the nearer of the two around it.
    const double a = premier.second;
    const double pente = (dernier.second - a) / (static_cast<double>(axe.max) - axe.min);
    const double estime = static_cast<double>(axe.min) + (pixel + 0.5 - a) / pente;
    const auto proche = [estime](std::int64_t bas, std::int64_t haut) {
        if (!std::isfinite(estime)) {
            return static_cast<std::int32_t>(bas); // the whole axis in one pixel
        }
        const double v =
            std::round(std::clamp(estime, static_cast<double>(bas), static_cast<double>(haut)));
        return static_cast<std::int32_t>(std::clamp(static_cast<std::int64_t>(v), bas, haut));
    };
    const std::int64_t debut = au_moins(cible);
    const std::int64_t ecart_apres =
        sens * pixel_de(static_cast<std::int32_t>(debut)).first - cible;
    if (ecart_apres == 0) {
        return proche(debut, cible == sens * dernier.first ? axe.max : au_moins(cible + 1) - 1);
    }
    const std::int64_t ecart_avant =
        cible - sens * pixel_de(static_cast<std::int32_t>(debut - 1)).first;
    if (ecart_avant != ecart_apres) {
        return static_cast<std::int32_t>(ecart_avant < ecart_apres ? debut - 1 : debut);
    }
    return proche(debut - 1, debut);
}

std::optional<std::int32_t> Tgraphique::abscisse_sous(int x_pixel) const {
    return inverse(abscisse, x_pixel, [this](std::int32_t x) {
        const Tvecteur p = vers_page(borne(x, 0.0f));
        const double exact = static_cast<double>(p.x) / page.x * (ecran->Width());
        return std::make_pair(static_cast<std::int64_t>(vers_pixels(p).x), exact);
    });
}

std::optional<std::int32_t> Tgraphique::valeur_sous(int y_pixel) const {
    return inverse(ordonnee, y_pixel, [this](std::int32_t v) {
        const Tvecteur p = vers_page(borne(abscisse.min, static_cast<float>(v)));
        const double exact = static_cast<double>(p.y) / page.y * (ecran->Height());
        return std::make_pair(static_cast<std::int64_t>(vers_pixels(p).y), exact);
    });
}
