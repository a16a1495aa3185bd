#pragma once

#include <QString>

// Where the program's data files (help, example scenarios) are: beside the
// executable in the build tree, in ../share/quorvel/ from it once installed.
// Answers the first of these that exists, or the one beside the executable
// when neither does (so that a message names a sensible place).
QString fichier_installe(const QString& nom);
