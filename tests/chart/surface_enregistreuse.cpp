#include "surface_enregistreuse.h"

#include <utility>

void Surface_enregistreuse::SetPenColor(Tcouleur couleur) {
    stylo = couleur;
    note({"SetPenColor", {static_cast<int>(couleur)}, {}});
}

void Surface_enregistreuse::SetBrushColor(Tcouleur couleur) {
    pinceau = couleur;
    note({"SetBrushColor", {static_cast<int>(couleur)}, {}});
}

void Surface_enregistreuse::SetFont(const std::string& nom, int taille_points) {
    police = nom;
    taille_police = taille_points;
    note({"SetFont", {taille_points}, nom});
}

void Surface_enregistreuse::MoveTo(int x, int y) {
    x_ = x;
    y_ = y;
    note({"MoveTo", {x, y}, {}});
}

void Surface_enregistreuse::LineTo(int x, int y) {
    traits.push_back({x_, y_, x, y, stylo});
    x_ = x;
    y_ = y;
    note({"LineTo", {x, y}, {}});
}

void Surface_enregistreuse::Rectangle(int x1, int y1, int x2, int y2) {
    note({"Rectangle", {x1, y1, x2, y2, static_cast<int>(stylo)}, {}});
}

void Surface_enregistreuse::TextOut(int x, int y, const std::string& texte) {
    note({"TextOut", {x, y}, texte});
}

void Surface_enregistreuse::TextRect(int gauche, int haut, int droite, int bas, int x, int y,
                                     const std::string& texte) {
    note({"TextRect", {gauche, haut, droite, bas, x, y}, texte});
}

int Surface_enregistreuse::TextWidth(const std::string& texte) {
    return static_cast<int>(texte.size()) * largeur_caractere;
}

int Surface_enregistreuse::TextHeight(const std::string&) {
    return hauteur_texte;
}

void Surface_enregistreuse::FloodFill(int x, int y, Tcouleur bord) {
    note({"FloodFill", {x, y, static_cast<int>(bord), static_cast<int>(pinceau)}, {}});
}

void Surface_enregistreuse::note(Appel appel) {
    appels.push_back(std::move(appel));
    ++nb_appels_;
}

std::vector<Appel> Surface_enregistreuse::de(const std::string& op) const {
    std::vector<Appel> choisis;
    for (const Appel& appel : appels) {
        if (appel.op == op) {
            choisis.push_back(appel);
        }
    }
    return choisis;
}

std::vector<Surface_enregistreuse::Trait> Surface_enregistreuse::traits_de(Tcouleur couleur) const {
    std::vector<Trait> choisis;
    for (const Trait& trait : traits) {
        if (trait.couleur == couleur) {
            choisis.push_back(trait);
        }
    }
    return choisis;
}

void Surface_enregistreuse::oublie() {
    appels.clear();
    traits.clear();
}

void Surface_enregistreuse::redimensionne(int largeur, int hauteur) {
    largeur_ = largeur;
    hauteur_ = hauteur;
    ++nb_appels_;
}
