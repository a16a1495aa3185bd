// An update that draws only what the series and curves gained since the
// chart's last drawing, with the pixels that redrawing every curve from its
// first point would give.
//
// Redrawing every polyline in order (the series' curves, then `courbes`)
// leaves, on each pixel of a polyline, the colour of the last polyline that
// paints it, and elsewhere what the legend left. So the new pieces are drawn
// in that order; what they (or the legend) painted over is then put back:
// - on a surface whose lines are exact, the chart knows which polyline shows
//   on each pixel, and paints again, one pixel at a time, each pixel that an
//   earlier polyline took from a later one: an update costs what it adds;
// - otherwise, with each new piece every older piece of a later polyline that
//   may share a pixel with something already drawn in this update (legend,
//   new pieces, older pieces drawn again) is drawn again: a line paints
//   nothing outside the rectangle spanned by its ends.
#include "chart/graphique.h"

#include "chart/tirets.h"

#include <algorithm>
#include <iterator>
#include <limits>

bool Tgraphique::trace_ajouts() {
    const std::size_t n = series.size();
    const std::size_t total = nb_lignes();
    std::vector<Ttrace_memorise>& traces = memoire_.traces;
    // Curves may have been appended; nothing else may have moved.
    if (!memoire_.courbes_tracees || memoire_.legendes.size() != n || traces.size() > total ||
        memoire_.cadre != cadre()) {
        return false;
    }
    // Each polyline must still begin with the points drawn last time,
    // unchanged: so it does while it keeps the same lineage.
    for (std::size_t k = 0; k < traces.size(); ++k) {
        const Tligne l = ligne(k);
        const Ttrace_memorise& t = traces[k];
        if (l.couleur != t.couleur || l.pointillee != t.pointillee ||
            l.valeurs.lignee() != t.lignee || l.valeurs.size() < t.nb_points) {
            return false;
        }
    }

    // The points gained, as pixels.
    std::vector<std::size_t> anciens(total, 0);
    const std::size_t deja = traces.size();
    traces.resize(total);
    bool croissants = true;
    for (std::size_t k = 0; k < total; ++k) {
        const Tligne l = ligne(k);
        Ttrace_memorise& t = traces[k];
        if (k >= deja) {
            t.couleur = l.couleur;
            t.pointillee = l.pointillee;
        }
        t.lignee = l.valeurs.lignee();
        anciens[k] = t.pixels.size();
        prolonge(t, l.valeurs);
        croissants = croissants && t.croissant;
    }
    const bool exact = ecran->traits_exacts() && prepare_proprietaires(anciens);
    if (!exact) {
        memoire_.proprietaires_prets = false; // would miss what this update draws
    }
    if (!exact && !croissants) {
        return false;
    }

    // The legend draws the same pixels whatever lies under them: it is drawn
    // again only when a name or a text changed.
    bool legende_changee = false;
    bool nom_change = false;
    for (std::size_t j = 0; j < n; ++j) {
        const Tlegende_memorisee maintenant = legende(j);
        legende_changee = legende_changee || !(maintenant == memoire_.legendes[j]);
        nom_change = nom_change || maintenant.nom != memoire_.legendes[j].nom;
    }
    if (legende_changee) {
        for (std::size_t j = 0; j < n; ++j) {
            trace_legende(j);
            memoire_.legendes[j] = legende(j);
        }
    }
    // A shorter name leaves pixels of the longer one, which a full drawing
    // would not show.
    memoire_.complet = memoire_.complet && !nom_change;

    if (exact) {
        redessine_par_pixels(anciens, legende_changee);
    } else {
        redessine_par_zones(anciens, legende_changee);
    }
    return true;
}

// --- Exact lines: who shows on each pixel ---

// Builds, if needed, the map of which polyline shows on each pixel from the
// pieces drawn before this update; false when a piece, old or new, is too
// long for its pixels to be known.
bool Tgraphique::prepare_proprietaires(const std::vector<std::size_t>& anciens) {
    const auto connus = [this](std::size_t k, std::size_t debut, std::size_t fin) {
        const std::vector<Tpixel>& p = memoire_.traces[k].pixels;
        for (std::size_t i = debut; i + 1 < fin; ++i) {
            if (longueur_trait(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y) > longueur_max_trait) {
                return false;
            }
        }
        return true;
    };
    for (std::size_t k = 0; k < anciens.size(); ++k) {
        const std::size_t debut =
            memoire_.proprietaires_prets && anciens[k] > 0 ? anciens[k] - 1 : 0;
        if (!connus(k, debut, memoire_.traces[k].pixels.size())) {
            return false;
        }
    }
    if (memoire_.proprietaires_prets) {
        return true;
    }
    const std::int64_t largeur = ecran->Width();
    const std::int64_t hauteur = ecran->Height();
    const auto taille = static_cast<std::size_t>(std::max<std::int64_t>(largeur * hauteur, 0));
    if (taille > std::numeric_limits<std::uint32_t>::max()) {
        return false; // pixels are numbered in 32 bits
    }
    memoire_.proprietaires.assign(taille, -1);
    memoire_.peint_par.assign(taille, -1);
    memoire_.touches.clear();
    // In drawing order, the last to paint a pixel stays its owner.
    for (std::size_t k = 0; k < anciens.size(); ++k) {
        const Ttrace_memorise& t = memoire_.traces[k];
        const auto k32 = static_cast<std::int32_t>(k);
        for (std::size_t i = 0; i + 1 < anciens[k]; ++i) {
            pixels_du_morceau(t, i, [&](int x, int y) {
                if (x >= 0 && y >= 0 && x < largeur && y < hauteur) {
                    memoire_.proprietaires[static_cast<std::size_t>(y * largeur + x)] = k32;
                }
            });
        }
    }
    memoire_.proprietaires_prets = true;
    return true;
}

void Tgraphique::redessine_par_pixels(const std::vector<std::size_t>& anciens,
                                      bool legende_tracee) {
    const std::int64_t largeur = ecran->Width();
    const std::int64_t hauteur = ecran->Height();
    std::vector<std::int32_t>& proprietaires = memoire_.proprietaires;
    std::vector<std::int32_t>& peint_par = memoire_.peint_par;
    std::vector<std::uint32_t>& touches = memoire_.touches;
    constexpr std::int32_t par_la_legende = -2; // what the legend may have painted
    const auto note = [&](int x, int y, std::int32_t k) {
        if (x < 0 || y < 0 || x >= largeur || y >= hauteur) {
            return;
        }
        const auto i = static_cast<std::size_t>(y * largeur + x);
        if (peint_par[i] == -1) {
            touches.push_back(static_cast<std::uint32_t>(i));
        }
        peint_par[i] = k;
        proprietaires[i] = std::max(proprietaires[i], k);
    };
    if (legende_tracee) {
        const Tzone z = zone_legendes();
        for (std::int64_t y = std::max<std::int64_t>(z.haut, 0); y <= std::min(z.bas, hauteur - 1);
             ++y) {
            for (std::int64_t x = std::max<std::int64_t>(z.gauche, 0);
                 x <= std::min(z.droite, largeur - 1); ++x) {
                note(static_cast<int>(x), static_cast<int>(y), par_la_legende);
            }
        }
    }
    for (std::size_t k = 0; k < anciens.size(); ++k) {
        const Ttrace_memorise& t = memoire_.traces[k];
        const std::size_t premier_nouveau = anciens[k] > 0 ? anciens[k] - 1 : 0;
        if (premier_nouveau + 1 >= t.pixels.size()) {
            continue;
        }
        ecran->SetPenColor(t.couleur);
        const auto k32 = static_cast<std::int32_t>(k);
        for (std::size_t i = premier_nouveau; i + 1 < t.pixels.size(); ++i) {
            trace_morceau(t, i);
            pixels_du_morceau(t, i, [&](int x, int y) { note(x, y, k32); });
        }
    }

    // Each pixel touched shows, in the end, the colour of its owner.
    std::vector<std::uint32_t> a_repeindre;
    for (const std::uint32_t i : touches) {
        const std::int32_t p = proprietaires[i];
        if (p >= 0 &&
            (peint_par[i] < 0 || memoire_.traces[static_cast<std::size_t>(peint_par[i])].couleur !=
                                     memoire_.traces[static_cast<std::size_t>(p)].couleur)) {
            a_repeindre.push_back(i);
        }
        peint_par[i] = -1;
    }
    touches.clear();
    std::sort(a_repeindre.begin(), a_repeindre.end(), [&](std::uint32_t a, std::uint32_t b) {
        return proprietaires[a] < proprietaires[b];
    });
    std::int32_t stylo = -1;
    for (const std::uint32_t i : a_repeindre) {
        if (proprietaires[i] != stylo) {
            stylo = proprietaires[i];
            ecran->SetPenColor(memoire_.traces[static_cast<std::size_t>(stylo)].couleur);
        }
        const int x = static_cast<int>(i % static_cast<std::uint64_t>(largeur));
        const int y = static_cast<int>(i / static_cast<std::uint64_t>(largeur));
        ecran->MoveTo(x, y);
        ecran->LineTo(x + 1, y); // that pixel alone
    }
}

// --- Any surface: pieces drawn again ---

// Each polyline looks at every zone drawn before it in this update: fine for a
// few series, slow for hundreds of crossing curves, which a surface with exact
// lines is there for.
void Tgraphique::redessine_par_zones(const std::vector<std::size_t>& anciens, bool legende_tracee) {
    std::vector<Tzone> zones;
    if (legende_tracee) {
        zones.push_back(zone_legendes());
    }
    for (std::size_t k = 0; k < anciens.size(); ++k) {
        const Ttrace_memorise& t = memoire_.traces[k];
        const std::vector<Tpixel>& p = t.pixels;
        const std::size_t n = anciens[k];
        const auto zone_du_morceau = [&p](std::size_t i) {
            return Tzone{std::min(p[i].x, p[i + 1].x), std::min(p[i].y, p[i + 1].y),
                         std::max(p[i].x, p[i + 1].x), std::max(p[i].y, p[i + 1].y)};
        };
        // Older pieces (from point i to i + 1, both drawn last time) under
        // what this update drew before this polyline. Pixel x never goes back
        // along it, so those within a zone's columns are found by bisection.
        std::vector<std::size_t> a_refaire;
        const std::size_t zones_avant = zones.size();
        for (std::size_t z = 0; n >= 2 && z < zones_avant; ++z) {
            const Tzone zone = zones[z];
            const auto fin = p.begin() + static_cast<std::ptrdiff_t>(n);
            const auto apres =
                std::lower_bound(p.begin() + 1, fin, zone.gauche,
                                 [](const Tpixel& a, std::int64_t x) { return a.x < x; });
            for (auto i = static_cast<std::size_t>(std::distance(p.begin(), apres)) - 1;
                 i + 1 < n && p[i].x <= zone.droite; ++i) {
                const Tzone s = zone_du_morceau(i);
                if (s.haut <= zone.bas && zone.haut <= s.bas) {
                    a_refaire.push_back(i);
                }
            }
        }
        std::sort(a_refaire.begin(), a_refaire.end());
        a_refaire.erase(std::unique(a_refaire.begin(), a_refaire.end()), a_refaire.end());

        // The new pieces start at the last point drawn before.
        const std::size_t premier_nouveau = n > 0 ? n - 1 : 0;
        if (a_refaire.empty() && premier_nouveau + 1 >= p.size()) {
            continue;
        }
        ecran->SetPenColor(t.couleur);
        const auto morceau = [&](std::size_t i) {
            trace_morceau(t, i);
            zones.push_back(zone_du_morceau(i));
        };
        for (const std::size_t i : a_refaire) {
            morceau(i);
        }
        for (std::size_t i = premier_nouveau; i + 1 < p.size(); ++i) {
            morceau(i);
        }
    }
}

// --- Pieces ---

// Piece i of a polyline, from point i to point i + 1: a line, or the dashes
// that fall on it.
template <typename F>
void Tgraphique::traits_du_morceau(const Ttrace_memorise& t, std::size_t i, F&& trait) const {
    const Tpixel a = t.pixels[i];
    const Tpixel b = t.pixels[i + 1];
    if (t.pointillee) {
        tirets(a.x, a.y, b.x, b.y, t.phases[i], trait);
    } else {
        trait(a.x, a.y, b.x, b.y);
    }
}

void Tgraphique::trace_morceau(const Ttrace_memorise& t, std::size_t i) {
    traits_du_morceau(t, i, [this](int x0, int y0, int x1, int y1) {
        ecran->MoveTo(x0, y0);
        ecran->LineTo(x1, y1);
    });
}

// The pixels piece i paints on a surface whose lines are exact, for a piece
// no longer than `longueur_max_trait`.
template <typename F>
void Tgraphique::pixels_du_morceau(const Ttrace_memorise& t, std::size_t i, F&& pixel) const {
    traits_du_morceau(
        t, i, [&](int x0, int y0, int x1, int y1) { pixels_du_trait(x0, y0, x1, y1, pixel); });
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
