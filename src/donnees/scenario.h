#pragma once

// Scenario files: every setting of the control panel, the seed and the number
// of replicates of the next run, with a title and instructions for students,
// in a commented TOML text that a person can read and edit. The window and
// quorvel-sim read and write them through this module. The format:
//
//   format = "quorvel-scenario"      # required, first
//   version = 1                      # required; a newer version is refused
//   title = "..."                    # optional
//   instructions = """..."""         # optional, several lines
//   alleles = 2                      # 2 to 4
//   frequencies = [30, 70]           # percent, one per allele, total 100
//   lethalities = [0, 100]           # percent, at most one per allele
//   min_size = 300                   # 2 to max_size
//   max_size = 1000                  # 10 to 10000
//   fecundity = 2.1                  # 2.00 to 2.50, hundredths
//   generations = 100                # 10 to 1000
//   seed = 2026                      # optional: 0 to 2^64-1 (a text above 2^63-1)
//   replicates = 1                   # 1 to 1000, required, last
//
// Every field but title, instructions and seed is required, so that a file
// cut short is refused rather than read with defaults.
#include "model/parametres.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct Tscenario {
    std::string titre;
    std::string instructions;
    Tparametres_mesure parametres;
    std::uint32_t replicats = 1;
    std::optional<std::uint64_t> graine; // none: each run draws its own

    // The parameters compare as runs do (Tparametres_mesure's ==).
    bool operator==(const Tscenario& autre) const;
    bool operator!=(const Tscenario& autre) const { return !(*this == autre); }
};

constexpr const char* format_scenario = "quorvel-scenario";
// The version this program writes, and the newest it reads.
constexpr std::int64_t version_scenario = 1;
// Larger files are refused before they are parsed.
constexpr std::size_t taille_max_scenario = 1 << 20;
constexpr const char* extension_scenario = ".quorvel";

// A file refused: what is wrong, where. The message is in the current
// language and names the line (and the field, when one is at fault).
class Terreur_scenario : public std::runtime_error {
public:
    Terreur_scenario(std::uint32_t ligne, std::string champ, const std::string& message)
        : std::runtime_error(message), ligne(ligne), champ(std::move(champ)) {}
    std::uint32_t ligne; // 0: the file as a whole
    std::string champ;   // empty: no field in particular
};

// A value outside the control panel's ranges, brought into them.
struct Tajustement {
    std::uint32_t ligne = 0;
    std::string champ;
    std::string message; // where, what was read and what is kept
};

struct Tlecture_scenario {
    Tscenario scenario;
    std::vector<Tajustement> ajustements;
};

// How values outside the panel's ranges are taken: brought into them and
// listed (the window), or refused as an error (the command line).
enum class Tbornage { ajuste, refuse };

// Reads a scenario from its text; throws Terreur_scenario when the text is not
// a scenario this program can take.
Tlecture_scenario lit_scenario(std::string_view texte, Tbornage bornage = Tbornage::ajuste);

// Reads the file at `chemin`; a file that cannot be read, that is too large or
// not a regular file is refused as well.
Tlecture_scenario charge_scenario(const std::string& chemin, Tbornage bornage = Tbornage::ajuste);

// The scenario as a commented text that lit_scenario reads back equal.
void ecrit_scenario(std::ostream& sortie, const Tscenario& scenario);

// Writes the file whole or not at all; throws Tfichier_atomique::Terreur.
void enregistre_scenario(const std::string& chemin, const Tscenario& scenario);

// The shortest decimal percentage that reads back (times 0.01, as a float) to
// this fraction exactly.
std::string pourcentage_exact(float fraction);
