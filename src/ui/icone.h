#pragma once

#include <QIcon>

// The application icon, from the program's resources (":/icones/quorvel-48.png",
// "-128.png" and "-256.png"): for the main window's title bar and task bar.
QIcon icone_application();
