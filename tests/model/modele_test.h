#pragma once

// Shared set-up of the model tests: every test starts from default
// parameters, an empty population and a generator with nothing imposed.

#include "model/hasard.h"
#include "model/individu.h"
#include "model/parametres.h"
#include "model/population.h"

#include <gtest/gtest.h>

#include <cstdint>

class ModeleTest : public ::testing::Test {
protected:
    void SetUp() override { remet_a_zero(); }
    void TearDown() override { remet_a_zero(); }

    static void remet_a_zero() {
        parametres = Tparametres_mesure();
        population.vide();
        hasard.impose({});
        hasard.seme(1);
    }
};

inline Tindividu individu_de(bool sexe, std::uint32_t a1, std::uint32_t a2) {
    Tindividu x;
    x.sexe = sexe;
    x.allele1 = a1;
    x.allele2 = a2;
    x.vivant = true;
    return x;
}
