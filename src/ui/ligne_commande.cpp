#include "ui/ligne_commande.h"

Tligne_commande lit_ligne_commande(const QStringList& arguments) {
    Tligne_commande l;
    bool options_finies = false;
    for (const QString& a : arguments) {
        if (!options_finies && a == QStringLiteral("--")) {
            options_finies = true;
        } else if (!options_finies && (a == QStringLiteral("--version") || a == "-v")) {
            l.version = true;
        } else if (!options_finies && (a == QStringLiteral("--help") || a == "-h")) {
            l.aide = true;
        } else if (!options_finies && a.startsWith('-') && a.size() > 1) {
            l.erreur = QStringLiteral("unknown option %1 (see --help)").arg(a);
        } else if (l.fichier.isEmpty()) {
            l.fichier = a;
        } else {
            l.erreur = QStringLiteral("one scenario file at most: %1 and %2").arg(l.fichier, a);
        }
    }
    return l;
}

QString texte_version() {
    return QStringLiteral("quorvel " QUORVEL_VERSION "\n");
}

QString texte_aide_ligne_commande() {
    return QStringLiteral(
        "Usage: quorvel [FILE]\n"
        "A teaching simulator of population genetics.\n"
        "\n"
        "  FILE        a scenario (.quorvel) to open at start-up\n"
        "  --version   print the version and exit\n"
        "  --help      print this help and exit\n"
        "\n"
        "quorvel-sim runs the same model without a window (quorvel-sim --help).\n");
}
