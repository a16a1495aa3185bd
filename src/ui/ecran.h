#pragma once

#include "ui/surface_image.h"

#include <QWidget>

#include <functional>
#include <optional>

// A paint box: a chart draws on its image at any moment, and the widget only
// shows that image when it paints. It is opaque, so updating it never
// repaints the window behind it.
class Tecran : public QWidget, public Tsurface_image {
    Q_OBJECT
public:
    explicit Tecran(QWidget* parent = nullptr);

    // Called when the image was cleared by a change of size and must be drawn
    // again before it is shown.
    void sur_effacement(std::function<void()> action) { redessine = std::move(action); }

    // Called with the pointer's position as it moves over the box, and with
    // no position when it leaves.
    void sur_survol(std::function<void(std::optional<QPoint>)> action);

    // Drawing asks for the box to be shown again, once until it is.
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& texte) override;
    void TextRect(int gauche, int haut, int droite, int bas, int x, int y,
                  const std::string& texte) override;
    void FloodFill(int x, int y, Tcouleur bord) override;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void leaveEvent(QEvent* evenement) override;

private:
    std::function<void()> redessine;
    std::function<void(std::optional<QPoint>)> survol;
    bool efface = true;
    bool affichage_demande = false;

    void demande_affichage();
};
