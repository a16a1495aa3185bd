// An update that draws only what the series gained since the chart's last
// drawing, with the pixels that redrawing every curve from its first point
// would give.
//
// Redrawing every curve in series order leaves, on each pixel of a curve, the
// colour of the last series whose curve passes there, and elsewhere what the
// legend left. So the new pieces of curve are drawn in series order, and with
// them every older piece of a later series that touches something already
// drawn in this update (legend, new pieces, older pieces drawn again): a line
// paints nothing outside the rectangle spanned by its ends, so a piece that
// touches none of those rectangles has kept its pixels.
#include "chart/graphique.h"

#include <algorithm>
#include <iterator>
#include <limits>

bool Tgraphique::trace_ajouts() {
    const std::size_t n = series.size();
    if (!memoire_.courbes_tracees || memoire_.courbes.size() != n || memoire_.cadre != cadre()) {
        return false;
    }
    // Each series must still begin with the points drawn last time, unchanged:
    // so it does while it keeps the same lineage.
    std::vector<std::size_t> anciens(n);
    bool legende = false;
    for (std::size_t j = 0; j < n; ++j) {
        const Tvaleurs& valeurs = series[j].valeurs;
        Tcourbe_tracee& courbe = memoire_.courbes[j];
        anciens[j] = courbe.pixels.size();
        if (series[j].couleur != courbe.couleur || valeurs.lignee() != courbe.lignee ||
            valeurs.size() < anciens[j]) {
            return false;
        }
        auto point =
            std::prev(valeurs.end(), static_cast<std::ptrdiff_t>(valeurs.size() - anciens[j]));
        const bool nouveau_dernier =
            point != valeurs.end() &&
            (point == valeurs.begin() || std::prev(point)->second != valeurs.rbegin()->second);
        legende = legende || nouveau_dernier || series[j].nom != courbe.nom;
        for (; point != valeurs.end(); ++point) {
            const Tpixel pixel = pixel_du_point(point->first, point->second);
            if (!courbe.pixels.empty() && pixel.x < courbe.pixels.back().x) {
                return false;
            }
            courbe.pixels.push_back(pixel);
        }
    }

    // The legend draws the same pixels whatever lies under them: it is drawn
    // again only when a name or a last value changed.
    std::vector<Tzone> zones;
    if (legende) {
        for (std::size_t j = 0; j < n; ++j) {
            trace_legende(j);
            memoire_.courbes[j].nom = series[j].nom;
        }
        zones.push_back(zone_legendes());
    }
    for (std::size_t j = 0; j < n; ++j) {
        trace_ajouts_courbe(j, anciens[j], zones);
    }
    return true;
}

void Tgraphique::trace_ajouts_courbe(std::size_t j, std::size_t anciens,
                                     std::vector<Tzone>& zones) {
    const Tcourbe_tracee& courbe = memoire_.courbes[j];
    const std::vector<Tpixel>& p = courbe.pixels;
    const auto zone_du_segment = [&p](std::size_t i) {
        return Tzone{std::min(p[i].x, p[i + 1].x), std::min(p[i].y, p[i + 1].y),
                     std::max(p[i].x, p[i + 1].x), std::max(p[i].y, p[i + 1].y)};
    };

    // Older pieces (from point i to i + 1, both drawn last time) under what
    // this update drew before this curve. Pixel x never goes back along a
    // curve, so those within a zone's columns are found by bisection.
    std::vector<std::size_t> a_refaire;
    const std::size_t zones_avant = zones.size();
    for (std::size_t z = 0; anciens >= 2 && z < zones_avant; ++z) {
        const Tzone zone = zones[z];
        const auto fin = p.begin() + static_cast<std::ptrdiff_t>(anciens);
        const auto apres =
            std::lower_bound(p.begin() + 1, fin, zone.gauche,
                             [](const Tpixel& a, std::int64_t x) { return a.x < x; });
        for (auto i = static_cast<std::size_t>(std::distance(p.begin(), apres)) - 1;
             i + 1 < anciens && p[i].x <= zone.droite; ++i) {
            const Tzone s = zone_du_segment(i);
            if (s.haut <= zone.bas && zone.haut <= s.bas) {
                a_refaire.push_back(i);
            }
        }
    }
    std::sort(a_refaire.begin(), a_refaire.end());
    a_refaire.erase(std::unique(a_refaire.begin(), a_refaire.end()), a_refaire.end());

    // The new pieces start at the last point drawn before.
    const std::size_t premier_nouveau = anciens > 0 ? anciens - 1 : 0;
    if (a_refaire.empty() && premier_nouveau + 1 >= p.size()) {
        return;
    }
    ecran->SetPenColor(courbe.couleur);
    const auto segment = [&](std::size_t i) {
        ecran->MoveTo(p[i].x, p[i].y);
        ecran->LineTo(p[i + 1].x, p[i + 1].y);
        zones.push_back(zone_du_segment(i));
    };
    for (const std::size_t i : a_refaire) {
        segment(i);
    }
    for (std::size_t i = premier_nouveau; i + 1 < p.size(); ++i) {
        segment(i);
    }
}

// Every pixel that drawing the legend can reach: the boxes and the names,
// with a margin of a text height for glyphs that overhang their advance.
Tgraphique::Tzone Tgraphique::zone_legendes() {
    Tzone zone{std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::max(),
               std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::min()};
    for (std::size_t j = 0; j < series.size(); ++j) {
        const Tplace_legende l = place_legende(j);
        const std::int64_t marge = ecran->TextHeight(series[j].nom);
        const std::int64_t fin_nom = l.nom.x + std::int64_t{ecran->TextWidth(series[j].nom)};
        zone.gauche = std::min(zone.gauche, std::min({l.coin.x, l.oppose.x, l.nom.x}) - marge);
        zone.haut = std::min(zone.haut, std::min({l.coin.y, l.oppose.y, l.nom.y}) - marge);
        zone.droite = std::max(
            {zone.droite, std::int64_t{l.coin.x}, std::int64_t{l.oppose.x}, fin_nom + marge});
        zone.bas = std::max(
            {zone.bas, std::int64_t{l.coin.y}, std::int64_t{l.oppose.y}, l.nom.y + 2 * marge});
    }
    return zone;
}
