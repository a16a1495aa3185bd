#include "ui/Apropos.h"

#include "i18n/traducteur.h"
#include "ui/dessin.h"
#include "ui/placement.h"
#include "ui/plateforme.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <qdrawutil.h>

namespace {

constexpr int largeur_client = 298;
constexpr int hauteur_client = 213;

// Inner edge of the panel's bevels that no text may cross.
constexpr int marge_panneau = 3;

// Sets the text and sizes the label to it. With a font wider than the
// intended one, the label's font shrinks a little until the text fits inside
// the panel instead of running under its bevel.
void pose_texte(QLabel* etiquette, const std::string& texte) {
    etiquette->setText(plateforme::qt(texte));
    etiquette->setFont(etiquette->parentWidget()->font());
    const int largeur_permise = etiquette->parentWidget()->width() - marge_panneau - etiquette->x();
    QFont police = etiquette->font();
    while (etiquette->sizeHint().width() > largeur_permise && police.pixelSize() > 8) {
        police.setPixelSize(police.pixelSize() - 1);
        etiquette->setFont(police);
    }
    etiquette->adjustSize();
}

} // namespace

TPanneauBiseaute::TPanneauBiseaute(QWidget* parent) : QFrame(parent) {}

void TPanneauBiseaute::paintEvent(QPaintEvent* /*evenement*/) {
    QPainter peintre(this);
    const QRect cadre = rect();
    qDrawShadePanel(&peintre, cadre, palette(), true, 1);
    qDrawShadePanel(&peintre, cadre.adjusted(1, 1, -1, -1), palette(), false, 1);
}

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setModal(true);
    setFixedSize(largeur_client, hauteur_client);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFont(plateforme::police_formulaires());

    Panel1 = new TPanneauBiseaute(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 281, 161);

    ProductName = cree_etiquette("ProductName", 136, 8);
    Version = cree_etiquette("Version", 136, 56);
    LabAuteur = cree_etiquette("LabAuteur", 8, 104);
    pose_texte(LabAuteur, "Quorvel developers");
    Comments = cree_etiquette("Comments", 136, 104);
    Comments->setWordWrap(true);
    Comments->setFixedWidth(Panel1->width() - 136 - 8);
    Comments->setText(QStringLiteral("Windows 9x et XP"));
    Comments->setFixedHeight(Comments->heightForWidth(Comments->width()));
    cree_bouton();
    cree_image();
    LabDate = cree_etiquette("LabDate", 136, 80);
    LabDecrit = cree_etiquette("LabDecrit", 136, 32);
}

QLabel* TAboutBox::cree_etiquette(const char* nom, int gauche, int haut) {
    auto* etiquette = new QLabel(Panel1);
    etiquette->setObjectName(QString::fromLatin1(nom));
    etiquette->move(gauche, haut);
    return etiquette;
}

void TAboutBox::cree_image() {
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 97, 89);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setScaledContents(false);
    Image1->setPixmap(QPixmap::fromImage(dessin::image_apropos()));
}

void TAboutBox::cree_bouton() {
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::RafraichitApropos() {
    const Traducteur T;
    setWindowTitle(plateforme::qt(T.traduit("A propos")));
    pose_texte(ProductName, T.traduit("Quorvel.exe"));
    pose_texte(Version, "version 2.0.2.4");
    pose_texte(LabDate, T.traduit("24/ 8/2004") + "-" + T.traduit("8/ 2/2009"));
    pose_texte(LabDecrit, T.traduit("Génétique des populations"));
}

void TAboutBox::showEvent(QShowEvent* evenement) {
    centre_sur_ecran();
    placement::garde_dans_ecran(*this);
    QDialog::showEvent(evenement);
}

// The box closes by its button, Enter or the close control only; Escape is
// left to the program (it stops a run) and does not close it.
void TAboutBox::keyPressEvent(QKeyEvent* evenement) {
    if (evenement->key() == Qt::Key_Escape && evenement->modifiers() == Qt::NoModifier) {
        evenement->accept();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void TAboutBox::centre_sur_ecran() {
    const QScreen* ecran = screen();
    if (ecran == nullptr) {
        return;
    }
    QRect cadre = frameGeometry();
    cadre.moveCenter(ecran->availableGeometry().center());
    move(cadre.topLeft());
}
