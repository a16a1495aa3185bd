#include "ui/icone.h"

QIcon icone_application() {
    QIcon icone;
    for (const char* taille : {"48", "128", "256"}) {
        icone.addFile(QStringLiteral(":/icones/quorvel-%1.png").arg(QLatin1String(taille)));
    }
    return icone;
}
