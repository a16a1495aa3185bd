// The application object itself: this program runs with it instead of a
// plain QApplication.
#include "ui/application.h"

#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Throws from its event handler, as a faulty window would.
class Fautif : public QObject {
protected:
    bool event(QEvent* evenement) override {
        if (evenement->type() == QEvent::User) {
            throw std::runtime_error("panne du gestionnaire");
        }
        return QObject::event(evenement);
    }
};

TEST(Application, AnExceptionEscapingAHandlerIsShownAndEndsTheLoopWithAFailure) {
    Fautif fautif;
    QString message;
    // Closes the error box once it is up, noting what it said.
    QTimer fermeture;
    QObject::connect(&fermeture, &QTimer::timeout, [&] {
        if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = boite->text();
            boite->done(0);
            fermeture.stop();
        }
    });
    fermeture.start(10);
    // Gives up rather than hang if the box never shows.
    QTimer::singleShot(10000, [] { QCoreApplication::exit(2); });
    QCoreApplication::postEvent(&fautif, new QEvent(QEvent::User));
    EXPECT_EQ(QApplication::exec(), 1);
    EXPECT_EQ(message, "panne du gestionnaire");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
