#include "ui/ancrage.h"

#include <QEvent>

#include <algorithm>
#include <utility>

Tancrage::Tancrage(QWidget* parent, QSize taille_conception)
    : QObject(parent), conception(taille_conception) {
    parent->installEventFilter(this);
}

void Tancrage::ancre(QWidget* enfant, QRect geometrie, int bords) {
    ancres.push_back({enfant, geometrie, bords});
    enfant->setGeometry(geometrie);
}

bool Tancrage::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::Resize && objet == parent()) {
        place(static_cast<QWidget*>(objet)->size());
    }
    return QObject::eventFilter(objet, evenement);
}

namespace {

// One axis: position and length for the new parent length.
std::pair<int, int> place_axe(int debut, int longueur, int parent_conception, int parent,
                              bool ancre_debut, bool ancre_fin) {
    const int marge_fin = parent_conception - debut - longueur;
    if (ancre_debut && ancre_fin) {
        return {debut, std::max(0, parent - debut - marge_fin)};
    }
    if (ancre_fin) {
        return {parent - marge_fin - longueur, longueur};
    }
    return {debut, longueur};
}

} // namespace

void Tancrage::place(QSize parent) const {
    for (const Ancre& a : ancres) {
        const auto [x, largeur] =
            place_axe(a.conception.x(), a.conception.width(), conception.width(), parent.width(),
                      (a.bords & gauche) != 0, (a.bords & droite) != 0);
        const auto [y, hauteur] =
            place_axe(a.conception.y(), a.conception.height(), conception.height(), parent.height(),
                      (a.bords & haut) != 0, (a.bords & bas) != 0);
        a.enfant->setGeometry(x, y, largeur, hauteur);
    }
}
