#include "ui/surface_peintre.h"

#include "ui/plateforme.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>

namespace {

QColor en_qt(Tcouleur c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// The pixels that differ between two images of the same size, as a region.
QRegion pixels_changes(const QImage& avant, const QImage& apres) {
    QImage masque(apres.size(), QImage::Format_MonoLSB);
    masque.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    masque.fill(0);
    for (int y = 0; y < apres.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(avant.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(apres.constScanLine(y));
        for (int x = 0; x < apres.width(); ++x) {
            if (a[x] != b[x]) {
                masque.setPixel(x, y, 1);
            }
        }
    }
    return QRegion(QBitmap::fromImage(masque));
}

} // namespace

Tsurface_peintre::Tsurface_peintre(QPainter& peintre, int largeur, int hauteur)
    : peintre(peintre), ombre(largeur, hauteur) {
    // A new surface is white, as an image surface is.
    peintre.fillRect(QRect(0, 0, largeur, hauteur), Qt::white);
}

int Tsurface_peintre::Width() const {
    return ombre.Width();
}

int Tsurface_peintre::Height() const {
    return ombre.Height();
}

void Tsurface_peintre::SetPenColor(Tcouleur couleur) {
    ombre.SetPenColor(couleur);
    stylo = en_qt(couleur);
}

void Tsurface_peintre::SetBrushColor(Tcouleur couleur) {
    ombre.SetBrushColor(couleur);
    pinceau = en_qt(couleur);
}

void Tsurface_peintre::SetFont(const std::string& nom, int taille_points) {
    ombre.SetFont(nom, taille_points);
}

void Tsurface_peintre::MoveTo(int x, int y) {
    ombre.MoveTo(x, y);
    position = QPoint(x, y);
}

// Pixel centres joined: the same pixels as the image's line, end included.
void Tsurface_peintre::LineTo(int x, int y) {
    ombre.LineTo(x, y);
    const QPoint fin(x, y);
    peintre.setPen(QPen(stylo, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QPointF demi(0.5, 0.5);
    peintre.drawLine(QPointF(position) + demi, QPointF(fin) + demi);
    position = fin;
}

void Tsurface_peintre::Rectangle(int x1, int y1, int x2, int y2) {
    ombre.Rectangle(x1, y1, x2, y2);
    const QRect r = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                          QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
    if (r.isEmpty()) {
        return;
    }
    peintre.fillRect(r, pinceau);
    peintre.setPen(QPen(stylo, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
}

void Tsurface_peintre::TextOut(int x, int y, const std::string& texte) {
    ombre.TextOut(x, y, texte);
    peintre.fillRect(QRect(x, y, TextWidth(texte), TextHeight(texte)), pinceau);
    ecrit(x, y, texte);
}

void Tsurface_peintre::TextRect(int gauche, int haut, int droite, int bas, int x, int y,
                                const std::string& texte) {
    ombre.TextRect(gauche, haut, droite, bas, x, y, texte);
    const QRect cadre(gauche, haut, droite - gauche, bas - haut);
    if (cadre.isEmpty()) {
        return;
    }
    peintre.fillRect(cadre, pinceau);
    peintre.save();
    peintre.setClipRect(cadre, Qt::IntersectClip);
    ecrit(x, y, texte);
    peintre.restore();
}

int Tsurface_peintre::TextWidth(const std::string& texte) {
    return ombre.TextWidth(texte);
}

int Tsurface_peintre::TextHeight(const std::string& texte) {
    return ombre.TextHeight(texte);
}

void Tsurface_peintre::FloodFill(int x, int y, Tcouleur bord) {
    const QImage avant = ombre.image().copy();
    ombre.FloodFill(x, y, bord);
    const QRegion region = pixels_changes(avant, ombre.image());
    if (region.isEmpty()) {
        return;
    }
    QPainterPath forme;
    forme.addRegion(region);
    peintre.fillPath(forme.simplified(), pinceau);
}

void Tsurface_peintre::ecrit(int x, int y, const std::string& texte) {
    const QFont& police = ombre.police();
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    peintre.drawText(QPointF(x, y + QFontMetrics(police).ascent()), plateforme::qt(texte));
}
