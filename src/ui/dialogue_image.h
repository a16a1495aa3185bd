#pragma once

#include "ui/images_graphiques.h"

#include <QDialog>
#include <QSize>

class QRadioButton;
class QSpinBox;

// What to save as an image: which chart, and at which size (empty: the
// window's).
struct Tchoix_image {
    Tchoix_graphique graphique = Tchoix_graphique::les_deux;
    QSize taille;
};

// Asks which chart to save and at which size, before the file's name.
class Tdialogue_image : public QDialog {
    Q_OBJECT
public:
    Tdialogue_image(QWidget* parent, const Timages_graphiques& images, Tchoix_graphique choix);

    Tchoix_image choix() const;

    QRadioButton* Frequences;
    QRadioButton* Effectif;
    QRadioButton* LesDeux;
    QRadioButton* TailleFenetre;
    QRadioButton* AutreTaille;
    QSpinBox* Largeur;
    QSpinBox* Hauteur;

private:
    Tchoix_graphique graphique() const;
    void suit_graphique();

    const Timages_graphiques& images;
};
