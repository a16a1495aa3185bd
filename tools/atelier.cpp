// Developer tool.
//   atelier icones DIR              draws the application icons into DIR
//   atelier captures DIR            About box and help viewer, French and English, as PNGs
//   atelier montre apropos|aide fr|en   shows one window (to look at it under Xvfb)
#include "i18n/traducteur.h"
#include "ui/Apropos.h"
#include "ui/aide.h"
#include "ui/dessin.h"
#include "ui/visionneuse_aide.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTextBrowser>
#include <QUrl>

#include <cstdio>

namespace {

bool ecrit_icones(const QDir& dossier) {
    for (int cote : {48, 128, 256}) {
        if (!dessin::icone(cote).save(
                dossier.filePath(QStringLiteral("quorvel-%1.png").arg(cote)))) {
            return false;
        }
    }
    return true;
}

void choisit_langue(const QString& code) {
    Traducteur().langue() = code == "en" ? anglais : francais;
}

bool capture_apropos(const QDir& dossier, const QString& code) {
    choisit_langue(code);
    TAboutBox boite;
    boite.RafraichitApropos();
    boite.show();
    QApplication::processEvents();
    return boite.grab().save(dossier.filePath(QStringLiteral("apropos_%1.png").arg(code)));
}

bool capture_aide(const QDir& dossier, const QString& code) {
    choisit_langue(code);
    QWidget parent;
    aide::ouvre_aide(&parent);
    auto* visionneuse = parent.findChild<TVisionneuseAide*>();
    QApplication::processEvents();
    const bool sommaire =
        visionneuse->grab().save(dossier.filePath(QStringLiteral("aide_%1.png").arg(code)));
    visionneuse->texte()->setSource(QUrl(QStringLiteral("#panmixie")));
    QApplication::processEvents();
    return sommaire && visionneuse->grab().save(
                           dossier.filePath(QStringLiteral("aide_rubrique_%1.png").arg(code)));
}

int montre(const QString& quoi, const QString& code) {
    choisit_langue(code);
    if (quoi == "apropos") {
        TAboutBox boite;
        boite.RafraichitApropos();
        return boite.exec() == QDialog::Accepted ? 0 : 1;
    }
    QWidget parent;
    aide::ouvre_aide(&parent);
    return QApplication::exec();
}

int usage() {
    std::fputs("usage: atelier icones DIR | captures DIR | montre apropos|aide fr|en\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3 && arguments.size() != 4) {
        return usage();
    }
    const QString commande = arguments.at(1);
    if (commande == "montre" && arguments.size() == 4) {
        return montre(arguments.at(2), arguments.at(3));
    }
    const QDir dossier(arguments.at(2));
    if (commande == "icones") {
        return ecrit_icones(dossier) ? 0 : 1;
    }
    if (commande == "captures") {
        bool reussi = true;
        for (const QString& code : {QStringLiteral("fr"), QStringLiteral("en")}) {
            reussi = capture_apropos(dossier, code) && capture_aide(dossier, code) && reussi;
        }
        return reussi ? 0 : 1;
    }
    return usage();
}
