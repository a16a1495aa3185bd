#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The title and instructions of the scenario: shown to a student when a
// scenario opens, written by a teacher before saving it. It does not block the
// program: the instructions stay beside the window while the student works.
class Tdialogue_consignes : public QDialog {
    Q_OBJECT
public:
    explicit Tdialogue_consignes(QWidget* parent);

    // Shows these texts (the translated captions with them).
    void montre(const QString& titre, const QString& instructions);

    QString titre() const;
    QString instructions() const;

    QLabel* LibelleTitre;
    QLineEdit* Titre;
    QLabel* LibelleConsignes;
    QPlainTextEdit* Consignes;
};
