#include "donnees/ecriture.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// A real with a fixed number of decimals, '.' whatever the locale.
void reel(std::ostream& s, double x, int decimales = 6) {
    std::array<char, 64> texte{};
    const auto r = std::to_chars(texte.data(), texte.data() + texte.size(), x,
                                 std::chars_format::fixed, decimales);
    s.write(texte.data(), r.ptr - texte.data());
}

// A stored 32-bit float in its shortest exact form (2.1 gives "2.1").
void court(std::ostream& s, float x) {
    std::array<char, 32> texte{};
    const auto r = std::to_chars(texte.data(), texte.data() + texte.size(), x);
    s.write(texte.data(), r.ptr - texte.data());
}

unsigned alleles_ecrits(unsigned nb_alleles) {
    return nb_alleles < nb_alleles_maximal ? nb_alleles : nb_alleles_maximal;
}

template <class Fonction>
void pour_genotypes(unsigned n, Fonction f) {
    for (unsigned i = 0; i < n; ++i) {
        for (unsigned j = i; j < n; ++j) {
            f(i, j);
        }
    }
}

// A mean and its spread; nothing (empty cells) without a value.
void moyenne_csv(std::ostream& s, const Tmoyenne& m) {
    if (m.n > 0) {
        reel(s, m.moyenne);
        s << ',';
        reel(s, m.ecart_type());
    } else {
        s << ',';
    }
}

void moyenne_json(std::ostream& s, const Tmoyenne& m) {
    if (m.n > 0) {
        s << "{\"mean\":";
        reel(s, m.moyenne);
        s << ",\"sd\":";
        reel(s, m.ecart_type());
        s << '}';
    } else {
        s << "null";
    }
}

void etat_json(std::ostream& s, const Tetat_generation& e, unsigned n) {
    s << "{\"generation\":" << e.generation << ",\"size\":" << e.taille << ",\"males\":" << e.males
      << ",\"females\":" << e.femelles << ",\"couples\":" << e.couples << ",\"alleles\":[";
    for (unsigned a = 0; a < n; ++a) {
        s << (a > 0 ? "," : "") << e.alleles[a];
    }
    s << "],\"genotypes\":[";
    bool premier = true;
    pour_genotypes(n, [&](unsigned i, unsigned j) {
        s << (premier ? "" : ",") << e.genotypes[indice_genotype(i, j)];
        premier = false;
    });
    s << "],\"panmixia\":" << e.indice_panmixie << '}';
}

void parametres_json(std::ostream& s, const Tparametres_mesure& p) {
    const unsigned n = alleles_ecrits(p.nb_alleles);
    s << "{\"alleles\":" << p.nb_alleles << ",\"frequencies\":[";
    for (unsigned a = 0; a < n; ++a) {
        s << (a > 0 ? "," : "");
        court(s, p.frequence(a));
    }
    s << "],\"lethalities\":[";
    for (unsigned a = 0; a < n; ++a) {
        s << (a > 0 ? "," : "");
        court(s, p.letalite(a));
    }
    s << "],\"min_size\":" << p.effectif_min << ",\"max_size\":" << p.effectif_max
      << ",\"fecundity\":";
    court(s, p.fecondite);
    s << ",\"generations\":" << p.nb_generations << '}';
}

} // namespace

void ecrit_entete_csv(std::ostream& s, unsigned nb_alleles) {
    const unsigned n = alleles_ecrits(nb_alleles);
    s << "replicate,seed,generation,size,males,females,couples";
    for (unsigned a = 1; a <= n; ++a) {
        s << ",allele_" << a;
    }
    for (unsigned a = 1; a <= n; ++a) {
        s << ",freq_" << a;
    }
    pour_genotypes(n, [&](unsigned i, unsigned j) { s << ",genotype_" << i + 1 << '_' << j + 1; });
    s << ",het_observed,het_expected,panmixia\n";
}

void ecrit_lignes_csv(std::ostream& s, const Tregistre_mesure& r) {
    const unsigned n = alleles_ecrits(r.nb_alleles());
    for (const Tetat_generation& e : r.generations) {
        s << r.replicat << ',' << r.graine << ',' << e.generation << ',' << e.taille << ','
          << e.males << ',' << e.femelles << ',' << e.couples;
        for (unsigned a = 0; a < n; ++a) {
            s << ',' << e.alleles[a];
        }
        for (unsigned a = 0; a < n; ++a) {
            s << ',';
            reel(s, e.taille > 0 ? static_cast<double>(e.alleles[a]) / (2.0 * e.taille) : 0.0);
        }
        pour_genotypes(
            n, [&](unsigned i, unsigned j) { s << ',' << e.genotypes[indice_genotype(i, j)]; });
        s << ',';
        reel(s, e.heterozygotie_observee());
        s << ',';
        reel(s, e.heterozygotie_attendue());
        s << ',' << e.indice_panmixie << '\n';
    }
}

void ecrit_resume_csv(std::ostream& s, const Tresume_lot& r) {
    const unsigned n = alleles_ecrits(r.nb_alleles);
    s << "# alleles\n"
         "allele,replicates,fixed,lost,segregating,extinct,"
         "fixation_mean,fixation_sd,loss_mean,loss_sd\n";
    for (unsigned a = 0; a < n; ++a) {
        const Tresume_lot::Tallele& x = r.alleles[a];
        s << a + 1 << ',' << r.replicats << ',' << x.fixe << ',' << x.perdu << ','
          << x.en_segregation << ',' << r.eteintes << ',';
        moyenne_csv(s, x.fixation);
        s << ',';
        moyenne_csv(s, x.perte);
        s << '\n';
    }
    s << "# generations\ngeneration,alive,size_mean,size_sd";
    for (unsigned a = 1; a <= n; ++a) {
        s << ",freq_" << a << "_mean,freq_" << a << "_sd";
    }
    s << ",het_observed_mean,het_observed_sd,het_expected_mean,het_expected_sd\n";
    for (std::size_t g = 0; g < r.generations.size(); ++g) {
        const Tresume_lot::Tgeneration& x = r.generations[g];
        s << g << ',' << x.vivantes() << ',';
        moyenne_csv(s, x.taille);
        for (unsigned a = 0; a < n; ++a) {
            s << ',';
            moyenne_csv(s, x.frequences[a]);
        }
        s << ',';
        moyenne_csv(s, x.heterozygotie_observee);
        s << ',';
        moyenne_csv(s, x.heterozygotie_attendue);
        s << '\n';
    }
}

Tecrivain_json::Tecrivain_json(std::ostream& sortie, const Tparametres_mesure& parametres,
                               std::uint64_t graine, std::uint64_t premier, std::uint64_t nombre)
    : sortie(sortie) {
    sortie << "{\"format\":\"quorvel-sim\",\"version\":1,\"seed\":" << graine
           << ",\"first_replicate\":" << premier << ",\"replicates\":" << nombre
           << ",\"parameters\":";
    parametres_json(sortie, parametres);
}

void Tecrivain_json::replicat(const Tregistre_mesure& r) {
    if (!ouvert_replicats) {
        sortie << ",\"runs\":[";
        ouvert_replicats = true;
    }
    const unsigned n = alleles_ecrits(r.nb_alleles());
    sortie << (premier_replicat ? "\n" : ",\n") << "{\"replicate\":" << r.replicat
           << ",\"founders\":";
    premier_replicat = false;
    etat_json(sortie, r.fondateurs, n);
    sortie << ",\"generations\":[";
    for (std::size_t g = 0; g < r.generations.size(); ++g) {
        sortie << (g > 0 ? ",\n" : "\n");
        etat_json(sortie, r.generations[g], n);
    }
    sortie << "]}";
}

void Tecrivain_json::resume(const Tresume_lot& r) {
    const unsigned n = alleles_ecrits(r.nb_alleles);
    if (ouvert_replicats) {
        sortie << "\n]";
        ouvert_replicats = false;
    }
    sortie << ",\"summary\":{\"extinct\":" << r.eteintes << ",\"alleles\":[";
    for (unsigned a = 0; a < n; ++a) {
        const Tresume_lot::Tallele& x = r.alleles[a];
        sortie << (a > 0 ? ",\n" : "\n") << "{\"allele\":" << a + 1 << ",\"fixed\":" << x.fixe
               << ",\"lost\":" << x.perdu << ",\"segregating\":" << x.en_segregation
               << ",\"fixation\":";
        moyenne_json(sortie, x.fixation);
        sortie << ",\"loss\":";
        moyenne_json(sortie, x.perte);
        sortie << '}';
    }
    sortie << "],\"generations\":[";
    for (std::size_t g = 0; g < r.generations.size(); ++g) {
        const Tresume_lot::Tgeneration& x = r.generations[g];
        sortie << (g > 0 ? ",\n" : "\n") << "{\"generation\":" << g << ",\"alive\":" << x.vivantes()
               << ",\"size\":";
        moyenne_json(sortie, x.taille);
        sortie << ",\"frequencies\":[";
        for (unsigned a = 0; a < n; ++a) {
            sortie << (a > 0 ? "," : "");
            moyenne_json(sortie, x.frequences[a]);
        }
        sortie << "],\"het_observed\":";
        moyenne_json(sortie, x.heterozygotie_observee);
        sortie << ",\"het_expected\":";
        moyenne_json(sortie, x.heterozygotie_attendue);
        sortie << '}';
    }
    sortie << "]}";
}

void Tecrivain_json::termine() {
    if (ouvert_replicats) {
        sortie << "\n]";
    }
    sortie << "}\n";
}

std::string chaine_json(const std::string& texte) {
    std::string r = "\"";
    for (const char c : texte) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            r += "\\\"";
            break;
        case '\\':
            r += "\\\\";
            break;
        case '\n':
            r += "\\n";
            break;
        case '\r':
            r += "\\r";
            break;
        case '\t':
            r += "\\t";
            break;
        default:
            if (u < 0x20) {
                char echappe[8];
                std::snprintf(echappe, sizeof echappe, "\\u%04x", u);
                r += echappe;
            } else {
                r += c;
            }
        }
    }
    return r + "\"";
}
