#pragma once

// Runs as text for other programs: CSV (one row per replicate and generation,
// or the summary of a batch) and JSON (one document). The same columns come
// from the command line and from the window, so that one analysis script
// reads both. Numbers never depend on the locale.
#include "model/registre.h"
#include "model/resume.h"

#include <cstdint>
#include <ostream>
#include <string>

// The header of the rows of runs with nb_alleles alleles.
void ecrit_entete_csv(std::ostream& sortie, unsigned nb_alleles);

// One row per generation of the record (the founders are not written: row 0
// is the first generation born, as on the charts). `graine` is the seed of
// the batch the record belongs to.
void ecrit_lignes_csv(std::ostream& sortie, const Tregistre_mesure& registre);

// The summary of a batch as two tables, per allele then per generation, each
// after a line that names it ("# alleles", "# generations").
void ecrit_resume_csv(std::ostream& sortie, const Tresume_lot& resume);

// JSON, written as it goes: a document with the parameters and the seed, then
// one entry per replicate (or the summary).
class Tecrivain_json {
public:
    Tecrivain_json(std::ostream& sortie, const Tparametres_mesure& parametres, std::uint64_t graine,
                   std::uint64_t premier, std::uint64_t nombre);
    void replicat(const Tregistre_mesure& registre);
    void resume(const Tresume_lot& resume);
    void termine();

private:
    std::ostream& sortie;
    bool premier_replicat = true;
    bool ouvert_replicats = false;
};

// A text as a JSON string, quotes included.
std::string chaine_json(const std::string& texte);
