#include "ui/commandes_fichier.h"

#include "donnees/exportation.h"
#include "donnees/fichier_atomique.h"
#include "i18n/traducteur.h"
#include "model/options_mesure.h"
#include "model/simulation.h"
#include "ui/ProjetType.h"
#include "ui/dialogue_consignes.h"
#include "ui/donnees_installees.h"
#include "ui/ecran.h"
#include "ui/placement.h"
#include "ui/plateforme.h"
#include "ui/reglages.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>

using plateforme::qt;

namespace {

constexpr int nb_recents_max = 8;
const QString cle_recents = QStringLiteral("fichiers_recents");

QString tr_(const char* cle) {
    return qt(Traducteur().traduit(cle));
}

std::string local(const QString& chemin) {
    return QFile::encodeName(chemin).toStdString();
}

QString nom_affiche(const QString& chemin) {
    return QDir::toNativeSeparators(chemin);
}

QString filtres_scenario() {
    return tr_("Scénarios de Quorvel (*.quorvel)") + QStringLiteral(";;") +
           tr_("Tous les fichiers (*)");
}

// The window's own dialogs, for the user.
Tcommandes_fichier::Tdialogues dialogues_utilisateur(QWidget* fenetre) {
    Tcommandes_fichier::Tdialogues d;
    d.chemin_ouverture = [fenetre](const QString& titre, const QString& filtres) {
        return QFileDialog::getOpenFileName(fenetre, titre, QString(), filtres);
    };
    d.chemin_enregistrement = [fenetre](const QString& titre, const QString& filtres,
                                        const QStringList& suffixes, const QString& nom) {
        QFileDialog dialogue(fenetre, titre, nom, filtres);
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setDefaultSuffix(suffixes.value(0));
        const QStringList noms = filtres.split(QStringLiteral(";;"));
        QObject::connect(&dialogue, &QFileDialog::filterSelected, &dialogue,
                         [&dialogue, noms, suffixes](const QString& filtre) {
                             dialogue.setDefaultSuffix(
                                 suffixes.value(static_cast<int>(noms.indexOf(filtre))));
                         });
        return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
    };
    d.message = [fenetre](QMessageBox::Icon icone, const QString& texte, const QString& details) {
        QMessageBox boite(icone, QStringLiteral("Quorvel"), texte, QMessageBox::Ok, fenetre);
        boite.setInformativeText(details);
        boite.exec();
    };
    d.question_fermeture = [fenetre] {
        return QMessageBox::question(
            fenetre, QStringLiteral("Quorvel"),
            tr_("Le scénario a changé depuis son dernier enregistrement. L'enregistrer ?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    };
    return d;
}

} // namespace

Tcommandes_fichier::Tcommandes_fichier(TForm1& fenetre, QMenu& menu)
    : QObject(&fenetre), fenetre(fenetre), images_(*fenetre.Ecran2, *fenetre.Ecran1) {
    reference = scenario_courant();
    dialogues = dialogues_utilisateur(&fenetre);
    dialogues.choix_image = [this](Tchoix_graphique choix) -> std::optional<Tchoix_image> {
        Tdialogue_image dialogue(&this->fenetre, images_, choix);
        if (dialogue.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialogue.choix();
    };
    cree_actions(menu);
    cree_menus_graphiques();
    // The usual keys of the program's first commands.
    fenetre.FileExit1->setShortcut(QKeySequence::Quit);
    fenetre.HelpContents1->setShortcut(QKeySequence::HelpContents);
}

Tcommandes_fichier::~Tcommandes_fichier() = default;

void Tcommandes_fichier::cree_actions(QMenu& menu) {
    const auto action = [this](const char* texte, QKeySequence touches,
                               void (Tcommandes_fichier::*handler)()) {
        auto* a = new QAction(QString::fromUtf8(texte), &fenetre);
        a->setShortcut(touches);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    Ouvrir = action("&Ouvrir un scénario…", QKeySequence::Open, &Tcommandes_fichier::OuvrirExecute);
    Enregistrer = action("&Enregistrer le scénario", QKeySequence::Save,
                         &Tcommandes_fichier::EnregistrerExecute);
    EnregistrerSous = action("Enregistrer le scénario &sous…", QKeySequence::SaveAs,
                             &Tcommandes_fichier::EnregistrerSousExecute);
    Consignes =
        action("&Consignes du scénario…", QKeySequence(), &Tcommandes_fichier::ConsignesExecute);
    EnregistrerImage = action("Enregistrer l'ima&ge…", QKeySequence(),
                              &Tcommandes_fichier::EnregistrerImageExecute);
    CopierGraphique = action("Co&pier le graphique", QKeySequence::Copy,
                             &Tcommandes_fichier::CopierGraphiqueExecute);
    ExporterDonnees = action("Expor&ter les données (CSV)…", QKeySequence(),
                             &Tcommandes_fichier::ExporterDonneesExecute);
    Imprimer = action("&Imprimer…", QKeySequence::Print, &Tcommandes_fichier::ImprimerExecute);

    Recents = new QMenu(QString::fromUtf8("Scénarios &récents"), &fenetre);
    Exemples = new QMenu(QString::fromUtf8("E&xemples de scénarios"), &fenetre);
    connect(Recents, &QMenu::aboutToShow, this, &Tcommandes_fichier::remplit_recents);
    connect(Exemples, &QMenu::aboutToShow, this, &Tcommandes_fichier::remplit_exemples);
    // A run under way must end before a scenario replaces its settings.
    connect(&menu, &QMenu::aboutToShow, this, [this] {
        for (QAction* a :
             {Ouvrir, Recents->menuAction(), Exemples->menuAction(), ExporterDonnees}) {
            a->setEnabled(!mesure_en_cours);
        }
    });

    menu.addSeparator();
    menu.addAction(Ouvrir);
    menu.addMenu(Recents);
    menu.addMenu(Exemples);
    menu.addAction(Enregistrer);
    menu.addAction(EnregistrerSous);
    menu.addAction(Consignes);
    menu.addSeparator();
    menu.addAction(EnregistrerImage);
    menu.addAction(CopierGraphique);
    menu.addAction(ExporterDonnees);
    menu.addSeparator();
    menu.addAction(Imprimer);
}

// Each chart takes the focus when clicked (Ctrl+C then copies it) and has a
// menu of its own.
void Tcommandes_fichier::cree_menus_graphiques() {
    for (Tecran* ecran : {fenetre.Ecran1, fenetre.Ecran2}) {
        ecran->setFocusPolicy(Qt::ClickFocus);
        ecran->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(ecran, &QWidget::customContextMenuRequested, this, [this, ecran](QPoint position) {
            const Tchoix_graphique choix =
                ecran == fenetre.Ecran2 ? Tchoix_graphique::frequences : Tchoix_graphique::effectif;
            QMenu menu(ecran);
            menu.addAction(
                qt(Traducteur().retraduit(plateforme::std_(CopierGraphique->text()))), this,
                [this, choix] { QGuiApplication::clipboard()->setImage(images_.image(choix)); });
            menu.addAction(qt(Traducteur().retraduit(plateforme::std_(EnregistrerImage->text()))),
                           this, [this, choix] { enregistre_image_de(choix); });
            menu.exec(ecran->mapToGlobal(position));
        });
    }
}

// --- Scenarios ---

Tscenario Tcommandes_fichier::scenario_courant() const {
    Tscenario s;
    s.titre = titre;
    s.instructions = instructions;
    s.parametres = parametres;
    s.replicats = options_mesure.replicats;
    s.graine = options_mesure.graine;
    return s;
}

bool Tcommandes_fichier::modifie() const {
    const bool document = !chemin_.isEmpty() || !titre.empty() || !instructions.empty();
    return document && scenario_courant() != reference;
}

void Tcommandes_fichier::applique(const Tscenario& s) {
    const Tparametres_mesure& p = s.parametres;
    parametres.nb_alleles = p.nb_alleles;
    parametres.frequences = p.frequences;
    parametres.letalites = p.letalites;
    parametres.effectif_min = p.effectif_min;
    parametres.effectif_max = p.effectif_max;
    parametres.fecondite = p.fecondite;
    parametres.nb_generations = p.nb_generations;
    parametres.ajuste();
    options_mesure.replicats = s.replicats;
    options_mesure.graine = s.graine;
    titre = s.titre;
    instructions = s.instructions;
    // The window and, when it shows, the control panel read them again.
    fenetre.RafraichitExecute();
    fenetre.update();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* panneau = qobject_cast<TForm2*>(w); panneau != nullptr && panneau->isVisible()) {
            panneau->RafraichitPanneau();
        }
    }
}

bool Tcommandes_fichier::ouvre(const QString& chemin, bool exemple) {
    if (mesure_en_cours) {
        return false;
    }
    Tlecture_scenario lecture;
    try {
        lecture = charge_scenario(local(chemin));
    } catch (const Terreur_scenario& e) {
        dialogues.message(QMessageBox::Warning,
                          tr_("Impossible d'ouvrir le scénario %1.").arg(nom_affiche(chemin)),
                          qt(e.what()));
        return false;
    }
    applique(lecture.scenario);
    chemin_ = exemple ? QString() : QFileInfo(chemin).absoluteFilePath();
    reference = scenario_courant();
    if (!exemple) {
        ajoute_recent(chemin_);
    }
    if (!lecture.ajustements.empty()) {
        QStringList lignes;
        for (const Tajustement& a : lecture.ajustements) {
            lignes << qt(a.message);
        }
        dialogues.message(QMessageBox::Information,
                          tr_("Le scénario %1 est ouvert ; ces valeurs ont été ramenées dans "
                              "les limites du panneau :")
                              .arg(nom_affiche(chemin)),
                          lignes.join('\n'));
    }
    if (!titre.empty() || !instructions.empty()) {
        montre_consignes();
    }
    return true;
}

bool Tcommandes_fichier::enregistre(const QString& chemin) {
    prend_consignes();
    const Tscenario s = scenario_courant();
    try {
        enregistre_scenario(local(chemin), s);
    } catch (const Tfichier_atomique::Terreur& e) {
        signale_echec_enregistrement(chemin, QString::fromLocal8Bit(std::strerror(e.code)));
        return false;
    }
    chemin_ = QFileInfo(chemin).absoluteFilePath();
    reference = s;
    ajoute_recent(chemin_);
    return true;
}

bool Tcommandes_fichier::peut_fermer() {
    prend_consignes();
    if (!modifie()) {
        return true;
    }
    switch (dialogues.question_fermeture()) {
    case QMessageBox::Discard:
        return true;
    case QMessageBox::Save:
        if (chemin_.isEmpty()) {
            EnregistrerSousExecute();
            return !modifie();
        }
        return enregistre(chemin_);
    default:
        return false;
    }
}

void Tcommandes_fichier::OuvrirExecute() {
    if (mesure_en_cours) {
        return;
    }
    const QString chemin =
        dialogues.chemin_ouverture(tr_("Ouvrir un scénario"), filtres_scenario());
    if (!chemin.isEmpty()) {
        ouvre(chemin);
    }
}

void Tcommandes_fichier::EnregistrerExecute() {
    if (chemin_.isEmpty()) {
        EnregistrerSousExecute();
    } else {
        enregistre(chemin_);
    }
}

void Tcommandes_fichier::EnregistrerSousExecute() {
    const QString propose = !chemin_.isEmpty() ? chemin_
                            : !titre.empty()   ? qt(titre) + QString::fromLatin1(extension_scenario)
                                               : QString();
    const QString chemin =
        dialogues.chemin_enregistrement(tr_("Enregistrer le scénario"), filtres_scenario(),
                                        {QStringLiteral("quorvel"), QString()}, propose);
    if (!chemin.isEmpty()) {
        enregistre(chemin);
    }
}

// --- Title and instructions ---

// Beside the window, where it leaves the charts in view.
void Tcommandes_fichier::montre_consignes() {
    const bool nouveau = consignes.isNull();
    if (nouveau) {
        consignes = new Tdialogue_consignes(&fenetre);
        connect(consignes, &QDialog::accepted, this, &Tcommandes_fichier::prend_consignes);
        consignes->move(fenetre.frameGeometry().topRight() + QPoint(8, 0));
    }
    consignes->montre(qt(titre), qt(instructions));
    if (nouveau) {
        placement::garde_dans_ecran(*consignes);
    }
}

// What the dialog holds once accepted.
void Tcommandes_fichier::prend_consignes() {
    if (consignes.isNull() || consignes->result() != QDialog::Accepted) {
        return;
    }
    titre = plateforme::std_(consignes->titre());
    instructions = plateforme::std_(consignes->instructions());
    consignes->setResult(QDialog::Rejected);
}

void Tcommandes_fichier::ConsignesExecute() {
    montre_consignes();
}

// --- Recent files and examples ---

std::unique_ptr<QSettings> Tcommandes_fichier::reglages() const {
    if (!fichier_reglages.isEmpty()) {
        return std::make_unique<QSettings>(fichier_reglages, QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QStringLiteral("Quorvel"), QStringLiteral("Quorvel"));
}

QStringList Tcommandes_fichier::recents() const {
    return reglages()->value(cle_recents).toStringList();
}

void Tcommandes_fichier::ajoute_recent(const QString& chemin) {
    QStringList liste = recents();
    liste.removeAll(chemin);
    liste.prepend(chemin);
    while (liste.size() > nb_recents_max) {
        liste.removeLast();
    }
    reglages()->setValue(cle_recents, liste);
}

void Tcommandes_fichier::enleve_recent(const QString& chemin) {
    QStringList liste = recents();
    liste.removeAll(chemin);
    reglages()->setValue(cle_recents, liste);
}

void Tcommandes_fichier::remplit_recents() {
    Recents->clear();
    const QStringList liste = recents();
    int numero = 1;
    for (const QString& chemin : liste) {
        QAction* a =
            Recents->addAction(QStringLiteral("&%1 %2").arg(numero++).arg(nom_affiche(chemin)));
        connect(a, &QAction::triggered, this, [this, chemin] {
            if (!QFileInfo::exists(chemin)) {
                enleve_recent(chemin);
            }
            ouvre(chemin);
        });
    }
    if (liste.isEmpty()) {
        Recents->addAction(tr_("(aucun)"))->setEnabled(false);
        return;
    }
    Recents->addSeparator();
    connect(Recents->addAction(tr_("Effacer la liste")), &QAction::triggered, this,
            [this] { reglages()->remove(cle_recents); });
}

QStringList Tcommandes_fichier::exemples() const {
    const QString langue = Traducteur().langue() == francais ? "fr" : "en";
    const QDir dossier(fichier_installe(QStringLiteral("scenarios/") + langue));
    QStringList chemins;
    for (const QString& nom :
         dossier.entryList({QStringLiteral("*.quorvel")}, QDir::Files, QDir::Name)) {
        chemins << dossier.filePath(nom);
    }
    return chemins;
}

// Each example by its title.
void Tcommandes_fichier::remplit_exemples() {
    Exemples->clear();
    for (const QString& chemin : exemples()) {
        QString nom = QFileInfo(chemin).completeBaseName();
        try {
            const std::string t = charge_scenario(local(chemin)).scenario.titre;
            if (!t.empty()) {
                nom = qt(t);
            }
        } catch (const Terreur_scenario&) {
        }
        connect(Exemples->addAction(nom), &QAction::triggered, this,
                [this, chemin] { ouvre(chemin, true); });
    }
    if (Exemples->isEmpty()) {
        Exemples->addAction(tr_("(aucun)"))->setEnabled(false);
    }
}

// --- Saving bytes, and saying when it failed ---

void Tcommandes_fichier::signale_echec_enregistrement(const QString& chemin,
                                                      const QString& raison) {
    dialogues.message(QMessageBox::Critical,
                      tr_("Impossible d'enregistrer %1.").arg(nom_affiche(chemin)),
                      raison + QStringLiteral("\n\n") +
                          tr_("Rien n'a été enregistré ; un fichier précédent de ce nom est resté "
                              "tel qu'il était."));
}

bool Tcommandes_fichier::enregistre_octets(const QString& chemin, const QByteArray& octets) {
    try {
        Tfichier_atomique fichier(local(chemin));
        fichier.flux().write(octets.constData(), octets.size());
        fichier.valide();
    } catch (const Tfichier_atomique::Terreur& e) {
        signale_echec_enregistrement(chemin, QString::fromLocal8Bit(std::strerror(e.code)));
        return false;
    }
    return true;
}

// --- Images ---

Tchoix_graphique Tcommandes_fichier::graphique_vise() const {
    const QWidget* focus = QApplication::focusWidget();
    if (focus == fenetre.Ecran2 || fenetre.Ecran2->underMouse()) {
        return Tchoix_graphique::frequences;
    }
    if (focus == fenetre.Ecran1 || fenetre.Ecran1->underMouse()) {
        return Tchoix_graphique::effectif;
    }
    return Tchoix_graphique::les_deux;
}

bool Tcommandes_fichier::enregistre_image(const QString& chemin, const Tchoix_image& choix) {
    if (QFileInfo(chemin).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        return enregistre_octets(chemin, images_.svg(choix.graphique, choix.taille));
    }
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!images_.image(choix.graphique, choix.taille).save(&tampon, "PNG")) {
        signale_echec_enregistrement(chemin, QStringLiteral("PNG"));
        return false;
    }
    return enregistre_octets(chemin, octets);
}

void Tcommandes_fichier::enregistre_image_de(Tchoix_graphique graphique) {
    const std::optional<Tchoix_image> choix = dialogues.choix_image(graphique);
    if (!choix) {
        return;
    }
    const QString chemin = dialogues.chemin_enregistrement(
        tr_("Enregistrer l'image"),
        tr_("Image PNG (*.png)") + QStringLiteral(";;") + tr_("Image SVG (*.svg)"),
        {QStringLiteral("png"), QStringLiteral("svg")}, QString());
    if (!chemin.isEmpty()) {
        enregistre_image(chemin, *choix);
    }
}

void Tcommandes_fichier::EnregistrerImageExecute() {
    enregistre_image_de(graphique_vise());
}

void Tcommandes_fichier::CopierGraphiqueExecute() {
    QGuiApplication::clipboard()->setImage(images_.image(graphique_vise()));
}

// --- Data ---

bool Tcommandes_fichier::exporte(const QString& chemin) {
    const std::vector<const Tregistre_mesure*> registres = fenetre.registres_affiches();
    try {
        exporte_csv(local(chemin), registres);
    } catch (const Tfichier_atomique::Terreur& e) {
        signale_echec_enregistrement(chemin, QString::fromLocal8Bit(std::strerror(e.code)));
        return false;
    }
    return true;
}

void Tcommandes_fichier::ExporterDonneesExecute() {
    if (mesure_en_cours) {
        dialogues.message(QMessageBox::Information,
                          tr_("Une mesure est en cours : exportez ses données quand elle sera "
                              "finie."),
                          QString());
        return;
    }
    const std::vector<const Tregistre_mesure*> registres = fenetre.registres_affiches();
    const bool vide = std::all_of(registres.begin(), registres.end(), [](const auto* r) {
        return r == nullptr || r->generations.empty();
    });
    if (vide) {
        dialogues.message(QMessageBox::Information,
                          tr_("Aucune mesure à exporter : lancez d'abord une mesure."), QString());
        return;
    }
    const QString chemin =
        dialogues.chemin_enregistrement(tr_("Exporter les données"), tr_("Données CSV (*.csv)"),
                                        {QStringLiteral("csv")}, QString());
    if (!chemin.isEmpty()) {
        exporte(chemin);
    }
}

// --- Printing ---

void Tcommandes_fichier::imprime(QPrinter& imprimante) const {
    QPainter peintre(&imprimante);
    const QRectF page = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
    QRectF reste(QPointF(), page.size());
    if (!titre.empty()) {
        QFont police = QApplication::font();
        police.setPointSizeF(14);
        police.setBold(true);
        peintre.setFont(police);
        QRectF occupe;
        peintre.drawText(reste, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, qt(titre),
                         &occupe);
        reste.setTop(occupe.bottom() + imprimante.resolution() / 4.0);
    }
    images_.dessine(peintre, Tchoix_graphique::les_deux, reste);
}

void Tcommandes_fichier::ImprimerExecute() {
    QPrinter imprimante(QPrinter::HighResolution);
    QPrintPreviewDialog apercu(&imprimante, &fenetre);
    connect(&apercu, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { imprime(*p); });
    apercu.exec();
}
