#include "ui/aide.h"

#include "i18n/traducteur.h"
#include "ui/donnees_installees.h"
#include "ui/plateforme.h"
#include "ui/visionneuse_aide.h"

#include <QPointer>

namespace aide {

QString chemin_aide(const QString& repertoire) {
    const Traducteur T;
    return repertoire + plateforme::qt(T.traduit("Quorvel.hlp"));
}

QString chemin_aide() {
    return fichier_installe(chemin_aide(QString()));
}

void ouvre_aide(QWidget* parent) {
    static QPointer<TVisionneuseAide> visionneuse;
    if (visionneuse.isNull()) {
        visionneuse = new TVisionneuseAide(parent);
    }
    visionneuse->ouvre(chemin_aide());
    visionneuse->show();
    visionneuse->raise();
    visionneuse->activateWindow();
}

} // namespace aide
