// Shows the control panel on its own, in the language of the user's locale,
// to look at it before the main window exists, or saves a picture of it.
//
//   montre_panneau [--alleles N] [--image fichier.png]
#include "i18n/traducteur.h"
#include "model/parametres.h"
#include "ui/plateforme.h"
#include "ui/reglages.h"

#include <QApplication>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QString image;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--alleles")) {
            parametres.nb_alleles = arguments[i + 1].toUInt();
        } else if (arguments[i] == QLatin1String("--image")) {
            image = arguments[i + 1];
        } else {
            std::fprintf(stderr, "usage: montre_panneau [--alleles N] [--image fichier.png]\n");
            return 2;
        }
    }
    if (parametres.nb_alleles < 2 || parametres.nb_alleles > 4) {
        std::fprintf(stderr, "montre_panneau: 2, 3 or 4 alleles\n");
        return 2;
    }
    Traducteur().adopte_langue_systeme(plateforme::nom_langue_native());

    TForm2 panneau;
    panneau.AttacheParametres(parametres);
    panneau.RafraichitPanneau();
    panneau.show();
    if (image.isEmpty()) {
        return QApplication::exec();
    }
    QApplication::processEvents();
    return panneau.grab().save(image) ? 0 : 1;
}
