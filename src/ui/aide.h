#pragma once

#include <QString>

class QWidget;

// The help command: the help file of the current language, taken from the
// directory of the running executable, shown in the program's help viewer.
namespace aide {

// `repertoire` followed by "Quorvel.hlp" in French, "QuorvelE.hlp" in
// English; `repertoire` ends with a path separator.
QString chemin_aide(const QString& repertoire);

// The help file beside the running executable, or where it is installed
// (../share/quorvel/ from it), whatever the working directory.
QString chemin_aide();

// Shows the help file of the current language at its contents, in the one
// help viewer of the program (made on first use as a window of `parent`), and
// returns at once.
void ouvre_aide(QWidget* parent);

} // namespace aide
