#include "ui/dialogue_consignes.h"

#include "i18n/traducteur.h"
#include "ui/plateforme.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using plateforme::qt;

Tdialogue_consignes::Tdialogue_consignes(QWidget* parent) : QDialog(parent) {
    setModal(false);
    LibelleTitre = new QLabel(this);
    Titre = new QLineEdit(this);
    LibelleConsignes = new QLabel(this);
    Consignes = new QPlainTextEdit(this);
    Consignes->setTabChangesFocus(true);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* page = new QVBoxLayout(this);
    page->addWidget(LibelleTitre);
    page->addWidget(Titre);
    page->addWidget(LibelleConsignes);
    page->addWidget(Consignes, 1);
    page->addWidget(boutons);
    resize(480, 360);
}

void Tdialogue_consignes::montre(const QString& titre, const QString& instructions) {
    const Traducteur t;
    setWindowTitle(qt(t.traduit("Consignes du scénario")));
    LibelleTitre->setText(qt(t.traduit("Titre :")));
    LibelleConsignes->setText(qt(t.traduit("Consignes pour les élèves :")));
    Titre->setText(titre);
    Consignes->setPlainText(instructions);
    show();
    raise();
    activateWindow();
}

QString Tdialogue_consignes::titre() const {
    return Titre->text();
}

QString Tdialogue_consignes::instructions() const {
    return Consignes->toPlainText();
}
