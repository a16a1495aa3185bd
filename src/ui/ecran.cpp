#include "ui/ecran.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

Tecran::Tecran(QWidget* parent) : QWidget(parent), Tsurface_image(1, 1) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Tecran::paintEvent(QPaintEvent* evenement) {
    affichage_demande = false;
    if (efface && redessine) {
        efface = false;
        redessine();
    }
    QPainter peintre(this);
    peintre.drawImage(evenement->rect(), image(), evenement->rect());
}

void Tecran::resizeEvent(QResizeEvent* /*evenement*/) {
    redimensionne(width(), height());
    efface = true;
}

void Tecran::LineTo(int x, int y) {
    Tsurface_image::LineTo(x, y);
    demande_affichage();
}

void Tecran::Rectangle(int x1, int y1, int x2, int y2) {
    Tsurface_image::Rectangle(x1, y1, x2, y2);
    demande_affichage();
}

void Tecran::TextOut(int x, int y, const std::string& texte) {
    Tsurface_image::TextOut(x, y, texte);
    demande_affichage();
}

void Tecran::TextRect(int gauche, int haut, int droite, int bas, int x, int y,
                      const std::string& texte) {
    Tsurface_image::TextRect(gauche, haut, droite, bas, x, y, texte);
    demande_affichage();
}

// A full drawing of a chart starts by filling its background: once it has,
// the image no longer needs the redraw that a resize asked for.
void Tecran::FloodFill(int x, int y, Tcouleur bord) {
    Tsurface_image::FloodFill(x, y, bord);
    efface = false;
    demande_affichage();
}

// One update() covers every drawing until the box is painted: a run draws a
// generation at a time and lets the window paint only every tenth.
void Tecran::demande_affichage() {
    if (!affichage_demande) {
        affichage_demande = true;
        update();
    }
}

void Tecran::sur_survol(std::function<void(std::optional<QPoint>)> action) {
    survol = std::move(action);
    setMouseTracking(static_cast<bool>(survol));
}

void Tecran::mouseMoveEvent(QMouseEvent* evenement) {
    if (survol) {
        survol(evenement->position().toPoint());
    }
    QWidget::mouseMoveEvent(evenement);
}

void Tecran::leaveEvent(QEvent* evenement) {
    if (survol) {
        survol(std::nullopt);
    }
    QWidget::leaveEvent(evenement);
}
