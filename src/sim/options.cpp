#include "sim/options.h"

#include "donnees/scenario.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <sstream>

namespace {

std::string texte_entier(std::uint64_t n) {
    return std::to_string(n);
}

// A whole number from min to max, or one line that says what is expected.
std::uint64_t entier(const std::string& option, const std::string& texte, std::uint64_t min,
                     std::uint64_t max, const std::string& en_plus = "") {
    std::uint64_t valeur = 0;
    const char* fin = texte.data() + texte.size();
    const auto r = std::from_chars(texte.data(), fin, valeur);
    const bool lu = !texte.empty() && r.ec == std::errc() && r.ptr == fin;
    if (!lu || valeur < min || valeur > max) {
        throw Terreur_option("--" + option + ": '" + texte + "' is not a whole number from " +
                             texte_entier(min) + " to " + texte_entier(max) + en_plus);
    }
    return valeur;
}

// A decimal number, with '.' as separator.
std::optional<double> reel(const std::string& texte) {
    double valeur = 0.0;
    const char* fin = texte.data() + texte.size();
    const auto r = std::from_chars(texte.data(), fin, valeur);
    if (texte.empty() || r.ec != std::errc() || r.ptr != fin || !std::isfinite(valeur)) {
        return std::nullopt;
    }
    return valeur;
}

std::vector<std::string> liste(const std::string& texte) {
    std::vector<std::string> morceaux;
    std::stringstream flux(texte);
    std::string morceau;
    while (std::getline(flux, morceau, ',')) {
        morceaux.push_back(morceau);
    }
    if (!texte.empty() && texte.back() == ',') {
        morceaux.emplace_back();
    }
    return morceaux;
}

// Percentages from 0 to 100, one per allele (exactly n of them when `tous`,
// at most n otherwise), as fractions.
std::vector<float> pourcentages(const std::string& option, const std::string& texte, unsigned n,
                                bool tous) {
    const std::string attendu = std::string(tous ? "" : "at most ") + std::to_string(n) +
                                " percentages from 0 to 100, separated by commas (one per allele" +
                                (tous ? ", adding up to 100)" : ")");
    const std::vector<std::string> morceaux = liste(texte);
    if (morceaux.empty() || morceaux.size() > n || (tous && morceaux.size() != n)) {
        throw Terreur_option("--" + option + ": '" + texte + "': expected " + attendu);
    }
    std::vector<float> fractions;
    double somme = 0.0;
    for (const std::string& m : morceaux) {
        const std::optional<double> v = reel(m);
        if (!v || *v < 0.0 || *v > 100.0) {
            throw Terreur_option("--" + option + ": '" + texte + "': expected " + attendu);
        }
        somme += *v;
        fractions.push_back(static_cast<float>(*v * 0.01));
    }
    if (tous && std::abs(somme - 100.0) > 0.01) {
        throw Terreur_option("--" + option + ": '" + texte + "' adds up to " +
                             std::to_string(somme) + ": expected " + attendu);
    }
    return fractions;
}

// The settings of a scenario file, as a base that the other options change.
// A value outside the panel's ranges is an error here, as for an option.
void lit_fichier_scenario(const std::string& chemin, Tdemande_sim& d) {
    Tscenario s;
    try {
        s = charge_scenario(chemin, Tbornage::refuse).scenario;
    } catch (const Terreur_scenario& e) {
        throw Terreur_option("--scenario: " + chemin + ": " + e.what());
    }
    d.lot.parametres = s.parametres;
    d.lot.nombre = s.replicats;
    if (s.graine) {
        d.lot.graine = *s.graine;
        d.graine_donnee = true;
    }
}

} // namespace

Tdemande_sim lit_options(const std::vector<std::string>& arguments) {
    Tdemande_sim d;
    Tparametres_mesure& p = d.lot.parametres;

    CLI::App app{"Runs populations of the Quorvel model without a window and writes every "
                 "generation, or a summary of the batch, as CSV or JSON.",
                 "quorvel-sim"};
    app.set_help_flag("--help", "Print this help and exit");
    app.set_version_flag("--version", "quorvel-sim " QUORVEL_VERSION);
    std::string alleles, frequences, letalites, effectif_min, effectif_max, fecondite, generations,
        replicats, graine, premier, fils, scenario, format = "csv";
    app.add_option("--scenario", scenario,
                   "Read the settings, the seed and the number of replicates from a scenario "
                   "file; the other options given override it")
        ->type_name("FILE");
    app.add_option("--alleles", alleles, "Number of alleles, 2 to 4 (default 2)")->type_name("N");
    app.add_option("--frequencies", frequences,
                   "Initial frequency of each allele in percent, adding up to 100, e.g. "
                   "30,70 (default: equal shares)")
        ->type_name("LIST");
    app.add_option("--lethalities", letalites,
                   "Lethality of each allele for its homozygotes, in percent, 0 to 100, "
                   "e.g. 0,100 (default 0)")
        ->type_name("LIST");
    app.add_option("--min-size", effectif_min,
                   "Size of the first generation, 2 to 10000, at most --max-size (default 300)")
        ->type_name("N");
    app.add_option("--max-size", effectif_max,
                   "Largest size of any generation, 10 to 10000 (default 1000)")
        ->type_name("N");
    app.add_option("--fecundity", fecondite,
                   "Mean number of children per couple, 2.00 to 2.50 (default 2.1)")
        ->type_name("X");
    app.add_option("--generations", generations, "Generations per run, 10 to 1000 (default 100)")
        ->type_name("N");
    app.add_option("--replicates", replicats, "Number of populations (default 1)")->type_name("N");
    app.add_option("--seed", graine,
                   "Seed of the batch, 0 to 18446744073709551615 (default: drawn, and "
                   "written in the output)")
        ->type_name("N");
    app.add_option("--first-replicate", premier,
                   "Number of the first replicate, to share a batch between processes "
                   "(default 0)")
        ->type_name("N");
    app.add_option("--threads", fils, "Worker threads (default: one per processor)")
        ->type_name("N");
    app.add_option("--output", d.sortie, "Write to FILE instead of the standard output")
        ->type_name("FILE");
    app.add_option("--format", format, "csv (default) or json")->type_name("csv|json");
    app.add_flag("--summary", d.resume,
                 "Write the summary of the batch (fates of the alleles, means and spreads "
                 "per generation) instead of every generation");

    std::vector<std::string> inverses(arguments.rbegin(), arguments.rend());
    try {
        app.parse(inverses);
    } catch (const CLI::CallForHelp&) {
        d.aide = true;
        d.texte = app.help();
        return d;
    } catch (const CLI::CallForVersion&) {
        d.version = true;
        d.texte = "quorvel-sim " QUORVEL_VERSION "\n";
        return d;
    } catch (const CLI::ExtrasError& e) {
        throw Terreur_option(std::string(e.what()) + " (see --help)");
    } catch (const CLI::ParseError& e) {
        throw Terreur_option(std::string(e.what()) + " (see --help)");
    }

    if (!scenario.empty()) {
        lit_fichier_scenario(scenario, d);
    }
    if (!alleles.empty()) {
        p.nb_alleles = static_cast<std::uint32_t>(entier("alleles", alleles, 2, 4));
    }
    p.ajuste();
    if (!frequences.empty()) {
        p.frequences = pourcentages("frequencies", frequences, p.nb_alleles, true);
    }
    if (!letalites.empty()) {
        const std::vector<float> l = pourcentages("lethalities", letalites, p.nb_alleles, false);
        std::copy(l.begin(), l.end(), p.letalites.begin());
    }
    if (!effectif_max.empty()) {
        p.effectif_max =
            static_cast<std::uint32_t>(entier("max-size", effectif_max, 10, p.effectif_plafond));
    }
    if (!effectif_min.empty()) {
        p.effectif_min = static_cast<std::uint32_t>(
            entier("min-size", effectif_min, p.effectif_plancher, p.effectif_max,
                   !effectif_max.empty() ? " (--max-size)"
                   : scenario.empty()    ? " (--max-size, 1000 by default)"
                                         : " (max_size of the scenario)"));
    } else if (p.effectif_min > p.effectif_max) {
        throw Terreur_option("--max-size: '" + effectif_max + "' is below --min-size (" +
                             (scenario.empty()
                                  ? "300 by default"
                                  : std::to_string(p.effectif_min) + " in the scenario") +
                             "): give both");
    }
    if (!fecondite.empty()) {
        const std::optional<double> f = reel(fecondite);
        const double centiemes = f ? std::round(*f * 100.0) : 0.0;
        if (!f || centiemes < 200.0 || centiemes > 250.0 ||
            std::abs(*f * 100.0 - centiemes) > 1e-6) {
            throw Terreur_option("--fecundity: '" + fecondite +
                                 "' is not a number from 2.00 to 2.50 with at most two decimals");
        }
        // As the control panel stores it: hundredths times 0.01.
        p.fecondite = static_cast<float>(static_cast<int>(centiemes) * 0.01);
    }
    if (!generations.empty()) {
        p.nb_generations = static_cast<std::uint32_t>(
            entier("generations", generations, 10, p.nb_generations_max));
    }
    constexpr std::uint64_t beaucoup = 1000000000;
    if (!replicats.empty()) {
        d.lot.nombre = entier("replicates", replicats, 1, beaucoup);
    }
    if (!premier.empty()) {
        d.lot.premier = entier("first-replicate", premier, 0, beaucoup * 1000);
    }
    if (!graine.empty()) {
        d.graine_donnee = true;
        d.lot.graine = entier("seed", graine, 0, std::numeric_limits<std::uint64_t>::max());
    }
    d.lot.fils = fils_disponibles();
    if (!fils.empty()) {
        d.lot.fils = static_cast<unsigned>(entier("threads", fils, 1, 256));
    }
    if (format != "csv" && format != "json") {
        throw Terreur_option("--format: '" + format + "' is neither csv nor json");
    }
    d.json = format == "json";
    if (app.count("--output") > 0 && d.sortie.empty()) {
        throw Terreur_option("--output: expected a file name");
    }
    return d;
}
