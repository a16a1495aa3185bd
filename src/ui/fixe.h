#pragma once

// Setters that change nothing when the widget already holds the value: the
// main window's refresh runs inside its paint event, and setting a value again
// must not schedule the next paint.
#include <QAction>
#include <QLabel>
#include <QString>

inline void fixe_texte(QLabel* label, const QString& texte) {
    if (label->text() != texte) {
        label->setText(texte);
        label->adjustSize();
    }
}

inline void fixe_texte(QAction* action, const QString& texte) {
    if (action->text() != texte) {
        action->setText(texte);
    }
}

inline void fixe_bulle(QAction* action, const QString& texte) {
    if (action->toolTip() != texte) {
        action->setToolTip(texte);
    }
}

inline void fixe_actif(QAction* action, bool actif) {
    if (action->isEnabled() != actif) {
        action->setEnabled(actif);
    }
}
