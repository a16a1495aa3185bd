// The texts of the program beyond its first table: French key, English text.
// Each feature keeps its own section.
#include "i18n/textes_ajoutes.h"

namespace {

struct Entree {
    const char* cle;
    const char* anglais;
};

constexpr Entree table[] = {
    // Replicates, seeds, extinction, values under the pointer.
    {"Réplicats", "Replicates"},
    {"Allèle suivi", "Allele shown"},
    {"Graine", "Seed"},
    {"nouvelle à chaque mesure", "new for each run"},
    {"La graine est un entier de 0 à 18446744073709551615.",
     "The seed is a whole number from 0 to 18446744073709551615."},
    {"Re&jouer", "Re&play"},
    {"Refait la dernière mesure avec sa graine", "Runs the last run again from its seed"},
    {"Population éteinte à la génération", "Population extinct at generation"},
    {"populations éteintes sur", "populations extinct out of"},
    {"Fixé", "Fixed"},
    {"Perdu", "Lost"},
    {"En ségrégation", "Segregating"},
    {"Éteintes", "Extinct"},
    {"Génération", "Generation"},
    {"Taille", "Size"},
    {"Panmixie", "Panmixia"},
    {"vivantes", "alive"},
    {"moyenne", "mean"},
    {"Résumé des réplicats", "Summary of the replicates"},
    {"Allèle", "Allele"},
    {"Fixation (génération moyenne)", "Fixation (mean generation)"},
    {"Perte (génération moyenne)", "Loss (mean generation)"},

    // Pace, pause and step, continuing, theory curves, heterozygosity.
    {"&Pause", "&Pause"},
    {"&Reprendre", "&Resume"},
    {"Met la mesure en pause", "Pauses the run"},
    {"Reprend la mesure", "Resumes the run"},
    {"&Génération suivante", "&Next generation"},
    {"Avance d'une génération", "Goes one generation on"},
    {"P&oursuivre", "&Continue"},
    {"Ajoute des générations aux mêmes populations", "Adds generations to the same populations"},
    {"&Cadence", "&Pace"},
    {"&Maximale", "&Maximum"},
    {"générations par seconde", "generations per second"},
    {"Aucune mesure à poursuivre.", "There is no run to continue."},
    {"La population est éteinte : rien à poursuivre.",
     "The population is extinct: there is nothing to continue."},
    {"Toutes les populations sont éteintes : rien à poursuivre.",
     "Every population is extinct: there is nothing to continue."},
    {"Le nombre maximal de générations est atteint.",
     "The largest number of generations has been reached."},
    {"H observée", "H observed"},
    {"H attendue", "H expected"},
    {"H dérive", "H drift"},
    {"Hétérozygotie", "Heterozygosity"},
    {"&Hétérozygotie au lieu de l'effectif", "&Heterozygosity instead of size"},
    {"Courbes &théoriques", "&Theory curves"},

    // Files: images, printing, export, scenarios.

    // (end of the table)
    {"", ""},
};

} // namespace

const std::map<std::string, std::string>& textes_ajoutes() {
    static const std::map<std::string, std::string> textes = [] {
        std::map<std::string, std::string> m;
        for (const Entree& e : table) {
            if (*e.cle != '\0') {
                m.emplace(e.cle, e.anglais);
            }
        }
        return m;
    }();
    return textes;
}
