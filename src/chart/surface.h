#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

// Colour value laid out 0x00BBGGRR (red in the low byte).
using Tcouleur = std::uint32_t;

// Longest line, in steps, whose pixels `pixels_du_trait` gives.
constexpr long long longueur_max_trait = 1 << 16;

// Calls `pixel(x, y)` for each pixel of the line from (x0, y0) towards (x1, y1),
// the end pixel left out, stepping from the start whatever the direction
// (Bresenham). Returns false, calling nothing, for a line of more than
// `longueur_max_trait` steps.
template <typename F>
bool pixels_du_trait(int x0, int y0, int x1, int y1, F&& pixel) {
    const long long dx = std::llabs(static_cast<long long>(x1) - x0);
    const long long dy = -std::llabs(static_cast<long long>(y1) - y0);
    if (dx > longueur_max_trait || -dy > longueur_max_trait) {
        return false;
    }
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    long long erreur = dx + dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        pixel(x, y);
        const long long e2 = 2 * erreur;
        if (e2 >= dy) {
            erreur += dy;
            x += sx;
        }
        if (e2 <= dx) {
            erreur += dx;
            y += sy;
        }
    }
    return true;
}

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

    // Whether LineTo paints exactly the pixels that `pixels_du_trait` gives
    // (those within the surface), for every line it accepts. A chart then
    // knows, for each pixel, which of its curves shows there, and an update
    // costs what it adds.
    virtual bool traits_exacts() const { return false; }

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
