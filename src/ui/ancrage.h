#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

// Keeps children at fixed distances from the edges they are anchored to when
// their parent is resized, as a form designer's anchors do.
class Tancrage : public QObject {
    Q_OBJECT
public:
    enum Bord { gauche = 1, haut = 2, droite = 4, bas = 8 };

    // Follows the resizing of `parent`, laid out at design time for `conception`.
    Tancrage(QWidget* parent, QSize conception);

    // The child's geometry at design time and the edges it keeps its distance to.
    void ancre(QWidget* enfant, QRect geometrie, int bords);

    // Places every child for the parent's new size.
    void place(QSize parent) const;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    struct Ancre {
        QWidget* enfant;
        QRect conception;
        int bords;
    };
    QSize conception;
    std::vector<Ancre> ancres;
};
