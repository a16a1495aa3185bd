#pragma once

#include "chart/surface.h"

#include <cstdint>
#include <string>
#include <vector>

// One call made on the surface, with its arguments.
struct Appel {
    std::string op;
    std::vector<int> args;
    std::string texte;
};

// A drawing surface that records every call. Text is 6 pixels per byte wide
// and 13 pixels high; pen and brush colours in force at each call are kept.
// With `numerote` it tells its state (the number of calls so far), so that a
// chart's updates on it draw only what is new; with `exacte` too, they
// draw it as on the window's image surfaces.
class Surface_enregistreuse : public Tsurface {
public:
    static constexpr int largeur_caractere = 6;
    static constexpr int hauteur_texte = 13;

    struct Trait {
        int x1, y1, x2, y2;
        Tcouleur couleur;
    };

    Surface_enregistreuse(int largeur, int hauteur) : largeur_(largeur), hauteur_(hauteur) {}

    std::vector<Appel> appels;
    // Every LineTo as a line from the current position, with its pen colour.
    std::vector<Trait> traits;
    Tcouleur stylo = 0;
    Tcouleur pinceau = 0xFFFFFF;
    std::string police;
    int taille_police = 0;
    bool numerote = false;
    // Said to paint the pixels of `pixels_du_trait` (it paints none).
    bool exacte = false;

    std::uint64_t etat() const override { return numerote ? nb_appels_ : 0; }
    bool traits_exacts() const override { return exacte; }
    int Width() const override { return largeur_; }
    int Height() const override { return hauteur_; }
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

    // The calls of one operation, in order.
    std::vector<Appel> de(const std::string& op) const;
    // The lines drawn in one colour.
    std::vector<Trait> traits_de(Tcouleur couleur) const;
    void oublie();
    // A new size, which is a new state.
    void redimensionne(int largeur, int hauteur);

private:
    int largeur_;
    int hauteur_;
    int x_ = 0;
    int y_ = 0;
    std::uint64_t nb_appels_ = 1;

    void note(Appel appel);
};
