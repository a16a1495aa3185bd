#include "ui/placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace placement {

QRect dans_la_zone(const QRect& voulu, const QRect& zone) {
    QRect cadre(voulu.topLeft(), voulu.size().boundedTo(zone.size()));
    cadre.moveRight(std::min(cadre.right(), zone.right()));
    cadre.moveBottom(std::min(cadre.bottom(), zone.bottom()));
    cadre.moveLeft(std::max(cadre.left(), zone.left()));
    cadre.moveTop(std::max(cadre.top(), zone.top()));
    return cadre;
}

namespace {

QMargins marges(const QWidget& fenetre) {
    const QRect dedans = fenetre.geometry();
    const QRect cadre = fenetre.frameGeometry();
    return {dedans.left() - cadre.left(), dedans.top() - cadre.top(),
            cadre.right() - dedans.right(), cadre.bottom() - dedans.bottom()};
}

// The window's own frame once known, else that of another visible window.
QMargins marges_cadre(const QWidget& fenetre) {
    if (const QMargins propres = marges(fenetre); !propres.isNull()) {
        return propres;
    }
    for (const QWidget* autre : QApplication::topLevelWidgets()) {
        if (autre != &fenetre && autre->isVisible()) {
            if (const QMargins m = marges(*autre); !m.isNull()) {
                return m;
            }
        }
    }
    return {};
}

} // namespace

void garde_dans_ecran(QWidget& fenetre) {
    const QMargins cadre_autour = marges_cadre(fenetre);
    const QRect cadre = fenetre.geometry().marginsAdded(cadre_autour);
    const bool placee = fenetre.testAttribute(Qt::WA_Moved);
    const QScreen* ecran = placee ? QGuiApplication::screenAt(cadre.center()) : nullptr;
    if (ecran == nullptr) {
        ecran = fenetre.screen();
    }
    if (ecran == nullptr) {
        return;
    }
    const QRect place = dans_la_zone(cadre, ecran->availableGeometry());
    if (!placee) {
        // The window manager chooses where it goes: only its size is ours.
        if (place.size() != cadre.size()) {
            fenetre.resize(place.size().shrunkBy(cadre_autour));
        }
    } else if (place != cadre) {
        fenetre.setGeometry(place.marginsRemoved(cadre_autour));
    }
}

} // namespace placement
