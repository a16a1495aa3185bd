#pragma once

#include <QDialog>
#include <QFrame>

class QLabel;
class QPushButton;

// A panel with a lowered outer bevel and a raised inner bevel, one pixel each.
class TPanneauBiseaute : public QFrame {
    Q_OBJECT
public:
    explicit TPanneauBiseaute(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* evenement) override;
};

// The About box: program name, description, version, dates and platform line
// beside a picture, in a fixed-size dialog, modal to the whole program when
// shown (show() suffices: no event loop of its own). Its texts are set by
// RafraichitApropos before each display and on a language switch.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Caption and the four translated labels, in the current language.
    void RafraichitApropos();

    TPanneauBiseaute* Panel1;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* LabAuteur;
    QLabel* Comments;
    QPushButton* OKButton;
    QLabel* Image1;
    QLabel* LabDate;
    QLabel* LabDecrit;

protected:
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    QLabel* cree_etiquette(const char* nom, int gauche, int haut);
    void cree_image();
    void cree_bouton();
    void centre_sur_ecran();
};
