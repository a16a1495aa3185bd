#pragma once

#include "donnees/scenario.h"
#include "ui/dialogue_image.h"
#include "ui/images_graphiques.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QPrinter;
class QSettings;
class TForm1;
class Tdialogue_consignes;

// The commands of the Files menu beyond Quitter: scenario files (open, save,
// recent files, examples, title and instructions), images of the charts
// (PNG, SVG, clipboard, printing) and the export of the runs as CSV. Every
// save goes through a temporary file renamed over its place, and a failure
// says so and leaves any earlier file as it was.
//
// A scenario is what the window's next run uses (the parameters, the number
// of replicates and the seed) with a title and instructions. Once a scenario
// was opened or saved, or given a title or instructions, closing the window
// with changes since asks whether to save them.
class Tcommandes_fichier : public QObject {
    Q_OBJECT
public:
    // Adds the commands to `menu`, after the items it holds, gives the charts
    // a context menu, and the usual shortcuts to Quitter and the help.
    Tcommandes_fichier(TForm1& fenetre, QMenu& menu);
    ~Tcommandes_fichier() override;

    QAction* Ouvrir = nullptr;
    QMenu* Recents = nullptr;
    QMenu* Exemples = nullptr;
    QAction* Enregistrer = nullptr;
    QAction* EnregistrerSous = nullptr;
    QAction* Consignes = nullptr;
    QAction* EnregistrerImage = nullptr;
    QAction* CopierGraphique = nullptr;
    QAction* ExporterDonnees = nullptr;
    QAction* Imprimer = nullptr;

    void OuvrirExecute();
    void EnregistrerExecute();
    void EnregistrerSousExecute();
    void ConsignesExecute();
    void EnregistrerImageExecute();
    void CopierGraphiqueExecute();
    void ExporterDonneesExecute();
    void ImprimerExecute();

    // Opens a scenario into the window's settings and shows its instructions.
    // A file that cannot be taken is reported and changes nothing. An example
    // opens without a file name, so that saving asks for one. True when open.
    bool ouvre(const QString& chemin, bool exemple = false);
    // Saves the scenario there; true when it was, a message otherwise.
    bool enregistre(const QString& chemin);
    bool enregistre_image(const QString& chemin, const Tchoix_image& choix);
    bool exporte(const QString& chemin);
    // The page: the scenario's title, then both charts across the page.
    void imprime(QPrinter& imprimante) const;

    // The scenario as the window's settings stand now.
    Tscenario scenario_courant() const;
    bool modifie() const;
    QString chemin() const { return chemin_; }

    // Whether the window may close: nothing to save, or the user saved or
    // gave it up. False when the user cancels or the save failed.
    bool peut_fermer();

    // The recent scenario files, the latest first.
    QStringList recents() const;
    // The example scenarios of the current language.
    QStringList exemples() const;

    const Timages_graphiques& images() const { return images_; }

    // Where the recent files are kept: the user's settings, or this file
    // when set (tests).
    QString fichier_reglages;

    // What the user is asked or told, replaceable (tests answer for the user).
    struct Tdialogues {
        std::function<QString(const QString& titre, const QString& filtres)> chemin_ouverture;
        // `suffixes`: the extension of each filter, in order.
        std::function<QString(const QString& titre, const QString& filtres,
                              const QStringList& suffixes, const QString& nom)>
            chemin_enregistrement;
        std::function<std::optional<Tchoix_image>(Tchoix_graphique)> choix_image;
        std::function<void(QMessageBox::Icon, const QString& texte, const QString& details)>
            message;
        std::function<QMessageBox::StandardButton()> question_fermeture;
    } dialogues;

private:
    void cree_actions(QMenu& menu);
    void cree_menus_graphiques();
    void cree_dialogues();
    void remplit_recents();
    void remplit_exemples();
    void applique(const Tscenario& scenario);
    std::unique_ptr<QSettings> reglages() const;
    void ajoute_recent(const QString& chemin);
    void enleve_recent(const QString& chemin);
    void montre_consignes();
    void prend_consignes();
    bool enregistre_octets(const QString& chemin, const QByteArray& octets);
    void signale_echec_enregistrement(const QString& chemin, const QString& raison);
    Tchoix_graphique graphique_vise() const;
    void enregistre_image_de(Tchoix_graphique choix);

    TForm1& fenetre;
    Timages_graphiques images_;
    QString chemin_;     // the scenario's file; empty before any
    Tscenario reference; // as last opened or saved (at start: the start-up settings)
    std::string titre;
    std::string instructions;
    QPointer<Tdialogue_consignes> consignes;
};
