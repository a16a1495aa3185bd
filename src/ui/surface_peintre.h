#pragma once

#include "ui/surface_image.h"

#include <QColor>
#include <QPoint>

class QPainter;

// The drawing surface of a chart over any painter: an SVG file, a printer
// page. It keeps every figure a vector figure and lays the chart out exactly
// as the window's image surface does: a hidden image of the same size takes
// every operation too, answers the text sizes, and tells which pixels a
// flood fill covers, which are then filled here as one shape. The painter
// draws in the surface's pixels (scale it to fit the page beforehand).
class Tsurface_peintre : public Tsurface {
public:
    Tsurface_peintre(QPainter& peintre, int largeur, int hauteur);

    int Width() const override;
    int Height() const override;
    void SetPenColor(Tcouleur couleur) override;
    void SetBrushColor(Tcouleur couleur) override;
    void SetFont(const std::string& nom, int taille_points) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& texte) override;
    void TextRect(int gauche, int haut, int droite, int bas, int x, int y,
                  const std::string& texte) override;
    int TextWidth(const std::string& texte) override;
    int TextHeight(const std::string& texte) override;
    void FloodFill(int x, int y, Tcouleur bord) override;

private:
    void ecrit(int x, int y, const std::string& texte);

    QPainter& peintre;
    Tsurface_image ombre;
    QColor stylo{Qt::black};
    QColor pinceau{Qt::white};
    QPoint position;
};
