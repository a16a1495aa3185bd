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
    {"En ségrégation", "Still segregating"},
    {"Ségrégation", "Segregating"},
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
    {"Pa&use", "Pa&use"},
    {"&Reprendre", "Re&sume"},
    {"Met la mesure en pause", "Pauses the run"},
    {"Reprend la mesure", "Resumes the run"},
    {"&Génération suivante", "&Next generation"},
    {"Avance d'une génération", "Goes one generation on"},
    {"P&oursuivre", "C&ontinue"},
    {"Ajoute des générations aux mêmes populations", "Adds generations to the same populations"},
    {"&Cadence", "P&ace"},
    {"&Maximale", "&Maximum"},
    {"générations par seconde", "generations per second"},
    {"gén./s", "gen./s"},
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
    {"&Ouvrir un scénario…", "&Open a scenario…"},
    {"Scénarios &récents", "&Recent scenarios"},
    {"E&xemples de scénarios", "E&xample scenarios"},
    {"&Enregistrer le scénario", "&Save the scenario"},
    {"Enregistrer le scénario &sous…", "Save the scenario &as…"},
    {"&Consignes du scénario…", "Scenario &instructions…"},
    {"Enregistrer l'ima&ge…", "Save an ima&ge…"},
    {"Co&pier le graphique", "&Copy the chart"},
    {"Expor&ter les données (CSV)…", "Expor&t the data (CSV)…"},
    {"&Imprimer…", "&Print…"},
    {"(aucun)", "(none)"},
    {"Effacer la liste", "Clear the list"},
    {"Ouvrir un scénario", "Open a scenario"},
    {"Enregistrer le scénario", "Save the scenario"},
    {"Scénarios de Quorvel (*.quorvel)", "Quorvel scenarios (*.quorvel)"},
    {"Tous les fichiers (*)", "All files (*)"},
    {"Impossible d'ouvrir le scénario %1.", "Cannot open the scenario %1."},
    {"Le scénario %1 est ouvert ; ces valeurs ont été ramenées dans les limites du panneau :",
     "The scenario %1 is open; these values were brought within the control panel's ranges:"},
    {"Impossible d'enregistrer %1.", "Cannot save %1."},
    {"Rien n'a été enregistré ; un fichier précédent de ce nom est resté tel qu'il était.",
     "Nothing was saved; an earlier file of that name was left as it was."},
    {"Le scénario a changé depuis son dernier enregistrement. L'enregistrer ?",
     "The scenario has changed since it was last saved. Save it?"},
    {"Consignes du scénario", "Scenario instructions"},
    {"Titre :", "Title:"},
    {"Consignes pour les élèves :", "Instructions for students:"},
    {"Enregistrer l'image", "Save an image"},
    {"Graphique", "Chart"},
    {"Les deux graphiques", "Both charts"},
    {"Taille", "Size"},
    {"Celle de la fenêtre (%1 × %2)", "As in the window (%1 × %2)"},
    {"Autre taille :", "Other size:"},
    {"Image PNG (*.png)", "PNG image (*.png)"},
    {"Image SVG (*.svg)", "SVG image (*.svg)"},
    {"Exporter les données", "Export the data"},
    {"Données CSV (*.csv)", "CSV data (*.csv)"},
    {"Aucune mesure à exporter : lancez d'abord une mesure.",
     "No run to export: start a run first."},
    {"Une mesure est en cours : exportez ses données quand elle sera finie.",
     "A run is under way: export its data once it is over."},
    {"Scénario : %1", "Scenario: %1"},
    // Scenario files, as the window and quorvel-sim report them.
    {"ligne %1", "line %1"},
    {"ligne %1, colonne %2", "line %1, column %2"},
    {"ligne %1, champ « %2 »", "line %1, field '%2'"},
    {"%1 : %2", "%1: %2"},
    {"le fichier dépasse %1 octets", "the file is larger than %1 bytes"},
    {"ce n'est pas un fichier de texte (octet nul)", "not a text file (a NUL byte)"},
    {"ce n'est pas du texte UTF-8", "not UTF-8 text"},
    {"erreur de syntaxe TOML (%1)", "TOML syntax error (%1)"},
    {"caractère non ASCII hors d'un texte entre guillemets ou d'un commentaire",
     "a non-ASCII character outside a quoted text or a comment"},
    {"caractère non ASCII après une barre oblique inverse",
     "a non-ASCII character after a backslash"},
    {"ce n'est pas un scénario de Quorvel : format = \"%1\" attendu",
     "not a Quorvel scenario: format = \"%1\" expected"},
    {"version %1 écrite par une version plus récente de Quorvel (celle-ci lit la version %2)",
     "version %1, written by a newer version of Quorvel (this one reads version %2)"},
    {"version %1 inconnue", "unknown version %1"},
    {"champ inconnu", "unknown field"},
    {"champ absent (le fichier est peut-être tronqué)",
     "missing field (the file may be cut short)"},
    {"nombre entier attendu", "a whole number expected"},
    {"nombre attendu", "a number expected"},
    {"texte attendu", "a text expected"},
    {"liste de nombres attendue", "a list of numbers expected"},
    {"%1 valeurs attendues, une par allèle", "%1 values expected, one per allele"},
    {"au plus %1 valeurs attendues, une par allèle", "at most %1 values expected, one per allele"},
    {"%1 ramené à %2 (de %3 à %4)", "%1 brought to %2 (from %3 to %4)"},
    {"%1 n'est pas entre %2 et %3", "%1 is not from %2 to %3"},
    {"%1 ramené à %2 (de %3 à %4, au centième)", "%1 brought to %2 (from %3 to %4, in hundredths)"},
    {"%1 n'est pas un nombre de %2 à %3 avec au plus deux décimales",
     "%1 is not a number from %2 to %3 with at most two decimals"},
    {"total %1 % au lieu de 100 % : fréquences ramenées à 100 %",
     "they add up to %1 % instead of 100 %: scaled to 100 %"},
    {"total %1 % au lieu de 100 %", "they add up to %1 % instead of 100 %"},
    {"graine de 0 à %1 attendue", "a seed from 0 to %1 expected"},
    {"impossible de lire le fichier (%1)", "cannot read the file (%1)"},
    {"ce n'est pas un fichier ordinaire", "not a regular file"},

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
