#pragma once

#include <QIcon>

// The pictures of the main window's actions, numbered as in its image list.
// They are drawn, so they show on a machine without any icon theme.
enum Ticone {
    icone_mesure = 23,
    icone_a_propos = 45,
    icone_quitter = 48,
    icone_aide = 50,
    icone_francais = 53,
    icone_anglais = 54,
    icone_reglages = 57,
    // Drawn for the commands added since.
    icone_pause = 60,
    icone_pas = 61,
    icone_poursuivre = 62,
    icone_rejouer = 63,
};

QIcon icone(Ticone numero);

// The application icon, from the program's resources (":/icones/quorvel-48.png",
// "-128.png" and "-256.png"): for the title bars and the task bar.
QIcon icone_application();
