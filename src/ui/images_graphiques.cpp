#include "ui/images_graphiques.h"

#include "chart/graphique.h"
#include "ui/ecran.h"
#include "ui/graphiques.h"
#include "ui/surface_peintre.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

// The window's colour between the two charts.
QColor fond_fenetre(const Tecran& ecran) {
    const QWidget* parent = ecran.parentWidget();
    return (parent != nullptr ? parent : &ecran)->palette().color(QPalette::Window);
}

QSize taille_ou(QSize taille, QSize defaut) {
    return taille.isValid() && !taille.isEmpty() ? taille : defaut;
}

// A copy of the chart drawn in full on the surface; the window's chart and
// its paint box are left alone.
void trace_copie(const Tgraphique& graphique, Tsurface& surface) {
    Tgraphique copie = graphique;
    copie.attache_ecran(surface);
    copie.trace(false);
}

} // namespace

Timages_graphiques::Timages_graphiques(Tecran& ecran_frequences, Tecran& ecran_effectif)
    : ecran_frequences(ecran_frequences), ecran_effectif(ecran_effectif) {}

std::vector<Timages_graphiques::Tplace> Timages_graphiques::places(Tchoix_graphique choix,
                                                                   QSize taille) const {
    std::vector<Tplace> p;
    if (choix != Tchoix_graphique::effectif) {
        p.push_back({&graphique_frequences, &ecran_frequences, ecran_frequences.geometry()});
    }
    if (choix != Tchoix_graphique::frequences) {
        p.push_back({&graphique_effectif, &ecran_effectif, ecran_effectif.geometry()});
    }
    QRect cadre;
    for (const Tplace& place : p) {
        cadre = cadre.united(place.rect);
    }
    taille = taille_ou(taille, cadre.size());
    const double sx = static_cast<double>(taille.width()) / std::max(1, cadre.width());
    const double sy = static_cast<double>(taille.height()) / std::max(1, cadre.height());
    for (Tplace& place : p) {
        const QRect r = place.rect.translated(-cadre.topLeft());
        const auto x = [&](int v) { return static_cast<int>(std::lround(v * sx)); };
        const auto y = [&](int v) { return static_cast<int>(std::lround(v * sy)); };
        place.rect = QRect(QPoint(x(r.left()), y(r.top())),
                           QPoint(x(r.left() + r.width()) - 1, y(r.top() + r.height()) - 1));
    }
    return p;
}

QSize Timages_graphiques::taille_fenetre(Tchoix_graphique choix) const {
    QRect cadre;
    for (const Tplace& place : places(choix, QSize())) {
        cadre = cadre.united(place.rect);
    }
    return cadre.size();
}

QImage Timages_graphiques::image(Tchoix_graphique choix, QSize taille) const {
    taille = taille_ou(taille, taille_fenetre(choix));
    QImage resultat(taille, QImage::Format_RGB32);
    resultat.fill(fond_fenetre(ecran_frequences));
    QPainter peintre(&resultat);
    for (const Tplace& place : places(choix, taille)) {
        const QImage& affichee = place.ecran->image();
        if (place.rect.size() == place.ecran->size() && affichee.size() == place.ecran->size()) {
            peintre.drawImage(place.rect.topLeft(), affichee);
        } else {
            Tsurface_image surface(place.rect.width(), place.rect.height());
            trace_copie(*place.graphique, surface);
            peintre.drawImage(place.rect.topLeft(), surface.image());
        }
    }
    return resultat;
}

void Timages_graphiques::dessine_vectoriel(QPainter& peintre,
                                           const std::vector<Tplace>& places) const {
    for (const Tplace& place : places) {
        peintre.save();
        peintre.translate(place.rect.topLeft());
        peintre.setClipRect(QRect(QPoint(), place.rect.size()), Qt::IntersectClip);
        Tsurface_peintre surface(peintre, place.rect.width(), place.rect.height());
        trace_copie(*place.graphique, surface);
        peintre.restore();
    }
}

QByteArray Timages_graphiques::svg(Tchoix_graphique choix, QSize taille) const {
    taille = taille_ou(taille, taille_fenetre(choix));
    QBuffer tampon;
    QSvgGenerator svg;
    svg.setOutputDevice(&tampon);
    svg.setSize(taille);
    svg.setViewBox(QRect(QPoint(), taille));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Quorvel"));
    QPainter peintre(&svg);
    peintre.fillRect(QRect(QPoint(), taille), fond_fenetre(ecran_frequences));
    dessine_vectoriel(peintre, places(choix, taille));
    peintre.end();
    return tampon.data();
}

void Timages_graphiques::dessine(QPainter& peintre, Tchoix_graphique choix,
                                 const QRectF& cible) const {
    const QSize taille = taille_fenetre(choix);
    if (taille.isEmpty() || cible.isEmpty()) {
        return;
    }
    const double echelle =
        std::min(cible.width() / taille.width(), cible.height() / taille.height());
    peintre.save();
    peintre.translate(cible.left() + (cible.width() - taille.width() * echelle) / 2, cible.top());
    peintre.scale(echelle, echelle);
    dessine_vectoriel(peintre, places(choix, taille));
    peintre.restore();
}
