// Start-up: the process-wide objects already exist; the application object,
// then the main window, the About box and the control panel, then the event
// loop until the main window closes. A scenario named on the command line
// opens once the window shows.
#include "ui/Apropos.h"
#include "ui/ProjetType.h"
#include "ui/application.h"
#include "ui/commandes_fichier.h"
#include "ui/icones.h"
#include "ui/ligne_commande.h"
#include "ui/reglages.h"

#include <QTimer>

#include <cstdio>
#include <exception>
#include <memory>

namespace {

// --version and --help answer without a display.
bool repond_sans_fenetre(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const Tligne_commande l = lit_ligne_commande(arguments);
    if (!l.version && !l.aide) {
        return false;
    }
    std::fputs((l.version ? texte_version() : texte_aide_ligne_commande()).toLocal8Bit(), stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (repond_sans_fenetre(argc, argv)) {
        return 0;
    }
    std::unique_ptr<TApplication> application;
    try {
        application = std::make_unique<TApplication>(argc, argv);
        const Tligne_commande ligne = lit_ligne_commande(TApplication::arguments().mid(1));
        if (!ligne.erreur.isEmpty()) {
            std::fprintf(stderr, "quorvel: %s\n", ligne.erreur.toLocal8Bit().constData());
            return 2;
        }
        TApplication::setWindowIcon(icone_application());
        TForm1 Form1;
        TAboutBox AboutBox;
        TForm2 Form2;
        Form1.attache_fenetres(&AboutBox, &Form2);
        Form1.show();
        if (!ligne.fichier.isEmpty()) {
            QTimer::singleShot(0, &Form1,
                               [&Form1, &ligne] { Form1.fichiers->ouvre(ligne.fichier); });
        }
        return application->exec();
    } catch (...) {
        TApplication::montre_erreur(std::current_exception());
        return 1;
    }
}
