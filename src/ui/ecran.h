#pragma once

#include "chart/surface.h"
#include "ui/surface_image.h"

#include <QWidget>

#include <functional>

// A paint box: a chart draws on its image at any moment, and the widget only
// shows that image when it paints. It is opaque, so updating it never
// repaints the window behind it.
class Tecran : public QWidget, public Tsurface {
    Q_OBJECT
public:
    explicit Tecran(QWidget* parent = nullptr);

    // Called when the image was cleared by a change of size and must be drawn
    // again before it is shown.
    void sur_effacement(std::function<void()> action) { redessine = std::move(action); }

    const QImage& image();

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

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    Tsurface_image surface;
    std::function<void()> redessine;
    bool efface = true;
};
