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
// bounded by the given colour.
class Tsurface {
public:
    virtual ~Tsurface() = default;

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
