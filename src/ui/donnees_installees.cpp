#include "ui/donnees_installees.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString fichier_installe(const QString& nom) {
    const QString programme = QCoreApplication::applicationDirPath();
    const QString a_cote = programme + "/" + nom;
    if (QFileInfo::exists(a_cote)) {
        return a_cote;
    }
    const QString partage = QDir::cleanPath(programme + QStringLiteral("/../share/quorvel/") + nom);
    return QFileInfo::exists(partage) ? partage : a_cote;
}
