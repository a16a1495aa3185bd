#pragma once

#include <cstdint>
#include <string>

// Colour value laid out 0x00BBGGRR (red in the low byte).
using Tcouleur = std::uint32_t;

// The drawing surface a chart draws on, with the pixel rules of a classic
// desktop canvas: LineTo leaves its end pixel unpainted, Rectangle leaves out
// its right and bottom edges and fills its interior with the brush, TextOut
// fills the text background with the brush, TextRect fills the whole
// rectangle first and clips, FloodFill fills with the brush the region
// bounded by the given colour. A line paints no pixel outside the rectangle
// spanned by its two ends.
class Tsurface {
public:
    virtual ~Tsurface() = default;

    // A number for what the surface shows and how it is set up: it changes with
    // every drawing and every change of pen, brush, font, position or size, and
    // no two states of any two surfaces share one. 0 means that the surface
    // cannot tell: a chart then redraws every curve from its first point at
    // each update.
    virtual std::uint64_t etat() const { return 0; }

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    virtual void SetPenColor(Tcouleur couleur) = 0;
    virtual void SetBrushColor(Tcouleur couleur) = 0;
    virtual void SetFont(const std::string& nom, int taille_points) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void TextOut(int x, int y, const std::string& texte) = 0;
    virtual void TextRect(int gauche, int haut, int droite, int bas, int x, int y,
                          const std::string& texte) = 0;
    virtual int TextWidth(const std::string& texte) = 0;
    virtual int TextHeight(const std::string& texte) = 0;
    virtual void FloodFill(int x, int y, Tcouleur bord) = 0;
};
