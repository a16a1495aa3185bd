#pragma once

#include <QApplication>

#include <exception>

// The application object. An exception that escapes an event handler is
// shown in the standard error box and ends the event loop with a failure code.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* destinataire, QEvent* evenement) override;

    // Shows the standard error box for an exception (an empty message for one
    // that carries none).
    static void montre_erreur(std::exception_ptr erreur);
};
