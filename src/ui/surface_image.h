#pragma once

#include "chart/surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

class QPainter;

// The drawing surface of a chart over an image it owns, with the pixel rules
// of a classic desktop canvas: pen width 1 without antialiasing, LineTo leaves
// its end pixel unpainted, Rectangle leaves out its right and bottom edges,
// text is drawn on a background of the brush colour, FloodFill fills up to a
// border colour. Fonts are sized at 96 dots per inch, so 8 points is 11
// pixels; "Arial" is drawn with its metric twin "Liberation Sans", Arial
// itself only where that is missing.
// A new image is white; the pen and the text are black, the brush white.
class Tsurface_image : public Tsurface {
public:
    Tsurface_image(int largeur, int hauteur);
    ~Tsurface_image() override;
    Tsurface_image(const Tsurface_image&) = delete;
    Tsurface_image& operator=(const Tsurface_image&) = delete;

    // A new white image of that size (the drawing is lost); nothing happens
    // when the size is unchanged.
    void redimensionne(int largeur, int hauteur);
    // The image as drawn so far, ready to be shown.
    const QImage& image();
    // Colour of one pixel, laid out 0x00BBGGRR.
    Tcouleur couleur_pixel(int x, int y);
    // The font of the text drawn now.
    const QFont& police() const { return police_; }

    // Height in pixels of a font of that many points at 96 dots per inch,
    // rounded like the platform does; at least 1.
    static int pixels_de_points(int points);

    std::uint64_t etat() const override;
    // Lines are painted pixel by pixel as `pixels_du_trait` gives them (Qt
    // draws only those longer than it accepts).
    bool traits_exacts() const override;
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
    QImage image_;
    std::unique_ptr<QPainter> peintre_; // open between two reads of the image
    QColor stylo_{Qt::black};
    QColor pinceau_{Qt::white};
    QFont police_;
    std::string nom_police_ = "Arial";
    int points_police_ = 8;
    std::optional<QFontMetrics> metriques_;         // of police_, once asked for
    std::unordered_map<std::string, int> largeurs_; // texts measured in police_
    QPoint position_;
    mutable std::uint64_t etat_ = 0; // 0 once changed, until etat() numbers the new state

    QPainter* peintre();
    const QFontMetrics& metriques();
    void oublie_metriques();
    void termine_peinture();
    void ecrit(int x, int y, const QString& texte);
};
