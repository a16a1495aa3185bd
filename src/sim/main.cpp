// quorvel-sim: runs populations of the model without a window and writes them
// out as CSV or JSON, every generation or the summary of the batch.
#include "donnees/ecriture.h"
#include "donnees/fichier_atomique.h"
#include "i18n/traducteur.h"
#include "model/hasard.h"
#include "model/lot.h"
#include "model/resume.h"
#include "sim/options.h"
#include "sim/progression.h"

#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int code_echec = 1;
constexpr int code_mauvaise_entree = 2;

// Writes what the command line asks for; `verifie` throws once a write failed.
void ecrit(std::ostream& sortie, const Tdemande_sim& d, Tprogression& progression,
           const std::function<void()>& verifie) {
    const Tdemande_lot& lot = d.lot;
    std::unique_ptr<Tecrivain_json> json;
    if (d.json) {
        json = std::make_unique<Tecrivain_json>(sortie, lot.parametres, lot.graine, lot.premier,
                                                lot.nombre);
    } else if (!d.resume) {
        ecrit_entete_csv(sortie, lot.parametres.nb_alleles);
    }
    Tresume_lot resume;
    execute_lot(lot, [&](Tregistre_mesure&& registre) {
        if (d.resume) {
            resume.ajoute(registre);
        } else if (json) {
            json->replicat(registre);
        } else {
            ecrit_lignes_csv(sortie, registre);
        }
        verifie();
        progression.avance();
    });
    if (d.resume) {
        if (json) {
            json->resume(resume);
        } else {
            ecrit_resume_csv(sortie, resume);
        }
    }
    if (json) {
        json->termine();
    }
    progression.termine();
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // The messages of the shared modules (scenario files) in English.
    Traducteur().langue() = anglais;
    Tdemande_sim d;
    try {
        d = lit_options(arguments);
    } catch (const Terreur_option& e) {
        std::cerr << "quorvel-sim: " << e.what() << '\n';
        return code_mauvaise_entree;
    }
    if (d.aide || d.version) {
        std::cout << d.texte;
        return 0;
    }
    if (!d.graine_donnee) {
        d.lot.graine = graine_horloge();
    }
    std::ios::sync_with_stdio(false);
    Tprogression progression(d.lot.nombre);
    try {
        if (d.sortie.empty()) {
            const auto verifie = [] {
                if (!std::cout) {
                    throw std::runtime_error("cannot write to the standard output");
                }
            };
            ecrit(std::cout, d, progression, verifie);
            std::cout.flush();
            verifie();
        } else {
            Tfichier_atomique fichier(d.sortie);
            ecrit(fichier.flux(), d, progression, [&fichier] { fichier.verifie(); });
            fichier.valide();
        }
    } catch (const std::exception& e) {
        progression.termine();
        std::cerr << "quorvel-sim: " << e.what() << '\n';
        return code_echec;
    }
    return 0;
}
