#pragma once

#include <QString>
#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextBrowser;
class QUrl;

// The program's help viewer: a list of topics beside the help text, with
// back, forward and contents buttons. One window, reused by every help
// command; it does not block the rest of the program.
class TVisionneuseAide : public QWidget {
    Q_OBJECT
public:
    explicit TVisionneuseAide(QWidget* parent = nullptr);

    // Shows the help file at its contents list, or, when it cannot be read, a
    // message saying so. The viewer's own texts follow the current language.
    void ouvre(const QString& chemin);

    // True when the last file opened could be read.
    bool fichier_lu() const { return lu; }
    QString fichier() const { return chemin_fichier; }
    QTextBrowser* texte() const { return navigateur; }
    QListWidget* liste_rubriques() const { return rubriques; }
    QPushButton* bouton_precedent() const { return precedent; }
    QPushButton* bouton_suivant() const { return suivant; }
    QPushButton* bouton_sommaire() const { return sommaire; }

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void cree_boutons(QWidget* barre);
    void traduit_libelles();
    void affiche_fichier(const QString& chemin);
    void affiche_erreur(const QString& chemin);
    void remplit_rubriques();
    void va_a_rubrique(QListWidgetItem* element);
    void suit_source(const QUrl& source);

    QTextBrowser* navigateur;
    QListWidget* rubriques;
    QPushButton* precedent;
    QPushButton* suivant;
    QPushButton* sommaire;
    QString chemin_fichier;
    bool lu = false;
};
