#include "ui/visionneuse_aide.h"

#include "i18n/traducteur.h"
#include "ui/placement.h"
#include "ui/sommaire_aide.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The viewer's own texts; the help files carry everything else.
struct Libelles {
    QString titre;
    QString rubriques;
    QString sommaire;
    QString precedent;
    QString suivant;
    QString indisponible;
    QString illisible;
    QString conseil;
};

Libelles libelles() {
    if (Traducteur().langue() == francais) {
        return {QStringLiteral("Aide de Quorvel"),
                QStringLiteral("Rubriques"),
                QStringLiteral("Sommaire"),
                QStringLiteral("Précédent"),
                QStringLiteral("Suivant"),
                QStringLiteral("Aide indisponible"),
                QStringLiteral("Le fichier d'aide %1 est introuvable ou illisible."),
                QStringLiteral("Il doit se trouver dans le même dossier que le programme. "
                               "Le programme continue de fonctionner normalement.")};
    }
    return {QStringLiteral("Quorvel Help"),
            QStringLiteral("Topics"),
            QStringLiteral("Contents"),
            QStringLiteral("Back"),
            QStringLiteral("Forward"),
            QStringLiteral("Help unavailable"),
            QStringLiteral("The help file %1 is missing or cannot be read."),
            QStringLiteral("It must be in the same folder as the program. "
                           "The program goes on working normally.")};
}

// A help file that opens and holds something; a directory, an empty file or
// one without read permission does not.
bool lisible(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) && !fichier.read(1).isEmpty();
}

QUrl vers_ancre(const QString& ancre) {
    QUrl lien;
    lien.setFragment(ancre);
    return lien;
}

} // namespace

TVisionneuseAide::TVisionneuseAide(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("VisionneuseAide"));
    resize(780, 560);

    auto* barre = new QWidget(this);
    cree_boutons(barre);

    auto* colonne = new QWidget(this);
    auto* mise_en_page_colonne = new QVBoxLayout(colonne);
    mise_en_page_colonne->setContentsMargins(0, 0, 0, 0);
    auto* titre_rubriques = new QLabel(colonne);
    titre_rubriques->setObjectName(QStringLiteral("TitreRubriques"));
    rubriques = new QListWidget(colonne);
    rubriques->setObjectName(QStringLiteral("Rubriques"));
    mise_en_page_colonne->addWidget(titre_rubriques);
    mise_en_page_colonne->addWidget(rubriques);

    navigateur = new QTextBrowser(this);
    navigateur->setObjectName(QStringLiteral("TexteAide"));
    navigateur->setOpenExternalLinks(false);

    auto* partage = new QSplitter(Qt::Horizontal, this);
    partage->addWidget(colonne);
    partage->addWidget(navigateur);
    partage->setStretchFactor(1, 1);
    partage->setSizes({270, 510});

    auto* mise_en_page = new QVBoxLayout(this);
    mise_en_page->addWidget(barre);
    mise_en_page->addWidget(partage, 1);

    connect(rubriques, &QListWidget::itemClicked, this, &TVisionneuseAide::va_a_rubrique);
    connect(rubriques, &QListWidget::itemActivated, this, &TVisionneuseAide::va_a_rubrique);
    connect(navigateur, &QTextBrowser::sourceChanged, this, &TVisionneuseAide::suit_source);
    connect(navigateur, &QTextBrowser::backwardAvailable, precedent, &QWidget::setEnabled);
    connect(navigateur, &QTextBrowser::forwardAvailable, suivant, &QWidget::setEnabled);
    traduit_libelles();
}

void TVisionneuseAide::showEvent(QShowEvent* evenement) {
    if (!evenement->spontaneous()) {
        placement::garde_dans_ecran(*this);
    }
    QWidget::showEvent(evenement);
}

void TVisionneuseAide::cree_boutons(QWidget* barre) {
    sommaire = new QPushButton(barre);
    sommaire->setObjectName(QStringLiteral("Sommaire"));
    precedent = new QPushButton(barre);
    precedent->setObjectName(QStringLiteral("Precedent"));
    suivant = new QPushButton(barre);
    suivant->setObjectName(QStringLiteral("Suivant"));
    precedent->setEnabled(false);
    suivant->setEnabled(false);
    auto* rangee = new QHBoxLayout(barre);
    rangee->setContentsMargins(0, 0, 0, 0);
    rangee->addWidget(sommaire);
    rangee->addWidget(precedent);
    rangee->addWidget(suivant);
    rangee->addStretch(1);
    connect(precedent, &QPushButton::clicked, this, [this] { navigateur->backward(); });
    connect(suivant, &QPushButton::clicked, this, [this] { navigateur->forward(); });
    connect(sommaire, &QPushButton::clicked, this, [this] {
        if (lu) {
            navigateur->setSource(vers_ancre(aide::ancre_sommaire));
        }
    });
}

void TVisionneuseAide::traduit_libelles() {
    const Libelles textes = libelles();
    setWindowTitle(textes.titre);
    findChild<QLabel*>(QStringLiteral("TitreRubriques"))->setText(textes.rubriques);
    sommaire->setText(textes.sommaire);
    precedent->setText(textes.precedent);
    suivant->setText(textes.suivant);
}

void TVisionneuseAide::ouvre(const QString& chemin) {
    traduit_libelles();
    if (lisible(chemin)) {
        affiche_fichier(chemin);
    } else {
        affiche_erreur(chemin);
    }
    remplit_rubriques();
}

void TVisionneuseAide::affiche_fichier(const QString& chemin) {
    const bool autre_fichier = !lu || chemin != chemin_fichier;
    chemin_fichier = chemin;
    lu = true;
    // The same file again: back to its top, the contents list.
    navigateur->setSource(QUrl::fromLocalFile(chemin), QTextDocument::HtmlResource);
    if (autre_fichier) {
        navigateur->clearHistory();
    }
}

void TVisionneuseAide::affiche_erreur(const QString& chemin) {
    const Libelles textes = libelles();
    chemin_fichier = chemin;
    lu = false;
    const QString nom =
        QStringLiteral("<b>%1</b>").arg(QDir::toNativeSeparators(chemin).toHtmlEscaped());
    navigateur->clearHistory();
    navigateur->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p>")
                            .arg(textes.indisponible.toHtmlEscaped(),
                                 textes.illisible.toHtmlEscaped().arg(nom),
                                 textes.conseil.toHtmlEscaped()));
}

void TVisionneuseAide::remplit_rubriques() {
    rubriques->clear();
    if (!lu) {
        return;
    }
    auto* debut = new QListWidgetItem(libelles().sommaire, rubriques);
    debut->setData(Qt::UserRole, aide::ancre_sommaire);
    for (const aide::Rubrique& rubrique : aide::rubriques(*navigateur->document())) {
        auto* element = new QListWidgetItem(rubrique.titre, rubriques);
        element->setData(Qt::UserRole, rubrique.ancre);
    }
    rubriques->setCurrentItem(debut);
}

void TVisionneuseAide::va_a_rubrique(QListWidgetItem* element) {
    if (lu && element != nullptr) {
        navigateur->setSource(vers_ancre(element->data(Qt::UserRole).toString()));
    }
}

// Keeps the topic of the text shown selected, after a link, Back or Forward.
void TVisionneuseAide::suit_source(const QUrl& source) {
    const QString ancre = source.fragment().isEmpty() ? aide::ancre_sommaire : source.fragment();
    for (int i = 0; i < rubriques->count(); ++i) {
        if (rubriques->item(i)->data(Qt::UserRole).toString() == ancre) {
            rubriques->setCurrentRow(i);
            return;
        }
    }
}
