#pragma once

#include <QString>
#include <QStringList>

// The program's command line: `quorvel [FILE]`, where FILE is a scenario to
// open at start-up, or `--version`, or `--help`. Qt's own options (-platform,
// -style ...) are taken by the application object before this reads the rest.
struct Tligne_commande {
    bool version = false;
    bool aide = false;
    QString fichier; // a scenario to open; empty: none
    QString erreur;  // what is wrong, in one line; empty: nothing
};

// Reads the arguments that follow the program's name.
Tligne_commande lit_ligne_commande(const QStringList& arguments);

// What --version and --help print.
QString texte_version();
QString texte_aide_ligne_commande();
