#pragma once

#include "model/lot.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// What the command line asks for.
struct Tdemande_sim {
    Tdemande_lot lot;
    bool graine_donnee = false;
    std::string sortie; // empty: standard output
    bool json = false;
    bool resume = false;
    bool aide = false;    // --help: the text is in `texte`
    bool version = false; // --version
    std::string texte;
};

// A command line that cannot be run, said in one line.
class Terreur_option : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments (without the program's name); throws Terreur_option.
Tdemande_sim lit_options(const std::vector<std::string>& arguments);
