#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;
class QRectF;
class Tecran;
class Tgraphique;

enum class Tchoix_graphique { frequences, effectif, les_deux };

// The charts of the main window as images, SVG drawings and printed pages,
// each as the window shows it: at the window's size, the window's own image;
// at another size, or in vector form, the same chart drawn again. Both charts
// keep their places in the window, one above the other.
class Timages_graphiques {
public:
    // The window's paint boxes of the frequency chart and of the size chart.
    Timages_graphiques(Tecran& ecran_frequences, Tecran& ecran_effectif);

    // The size of the chosen charts in the window (both: from the top of the
    // upper one to the bottom of the lower one, the gap between included).
    QSize taille_fenetre(Tchoix_graphique choix) const;

    // An empty or invalid size stands for the window's.
    QImage image(Tchoix_graphique choix, QSize taille = QSize()) const;
    QByteArray svg(Tchoix_graphique choix, QSize taille = QSize()) const;

    // The charts drawn with the painter into `cible`, as large as it allows
    // with the window's proportions, centred across.
    void dessine(QPainter& peintre, Tchoix_graphique choix, const QRectF& cible) const;

private:
    struct Tplace {
        const Tgraphique* graphique;
        Tecran* ecran;
        QRect rect; // in the picture
    };
    std::vector<Tplace> places(Tchoix_graphique choix, QSize taille) const;
    void dessine_vectoriel(QPainter& peintre, const std::vector<Tplace>& places) const;

    Tecran& ecran_frequences;
    Tecran& ecran_effectif;
};
