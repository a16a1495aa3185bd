#include "ui/icones.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Every picture is drawn on a 16 x 16 grid, then at twice the size for
// high-density screens.
void dessine_mesure(QPainter& p) {
    // A green "play" triangle over a small rising curve.
    QPainterPath triangle;
    triangle.moveTo(4, 2);
    triangle.lineTo(14, 8);
    triangle.lineTo(4, 14);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(40, 170, 60));
    p.drawPath(triangle);
}

void dessine_reglages(QPainter& p) {
    // Three sliders with their knobs at different heights.
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    for (int x : {3, 8, 13}) {
        p.drawLine(QPointF(x, 2), QPointF(x, 14));
    }
    p.setPen(QPen(QColor(20, 20, 90), 1));
    p.setBrush(QColor(80, 120, 220));
    const int hauteurs[] = {9, 4, 11};
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(1 + 5 * i, hauteurs[i] - 1.5, 4, 3));
    }
}

void dessine_quitter(QPainter& p) {
    // An open door with an arrow leaving through it.
    p.setPen(QPen(QColor(90, 50, 20), 1));
    p.setBrush(QColor(170, 110, 60));
    p.drawRect(QRectF(1.5, 1.5, 7, 13));
    p.setPen(QPen(QColor(190, 20, 20), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(6, 8), QPointF(14, 8));
    p.drawLine(QPointF(11, 5), QPointF(14, 8));
    p.drawLine(QPointF(11, 11), QPointF(14, 8));
}

void dessine_aide(QPainter& p) {
    // A blue book with a question mark.
    p.setPen(QPen(QColor(10, 40, 120), 1));
    p.setBrush(QColor(50, 100, 200));
    p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1.5, 1.5);
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(11);
    police.setBold(true);
    p.setFont(police);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 1, 12, 14), Qt::AlignCenter, QStringLiteral("?"));
}

void dessine_a_propos(QPainter& p) {
    // A lower-case "i" in a round badge.
    p.setPen(QPen(QColor(20, 70, 150), 1));
    p.setBrush(QColor(70, 140, 230));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 3.5, 2, 2));
    p.drawRect(QRectF(7, 6.5, 2, 6));
}

void dessine_francais(QPainter& p) {
    // Blue, white and red vertical bands.
    const QColor bandes[] = {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)};
    for (int i = 0; i < 3; ++i) {
        p.fillRect(QRectF(1 + 14.0 * i / 3, 3, 14.0 / 3, 10), bandes[i]);
    }
    p.setPen(QPen(QColor(80, 80, 80), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 3, 14, 10));
}

void dessine_anglais(QPainter& p) {
    // A blue field with white and red diagonals and cross.
    const QRectF champ(1, 3, 14, 10);
    p.fillRect(champ, QColor(1, 33, 105));
    p.setClipRect(champ);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(champ.topLeft(), champ.bottomRight());
    p.drawLine(champ.bottomLeft(), champ.topRight());
    p.setPen(QPen(QColor(200, 16, 46), 1));
    p.drawLine(champ.topLeft(), champ.bottomRight());
    p.drawLine(champ.bottomLeft(), champ.topRight());
    p.fillRect(QRectF(6.5, 3, 3, 10), Qt::white);
    p.fillRect(QRectF(1, 6.5, 14, 3), Qt::white);
    p.fillRect(QRectF(7, 3, 2, 10), QColor(200, 16, 46));
    p.fillRect(QRectF(1, 7, 14, 2), QColor(200, 16, 46));
    p.setClipping(false);
    p.setPen(QPen(QColor(80, 80, 80), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(champ);
}

void dessine_pause(QPainter& p) {
    // Two upright bars.
    p.setPen(QPen(QColor(20, 60, 130), 1));
    p.setBrush(QColor(70, 130, 220));
    p.drawRect(QRectF(3.5, 2.5, 3.5, 11));
    p.drawRect(QRectF(9, 2.5, 3.5, 11));
}

void dessine_pas(QPainter& p) {
    // A small play triangle against a bar: one step and stop.
    QPainterPath triangle;
    triangle.moveTo(3, 3);
    triangle.lineTo(10, 8);
    triangle.lineTo(3, 13);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(40, 170, 60));
    p.drawPath(triangle);
    p.setPen(QPen(QColor(20, 60, 130), 1));
    p.setBrush(QColor(70, 130, 220));
    p.drawRect(QRectF(11, 3, 2.5, 10));
}

void dessine_poursuivre(QPainter& p) {
    // Two play triangles in a row: on and on.
    p.setPen(QPen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(40, 170, 60));
    for (double x : {1.5, 8.0}) {
        QPainterPath triangle;
        triangle.moveTo(x, 3);
        triangle.lineTo(x + 6.5, 8);
        triangle.lineTo(x, 13);
        triangle.closeSubpath();
        p.drawPath(triangle);
    }
}

void dessine_rejouer(QPainter& p) {
    // A circular arrow: again, the same way.
    p.setPen(QPen(QColor(130, 70, 10), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 3, 10, 10), 90 * 16, 270 * 16);
    QPainterPath pointe;
    pointe.moveTo(8, 0.5);
    pointe.lineTo(12, 3);
    pointe.lineTo(8, 5.5);
    pointe.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 70, 10));
    p.drawPath(pointe);
}

void dessine(Ticone numero, QPainter& p) {
    switch (numero) {
    case icone_pause:
        dessine_pause(p);
        break;
    case icone_pas:
        dessine_pas(p);
        break;
    case icone_poursuivre:
        dessine_poursuivre(p);
        break;
    case icone_rejouer:
        dessine_rejouer(p);
        break;
    case icone_mesure:
        dessine_mesure(p);
        break;
    case icone_a_propos:
        dessine_a_propos(p);
        break;
    case icone_quitter:
        dessine_quitter(p);
        break;
    case icone_aide:
        dessine_aide(p);
        break;
    case icone_francais:
        dessine_francais(p);
        break;
    case icone_anglais:
        dessine_anglais(p);
        break;
    case icone_reglages:
        dessine_reglages(p);
        break;
    }
}

QPixmap image(Ticone numero, int cote) {
    QPixmap pixmap(cote, cote);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(cote / 16.0, cote / 16.0);
    dessine(numero, p);
    return pixmap;
}

} // namespace

QIcon icone(Ticone numero) {
    QIcon resultat;
    resultat.addPixmap(image(numero, 16));
    resultat.addPixmap(image(numero, 32));
    return resultat;
}

QIcon icone_application() {
    QIcon resultat;
    for (const char* taille : {"48", "128", "256"}) {
        resultat.addFile(QStringLiteral(":/icones/quorvel-%1.png").arg(QLatin1String(taille)));
    }
    return resultat;
}
