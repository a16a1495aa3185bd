#include "ui/echap.h"

#include <QEvent>
#include <QKeyEvent>

bool Techap::interroge() {
    const bool reponse = presse || tenu;
    presse = false;
    return reponse;
}

void Techap::oublie() {
    presse = false;
    tenu = false;
}

bool Techap::eventFilter(QObject* objet, QEvent* evenement) {
    const auto type = evenement->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->key() == Qt::Key_Escape && !touche->isAutoRepeat()) {
            if (type == QEvent::KeyPress) {
                presse = true;
                tenu = true;
                if (pression) {
                    pression();
                }
            } else {
                tenu = false;
            }
        }
    } else if (type == QEvent::ApplicationDeactivate) {
        tenu = false;
    }
    return QObject::eventFilter(objet, evenement);
}
