#include "ui/application.h"

#include <QMessageBox>

#include <cstdio>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quorvel"));
    setApplicationVersion(QStringLiteral("2.0.2.4"));
}

bool TApplication::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (...) {
        montre_erreur(std::current_exception());
        exit(1);
        return false;
    }
}

void TApplication::montre_erreur(std::exception_ptr erreur) {
    QString message;
    try {
        std::rethrow_exception(erreur);
    } catch (const std::exception& e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
    }
    std::fprintf(stderr, "Quorvel: %s\n", message.toLocal8Bit().constData());
    if (qApp != nullptr) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), message);
    }
}
