#include "ui/dessin.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>

namespace dessin {

namespace {

// Frequency of the first allele in percent, one value per generation, from a
// small population: it wanders, then reaches fixation.
constexpr std::array<int, 24> derive = {50, 52, 59, 62, 59, 68, 69, 68, 68, 72,  81,  82,
                                        81, 80, 70, 81, 79, 86, 90, 95, 99, 100, 100, 100};

const QColor argent(0xC0, 0xC0, 0xC0);
const QColor jaune(0xFF, 0xFF, 0x00);
const QColor rouge(0xFF, 0x00, 0x00);
const QColor bleu(0x00, 0x00, 0xFF);

// The curve of one allele in the plot rectangle; `complement` gives the
// other allele of the pair (100 minus the value).
QPolygonF courbe(const QRectF& zone, bool complement) {
    QPolygonF points;
    const qreal pas = zone.width() / static_cast<qreal>(derive.size() - 1);
    for (std::size_t g = 0; g < derive.size(); ++g) {
        const int valeur = complement ? 100 - derive[g] : derive[g];
        points << QPointF(zone.left() + pas * static_cast<qreal>(g),
                          zone.bottom() - zone.height() * valeur / 100.0);
    }
    return points;
}

// Axes with ticks, then the two curves, in the plot rectangle `zone`.
void dessine_graphique(QPainter& peintre, const QRectF& zone, qreal trait,
                       const QColor& couleur_axes) {
    QPen axes(couleur_axes, trait);
    axes.setCapStyle(Qt::FlatCap);
    peintre.setPen(axes);
    peintre.drawLine(zone.bottomLeft(), zone.topLeft());
    peintre.drawLine(zone.bottomLeft(), zone.bottomRight());
    const qreal tic = trait * 2.5;
    for (int k = 0; k <= 4; ++k) {
        const qreal x = zone.left() + zone.width() * k / 4.0;
        const qreal y = zone.bottom() - zone.height() * k / 4.0;
        peintre.drawLine(QPointF(x, zone.bottom()), QPointF(x, zone.bottom() + tic));
        peintre.drawLine(QPointF(zone.left() - tic, y), QPointF(zone.left(), y));
    }
    QPen crayon(bleu, trait * 2.0);
    crayon.setJoinStyle(Qt::RoundJoin);
    crayon.setCapStyle(Qt::RoundCap);
    peintre.setPen(crayon);
    peintre.drawPolyline(courbe(zone, true));
    crayon.setColor(rouge);
    peintre.setPen(crayon);
    peintre.drawPolyline(courbe(zone, false));
}

} // namespace

QImage image_apropos() {
    QImage image(100, 96, QImage::Format_RGB888);
    image.fill(argent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    // The frame shows 97 x 89 pixels from the top left: keep the drawing inside.
    dessine_graphique(peintre, QRectF(14.0, 8.0, 74.0, 66.0), 1.0, jaune);
    return image;
}

QImage icone(int taille) {
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    const qreal t = taille;
    QPainterPath tuile;
    tuile.addRoundedRect(QRectF(t * 0.04, t * 0.04, t * 0.92, t * 0.92), t * 0.14, t * 0.14);
    peintre.fillPath(tuile, argent);
    peintre.setPen(QPen(QColor(0x80, 0x80, 0x80), qMax(1.0, t / 64.0)));
    peintre.drawPath(tuile);
    // Darker axes than the plots' yellow, which would fade on a small tile.
    dessine_graphique(peintre, QRectF(t * 0.22, t * 0.18, t * 0.62, t * 0.58), qMax(1.5, t / 40.0),
                      QColor(0x60, 0x60, 0x60));
    return image;
}

} // namespace dessin
