#include "ui/ecran.h"

#include <QPaintEvent>
#include <QPainter>

Tecran::Tecran(QWidget* parent) : QWidget(parent), surface(1, 1) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QImage& Tecran::image() {
    return surface.image();
}

void Tecran::paintEvent(QPaintEvent* evenement) {
    if (efface && redessine) {
        efface = false;
        redessine();
    }
    QPainter peintre(this);
    peintre.drawImage(evenement->rect(), surface.image(), evenement->rect());
}

void Tecran::resizeEvent(QResizeEvent* /*evenement*/) {
    surface.redimensionne(width(), height());
    efface = true;
}

int Tecran::Width() const {
    return surface.Width();
}
int Tecran::Height() const {
    return surface.Height();
}
void Tecran::SetPenColor(Tcouleur couleur) {
    surface.SetPenColor(couleur);
}
void Tecran::SetBrushColor(Tcouleur couleur) {
    surface.SetBrushColor(couleur);
}
void Tecran::SetFont(const std::string& nom, int taille_points) {
    surface.SetFont(nom, taille_points);
}
void Tecran::MoveTo(int x, int y) {
    surface.MoveTo(x, y);
}

void Tecran::LineTo(int x, int y) {
    surface.LineTo(x, y);
    update();
}

void Tecran::Rectangle(int x1, int y1, int x2, int y2) {
    surface.Rectangle(x1, y1, x2, y2);
    update();
}

void Tecran::TextOut(int x, int y, const std::string& texte) {
    surface.TextOut(x, y, texte);
    update();
}

void Tecran::TextRect(int gauche, int haut, int droite, int bas, int x, int y,
                      const std::string& texte) {
    surface.TextRect(gauche, haut, droite, bas, x, y, texte);
    update();
}

int Tecran::TextWidth(const std::string& texte) {
    return surface.TextWidth(texte);
}
int Tecran::TextHeight(const std::string& texte) {
    return surface.TextHeight(texte);
}

void Tecran::FloodFill(int x, int y, Tcouleur bord) {
    surface.FloodFill(x, y, bord);
    update();
}
