#include "ui/reglages.h"

#include "i18n/traducteur.h"
#include "model/bornes.h"
#include "model/options_mesure.h"
#include "model/parametres.h"
#include "ui/placement.h"
#include "ui/plateforme.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Window position of the panel's frame, and the client area that holds every
// control (the lowest bars end at 174).
constexpr int gauche_fenetre = 116;
constexpr int haut_fenetre = 493;
constexpr int largeur_client = 645;
constexpr int hauteur_client = 232; // the bars, then the row of the run's options

constexpr int long_barre = 126;
constexpr int large_barre = 33;

// Vertical bars hold their minimum at the top: the arrows and the wheel move
// the thumb the way they point.
QSlider* barre_verticale(QWidget* parent, const char* nom, int gauche, int haut) {
    auto* barre = new QSlider(Qt::Vertical, parent);
    barre->setObjectName(QLatin1String(nom));
    barre->setGeometry(gauche, haut, large_barre, long_barre);
    barre->setInvertedAppearance(true);
    barre->setInvertedControls(true);
    barre->setTickPosition(QSlider::TicksRight);
    return barre;
}

QSlider* barre_horizontale(QWidget* parent, const char* nom, int gauche, int haut) {
    auto* barre = new QSlider(Qt::Horizontal, parent);
    barre->setObjectName(QLatin1String(nom));
    barre->setGeometry(gauche, haut, long_barre, large_barre);
    barre->setTickPosition(QSlider::TicksBelow);
    return barre;
}

QLabel* etiquette(QWidget* parent, const char* nom, int gauche, int haut, const char* texte = "") {
    auto* label = new QLabel(QString::fromUtf8(texte), parent);
    label->setObjectName(QLatin1String(nom));
    label->move(gauche, haut);
    label->adjustSize();
    return label;
}

QPushButton* bouton(QWidget* parent, const char* nom, int gauche, int haut, const char* texte) {
    auto* b = new QPushButton(QString::fromUtf8(texte), parent);
    b->setObjectName(QLatin1String(nom));
    b->setGeometry(gauche, haut, 15, 15);
    return b;
}

// A label sized to its text, as a label of the panel always is.
void ecrit(QLabel* label, const QString& texte) {
    label->setText(texte);
    label->adjustSize();
}

void ecrit(QLabel* label, const std::string& texte) {
    ecrit(label, plateforme::qt(texte));
}

// Maximum, minimum, tick spacing and position, in that order; a bar clamps
// the position to its range.
void regle(QSlider* barre, int maximum, int minimum, int graduation, int position) {
    barre->setMaximum(maximum);
    barre->setMinimum(minimum);
    barre->setTickInterval(graduation);
    barre->setValue(position);
}

int entier_barre(std::uint32_t valeur) {
    return static_cast<int>(std::min<std::uint32_t>(valeur, INT32_MAX));
}

// Percent position of a fraction, rounded half up.
int pourcent(float fraction) {
    return static_cast<int>(static_cast<double>(fraction) * 100.0 + 0.5);
}

float centiemes(const QSlider* barre) {
    return static_cast<float>(barre->value() * 0.01);
}

} // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
    // A visible panel must not keep the program alive once the main window closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(plateforme::police_formulaires());
    move(gauche_fenetre, haut_fenetre);
    resize(largeur_client, hauteur_client);
    cree_colonnes_de_gauche();
    cree_colonnes_alleles();
    cree_rangee_mesure();
    fixe_ordre_tabulation();
    connecte_barres();
    InitialisationExecute();
}

void TForm2::cree_colonnes_de_gauche() {
    Bar_nb_all = barre_verticale(this, "Bar_nb_all", 288, 48);
    Bar_nb_all->setRange(2, 4);
    Bar_nb_all->setTickInterval(1);
    LabBarNbAll = etiquette(this, "LabBarNbAll", 280, 24);
    LabNbGen = etiquette(this, "LabNbGen", 208, 8);
    Bar_nb_gen = barre_verticale(this, "Bar_nb_gen", 216, 48);
    Label1 = etiquette(this, "Label1", 328, 152, "4");
    Label2 = etiquette(this, "Label2", 329, 104, "3");
    Label3 = etiquette(this, "Label3", 328, 56, "2");
    LabNbGenMax = etiquette(this, "LabNbGenMax", 248, 152);
    LabNbGenMin = etiquette(this, "LabNbGenMin", 256, 56);
    LabEfMax = etiquette(this, "LabEfMax", 144, 24);
    LabEfMaxMax = etiquette(this, "LabEfMaxMax", 184, 152);
    LabEfMaxMin = etiquette(this, "LabEfMaxMin", 192, 56);
    Bar_Ef_Max = barre_verticale(this, "Bar_Ef_Max", 152, 48);
    LabEfMin = etiquette(this, "LabEfMin", 72, 8);
    LabEfMinMax = etiquette(this, "LabEfMinMax", 112, 152);
    LabEfMinMin = etiquette(this, "LabEfMinMin", 120, 56);
    Bar_Ef_Min = barre_verticale(this, "Bar_Ef_Min", 80, 48);
    LabFec = etiquette(this, "LabFec", 0, 24);
    LabFecMax = etiquette(this, "LabFecMax", 48, 152);
    LabFecMin = etiquette(this, "LabFecMin", 48, 56);
    Bar_Fec = barre_verticale(this, "Bar_Fec", 8, 48);
}

void TForm2::cree_colonnes_alleles() {
    BarFreqAl1 = barre_horizontale(this, "BarFreqAl1", 360, 40);
    LabFreq = etiquette(this, "LabFreq", 400, 8);
    LabFreqMin = etiquette(this, "LabFreqMin", 360, 24);
    LabFreqMax = etiquette(this, "LabFreqMax", 456, 24);
    LabLetal = etiquette(this, "LabLetal", 552, 8);
    LabLetMin = etiquette(this, "LabLetMin", 504, 24);
    LabLetMax = etiquette(this, "LabLetMax", 600, 24);
    BarLetAl1 = barre_horizontale(this, "BarLetAl1", 504, 40);
    BarFreqAl2 = barre_horizontale(this, "BarFreqAl2", 360, 72);
    BarLetAl2 = barre_horizontale(this, "BarLetAl2", 504, 72);
    BarFreqAl3 = barre_horizontale(this, "BarFreqAl3", 360, 104);
    BarLetAl3 = barre_horizontale(this, "BarLetAl3", 504, 104);
    BarLetAl4 = barre_horizontale(this, "BarLetAl4", 504, 136);
    BarFreqAl4 = barre_horizontale(this, "BarFreqAl4", 360, 136);
    Labnum1 = etiquette(this, "Labnum1", 490, 48, "1");
    Labnum2 = etiquette(this, "Labnum2", 490, 80, "2");
    Labnum3 = etiquette(this, "Labnum3", 490, 112, "3");
    Labnum4 = etiquette(this, "Labnum4", 490, 144, "4");
    MinPlus = bouton(this, "MinPlus", 96, 32, "+");
    MinMoins = bouton(this, "MinMoins", 72, 32, "-");
}

void TForm2::cree_rangee_mesure() {
    constexpr int haut = 184;
    LabReplicats = etiquette(this, "LabReplicats", 8, haut + 3);
    SpinReplicats = new QSpinBox(this);
    SpinReplicats->setObjectName(QStringLiteral("SpinReplicats"));
    SpinReplicats->setGeometry(80, haut, 64, 22);
    SpinReplicats->setRange(1, static_cast<int>(Toptions_mesure::replicats_max));
    LabAlleleSuivi = etiquette(this, "LabAlleleSuivi", 160, haut + 3);
    ComboAlleleSuivi = new QComboBox(this);
    ComboAlleleSuivi->setObjectName(QStringLiteral("ComboAlleleSuivi"));
    ComboAlleleSuivi->setGeometry(248, haut, 88, 22);
    LabGraine = etiquette(this, "LabGraine", 360, haut + 3);
    EditGraine = new QLineEdit(this);
    EditGraine->setObjectName(QStringLiteral("EditGraine"));
    EditGraine->setGeometry(416, haut, 184, 22);
    LabGraineErreur = etiquette(this, "LabGraineErreur", 300, haut + 26);
    QPalette rouge = LabGraineErreur->palette();
    rouge.setColor(QPalette::WindowText, QColor(255, 0, 0));
    LabGraineErreur->setPalette(rouge);
    LabGraineErreur->hide();
}

void TForm2::fixe_ordre_tabulation() {
    QWidget* const ordre[] = {Bar_nb_all,    Bar_nb_gen,       Bar_Ef_Max, Bar_Ef_Min, Bar_Fec,
                              BarFreqAl1,    BarLetAl1,        BarFreqAl2, BarLetAl2,  BarFreqAl3,
                              BarLetAl3,     BarLetAl4,        BarFreqAl4, MinPlus,    MinMoins,
                              SpinReplicats, ComboAlleleSuivi, EditGraine};
    for (std::size_t i = 1; i < std::size(ordre); ++i) {
        setTabOrder(ordre[i - 1], ordre[i]);
    }
}

void TForm2::connecte_barres() {
    connect(Bar_nb_all, &QSlider::valueChanged, this, &TForm2::ChangeNbAlleleExecute);
    connect(Bar_nb_gen, &QSlider::valueChanged, this, &TForm2::ChangeNbGenExecute);
    connect(Bar_Ef_Max, &QSlider::valueChanged, this, &TForm2::ChangeEfMaxExecute);
    connect(Bar_Ef_Min, &QSlider::valueChanged, this, &TForm2::ChangeEfMinExecute);
    connect(Bar_Fec, &QSlider::valueChanged, this, &TForm2::ChangeFeconditeExecute);
    connect(BarFreqAl1, &QSlider::valueChanged, this, &TForm2::ChangeFreqAl1Execute);
    connect(BarFreqAl2, &QSlider::valueChanged, this, &TForm2::ChangeFreqAl2Execute);
    connect(BarFreqAl3, &QSlider::valueChanged, this, &TForm2::ChangeFreqAl3Execute);
    connect(BarFreqAl4, &QSlider::valueChanged, this, &TForm2::ChangeFreqAl4Execute);
    connect(BarLetAl1, &QSlider::valueChanged, this, &TForm2::ChangeLet1Execute);
    connect(BarLetAl2, &QSlider::valueChanged, this, &TForm2::ChangeLet2Execute);
    connect(BarLetAl3, &QSlider::valueChanged, this, &TForm2::ChangeLet3Execute);
    connect(BarLetAl4, &QSlider::valueChanged, this, &TForm2::ChangeLet4Execute);
    connect(MinPlus, &QPushButton::clicked, this, &TForm2::MinPlusClick);
    connect(MinMoins, &QPushButton::clicked, this, &TForm2::MinMoinsClick);
    connect(SpinReplicats, qOverload<int>(&QSpinBox::valueChanged), this,
            &TForm2::ChangeReplicatsExecute);
    connect(ComboAlleleSuivi, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TForm2::ChangeAlleleSuiviExecute);
    connect(EditGraine, &QLineEdit::editingFinished, this, &TForm2::ChangeGraineExecute);
}

void TForm2::AttacheParametres(Tparametres_mesure& parametres) {
    parametres_ = &parametres;
}

void TForm2::attache_fenetre(QWidget* principale) {
    principale_ = principale;
}

void TForm2::RafraichitPanneau() {
    if (parametres_ == nullptr) {
        return;
    }
    const Traducteur t;
    parametres_->modifiable = false;
    redessine_titres_globaux(t);
    redessine_generations(t);
    redessine_effectifs(t);
    redessine_fecondite(t);
    redessine_titres_alleles(t);
    redessine_rangees_alleles();
    redessine_mesure(t);
    if (parametres_->a_change() && principale_ != nullptr) {
        principale_->repaint();
    }
    parametres_->modifiable = true;
}

// Caption, then the number of alleles: `ajuste` first, so that the per-allele
// sequences fit the count before anything reads them.
void TForm2::redessine_titres_globaux(const Traducteur& t) {
    setWindowTitle(plateforme::qt(t.traduit("Panneau de commande")));
    ecrit(LabBarNbAll, t.traduit("Nb d'allèles"));
    Bar_nb_all->setValue(entier_barre(parametres_->ajuste().nb_alleles));
}

void TForm2::redessine_generations(const Traducteur& t) {
    const Tparametres_mesure& p = *parametres_;
    ecrit(LabNbGen, t.traduit("Nb générations"));
    ecrit(LabNbGenMax, plateforme::entier(p.nb_generations_max, true));
    ecrit(LabNbGenMin, QStringLiteral("0"));
    regle(Bar_nb_gen, entier_barre(p.nb_generations_max), 0,
          entier_barre(p.nb_generations_max / 10), entier_barre(p.nb_generations));
}

void TForm2::redessine_effectifs(const Traducteur& t) {
    const Tparametres_mesure& p = *parametres_;
    const int plafond = entier_barre(p.effectif_plafond);
    const int graduation = entier_barre(p.effectif_plafond / 10);
    ecrit(LabEfMax, t.traduit("Effectif") + " maxi");
    ecrit(LabEfMaxMax, plateforme::entier(p.effectif_plafond, true));
    ecrit(LabEfMaxMin, QStringLiteral("0"));
    regle(Bar_Ef_Max, plafond, 0, graduation, entier_barre(p.effectif_max));
    MinPlus->setToolTip(plateforme::qt(t.traduit("Réglage fin: Ajoute un individu")));
    MinMoins->setToolTip(plateforme::qt(t.traduit("Réglage fin: Enlève un individu")));
    ecrit(LabEfMin, t.traduit("Effectif") + " mini");
    ecrit(LabEfMinMax, plateforme::entier(p.effectif_plafond, true));
    ecrit(LabEfMinMin, QStringLiteral("0"));
    regle(Bar_Ef_Min, plafond, 0, graduation, entier_barre(p.effectif_min));
}

void TForm2::redessine_fecondite(const Traducteur& t) {
    const Tparametres_mesure& p = *parametres_;
    ecrit(LabFec, t.traduit("Fécondité"));
    ecrit(LabFecMax, plateforme::decimal_un(p.fecondite_max));
    ecrit(LabFecMin, plateforme::decimal_un(p.fecondite_min));
    regle(Bar_Fec, static_cast<int>(static_cast<double>(p.fecondite_max) * 100.0),
          static_cast<int>(static_cast<double>(p.fecondite_min) * 100.0), 10,
          pourcent(p.fecondite));
}

void TForm2::redessine_titres_alleles(const Traducteur& t) {
    ecrit(LabFreq, t.traduit("Fréquences alléliques"));
    ecrit(LabFreqMin, QStringLiteral("0 %"));
    ecrit(LabFreqMax, QStringLiteral("100 %"));
    ecrit(LabLetal, t.traduit("Létalité"));
    ecrit(LabLetMin, QStringLiteral("0 %"));
    ecrit(LabLetMax, QStringLiteral("100 %"));
}

// Rows 1 and 2 are always shown, rows 3 and 4 only for as many alleles. The
// last allele's frequency follows from the others, so its bar is disabled.
// Rows beyond the count keep a position too: 0 for a frequency, the
// remembered lethality for a lethality.
void TForm2::redessine_rangees_alleles() {
    const Tparametres_mesure& p = *parametres_;
    const std::uint32_t n = p.nb_alleles;
    const auto frequence = [&](QSlider* barre, unsigned i) {
        regle(barre, 100, 0, 10, pourcent(p.frequence(i)));
    };
    const auto letalite = [&](QSlider* barre, unsigned i) {
        regle(barre, 100, 0, 10, pourcent(p.letalite(i)));
    };
    frequence(BarFreqAl1, 0);
    letalite(BarLetAl1, 0);

    BarFreqAl2->setEnabled(n > 2);
    frequence(BarFreqAl2, 1);
    letalite(BarLetAl2, 1);

    Labnum3->setVisible(n > 2);
    BarFreqAl3->setVisible(n > 2);
    BarFreqAl3->setEnabled(n > 3);
    frequence(BarFreqAl3, 2);
    BarLetAl3->setVisible(n > 2);
    letalite(BarLetAl3, 2);

    Labnum4->setVisible(n > 3);
    BarFreqAl4->setVisible(n > 3);
    BarFreqAl4->setEnabled(false);
    frequence(BarFreqAl4, 3);
    BarLetAl4->setVisible(n > 3);
    letalite(BarLetAl4, 3);
}

void TForm2::redessine_mesure(const Traducteur& t) {
    ecrit(LabReplicats, t.traduit("Réplicats"));
    SpinReplicats->setValue(static_cast<int>(options_mesure.replicats));
    ecrit(LabAlleleSuivi, t.traduit("Allèle suivi"));
    const int n = static_cast<int>(parametres_->nb_alleles);
    while (ComboAlleleSuivi->count() > n) {
        ComboAlleleSuivi->removeItem(ComboAlleleSuivi->count() - 1);
    }
    while (ComboAlleleSuivi->count() < n) {
        ComboAlleleSuivi->addItem(QString());
    }
    for (int i = 0; i < n; ++i) {
        ComboAlleleSuivi->setItemText(i,
                                      plateforme::qt(t.traduit("Allèle " + std::to_string(i + 1))));
    }
    ComboAlleleSuivi->setCurrentIndex(
        std::min(static_cast<int>(options_mesure.allele_suivi), n - 1));
    ComboAlleleSuivi->setEnabled(options_mesure.replicats > 1);
    ecrit(LabGraine, t.traduit("Graine"));
    EditGraine->setPlaceholderText(plateforme::qt(t.traduit("nouvelle à chaque mesure")));
    if (!EditGraine->hasFocus() && LabGraineErreur->isHidden()) {
        EditGraine->setText(options_mesure.graine ? QString::number(*options_mesure.graine)
                                                  : QString());
    }
    if (!LabGraineErreur->isHidden()) {
        ecrit(LabGraineErreur, t.traduit("La graine est un entier de 0 à 18446744073709551615."));
    }
}

void TForm2::ChangeReplicatsExecute() {
    if (!peut_ecrire()) {
        return;
    }
    options_mesure.replicats = static_cast<std::uint32_t>(SpinReplicats->value());
    RafraichitPanneau();
}

void TForm2::ChangeAlleleSuiviExecute() {
    if (!peut_ecrire() || ComboAlleleSuivi->currentIndex() < 0) {
        return;
    }
    options_mesure.allele_suivi = static_cast<std::uint32_t>(ComboAlleleSuivi->currentIndex());
}

// An empty field: a new seed for each run. A whole number: that seed, until
// the field is emptied. Anything else is refused, next to the field, and
// changes nothing.
void TForm2::ChangeGraineExecute() {
    if (!peut_ecrire()) {
        return;
    }
    const std::string texte = plateforme::std_(EditGraine->text().trimmed());
    std::uint64_t graine = 0;
    const char* fin = texte.data() + texte.size();
    const auto lu = std::from_chars(texte.data(), fin, graine);
    if (texte.empty()) {
        options_mesure.graine.reset();
    } else if (lu.ec == std::errc() && lu.ptr == fin) {
        options_mesure.graine = graine;
    } else {
        LabGraineErreur->show();
        RafraichitPanneau();
        return;
    }
    LabGraineErreur->hide();
    RafraichitPanneau();
}

bool TForm2::peut_ecrire() const {
    return parametres_ != nullptr && parametres_->modifiable;
}

void TForm2::ChangeNbAlleleExecute() {
    if (!peut_ecrire()) {
        return;
    }
    parametres_->nb_alleles = borne_nb_alleles(Bar_nb_all->value());
    RafraichitPanneau();
}

void TForm2::ChangeNbGenExecute() {
    if (!peut_ecrire()) {
        return;
    }
    parametres_->nb_generations = borne_nb_generations(*parametres_, Bar_nb_gen->value());
    RafraichitPanneau();
}

void TForm2::ChangeEfMaxExecute() {
    if (!peut_ecrire()) {
        return;
    }
    parametres_->effectif_max = borne_effectif_max(*parametres_, Bar_Ef_Max->value());
    RafraichitPanneau();
}

void TForm2::ChangeEfMinExecute() {
    if (!peut_ecrire()) {
        return;
    }
    parametres_->effectif_min = borne_effectif_min(*parametres_, Bar_Ef_Min->value());
    RafraichitPanneau();
}

void TForm2::ChangeFeconditeExecute() {
    if (!peut_ecrire()) {
        return;
    }
    parametres_->fecondite =
        fecondite_de_centiemes(borne_centiemes_fecondite(*parametres_, Bar_Fec->value()));
    RafraichitPanneau();
}

void TForm2::change_frequence(unsigned allele, const QSlider* barre) {
    if (!peut_ecrire()) {
        return;
    }
    parametres_->fixe_frequence(allele, centiemes(barre));
    RafraichitPanneau();
}

void TForm2::ChangeFreqAl1Execute() {
    change_frequence(0, BarFreqAl1);
}
void TForm2::ChangeFreqAl2Execute() {
    change_frequence(1, BarFreqAl2);
}
void TForm2::ChangeFreqAl3Execute() {
    change_frequence(2, BarFreqAl3);
}
void TForm2::ChangeFreqAl4Execute() {
    change_frequence(3, BarFreqAl4);
}

// A lethality takes part in no correction, so the panel is not redrawn; the
// main window learns of it at the next redraw or repaint.
void TForm2::change_letalite(unsigned allele, const QSlider* barre) {
    if (!peut_ecrire()) {
        return;
    }
    std::vector<float>& letalites = parametres_->letalites;
    if (letalites.size() <= allele) {
        letalites.resize(allele + 1, 0.0f);
    }
    letalites[allele] = centiemes(barre);
}

void TForm2::ChangeLet1Execute() {
    change_letalite(0, BarLetAl1);
}
void TForm2::ChangeLet2Execute() {
    change_letalite(1, BarLetAl2);
}
void TForm2::ChangeLet3Execute() {
    change_letalite(2, BarLetAl3);
}
void TForm2::ChangeLet4Execute() {
    change_letalite(3, BarLetAl4);
}

void TForm2::MinPlusClick() {
    if (!peut_ecrire()) {
        return;
    }
    parametres_->effectif_min = borne_effectif_min(*parametres_, Bar_Ef_Min->value() + 1);
    RafraichitPanneau();
}

// One below the bar's position, never below the floor.
void TForm2::MinMoinsClick() {
    if (!peut_ecrire()) {
        return;
    }
    parametres_->effectif_min = borne_effectif_min(*parametres_, Bar_Ef_Min->value() - 1);
    RafraichitPanneau();
}

void TForm2::showEvent(QShowEvent* evenement) {
    if (!evenement->spontaneous()) {
        placement::garde_dans_ecran(*this);
    }
    QWidget::showEvent(evenement);
}

// Creation handler: nothing to prepare, the first redraw fills the panel.
void TForm2::InitialisationExecute() {}
