// Start-up: the process-wide objects already exist; the application object,
// then the main window, the About box and the control panel, then the event
// loop until the main window closes.
#include "ui/Apropos.h"
#include "ui/ProjetType.h"
#include "ui/application.h"
#include "ui/icones.h"
#include "ui/reglages.h"

#include <exception>
#include <memory>

int main(int argc, char** argv) {
    std::unique_ptr<TApplication> application;
    try {
        application = std::make_unique<TApplication>(argc, argv);
        TApplication::setWindowIcon(icone_application());
        TForm1 Form1;
        TAboutBox AboutBox;
        TForm2 Form2;
        Form1.attache_fenetres(&AboutBox, &Form2);
        Form1.show();
        return application->exec();
    } catch (...) {
        TApplication::montre_erreur(std::current_exception());
        return 1;
    }
}
