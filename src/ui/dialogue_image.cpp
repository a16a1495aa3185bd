#include "ui/dialogue_image.h"

#include "i18n/traducteur.h"
#include "ui/plateforme.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using plateforme::qt;

namespace {

QSpinBox* cote(QWidget* parent) {
    auto* boite = new QSpinBox(parent);
    boite->setRange(16, 10000);
    boite->setSuffix(QStringLiteral(" px"));
    return boite;
}

} // namespace

Tdialogue_image::Tdialogue_image(QWidget* parent, const Timages_graphiques& images,
                                 Tchoix_graphique choix)
    : QDialog(parent), images(images) {
    const Traducteur t;
    setWindowTitle(qt(t.traduit("Enregistrer l'image")));

    auto* quoi = new QGroupBox(qt(t.traduit("Graphique")), this);
    Frequences = new QRadioButton(qt(t.traduit("Fréquences alléliques")), quoi);
    Effectif = new QRadioButton(qt(t.traduit("Effectif")), quoi);
    LesDeux = new QRadioButton(qt(t.traduit("Les deux graphiques")), quoi);
    auto* colonne = new QVBoxLayout(quoi);
    for (QRadioButton* b : {Frequences, Effectif, LesDeux}) {
        colonne->addWidget(b);
        connect(b, &QRadioButton::toggled, this, &Tdialogue_image::suit_graphique);
    }

    auto* taille = new QGroupBox(qt(t.traduit("Taille")), this);
    TailleFenetre = new QRadioButton(taille);
    AutreTaille = new QRadioButton(qt(t.traduit("Autre taille :")), taille);
    Largeur = cote(taille);
    Hauteur = cote(taille);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(AutreTaille);
    ligne->addWidget(Largeur);
    ligne->addWidget(new QLabel(QStringLiteral("×"), taille));
    ligne->addWidget(Hauteur);
    auto* tailles = new QVBoxLayout(taille);
    tailles->addWidget(TailleFenetre);
    tailles->addLayout(ligne);
    connect(AutreTaille, &QRadioButton::toggled, Largeur, &QWidget::setEnabled);
    connect(AutreTaille, &QRadioButton::toggled, Hauteur, &QWidget::setEnabled);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* page = new QVBoxLayout(this);
    page->addWidget(quoi);
    page->addWidget(taille);
    page->addWidget(boutons);

    (choix == Tchoix_graphique::frequences ? Frequences
     : choix == Tchoix_graphique::effectif ? Effectif
                                           : LesDeux)
        ->setChecked(true);
    TailleFenetre->setChecked(true);
    Largeur->setEnabled(false);
    Hauteur->setEnabled(false);
    suit_graphique();
}

Tchoix_graphique Tdialogue_image::graphique() const {
    return Frequences->isChecked() ? Tchoix_graphique::frequences
           : Effectif->isChecked() ? Tchoix_graphique::effectif
                                   : Tchoix_graphique::les_deux;
}

// The window's size of the chart chosen, shown and proposed as the other
// size (doubled, for a sharper print).
void Tdialogue_image::suit_graphique() {
    const QSize fenetre = images.taille_fenetre(graphique());
    const Traducteur t;
    TailleFenetre->setText(
        qt(t.traduit("Celle de la fenêtre (%1 × %2)")).arg(fenetre.width()).arg(fenetre.height()));
    if (!AutreTaille->isChecked()) {
        Largeur->setValue(fenetre.width() * 2);
        Hauteur->setValue(fenetre.height() * 2);
    }
}

Tchoix_image Tdialogue_image::choix() const {
    Tchoix_image c;
    c.graphique = graphique();
    if (AutreTaille->isChecked()) {
        c.taille = QSize(Largeur->value(), Hauteur->value());
    }
    return c;
}
