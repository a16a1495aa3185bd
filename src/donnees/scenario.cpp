#include "donnees/scenario.h"

#include "donnees/fichier_atomique.h"
#include "i18n/traducteur.h"
#include "model/bornes.h"
#include "model/options_mesure.h"

#include <toml++/toml.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <sys/stat.h>

namespace {

// --- Messages ---

// The model with %1, %2 ... replaced by the values.
std::string remplace(const std::string& modele, std::initializer_list<std::string> valeurs) {
    std::string r;
    for (std::size_t i = 0; i < modele.size(); ++i) {
        if (modele[i] == '%' && i + 1 < modele.size() && modele[i + 1] >= '1' &&
            modele[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(modele[i + 1] - '1');
            if (k < valeurs.size()) {
                r += *(valeurs.begin() + k);
                ++i;
                continue;
            }
        }
        r += modele[i];
    }
    return r;
}

// One translator for every message (its table is built once); the language
// it answers in is the process's current one.
std::string tr(const char* cle, std::initializer_list<std::string> valeurs = {}) {
    static const Traducteur traducteur;
    return remplace(traducteur.traduit(cle), valeurs);
}

std::string nombre_texte(double x) {
    std::array<char, 32> texte{};
    const auto r = std::to_chars(texte.data(), texte.data() + texte.size(), x);
    return std::string(texte.data(), r.ptr);
}

std::string nombre_texte(std::int64_t x) {
    return std::to_string(x);
}

std::string lieu(std::uint32_t ligne, const std::string& champ) {
    const std::string l = std::to_string(ligne);
    return champ.empty() ? tr("ligne %1", {l}) : tr("ligne %1, champ « %2 »", {l, champ});
}

[[noreturn]] void refuse(std::uint32_t ligne, const std::string& champ, const std::string& quoi) {
    throw Terreur_scenario(ligne, champ, tr("%1 : %2", {lieu(ligne, champ), quoi}));
}

// --- Before parsing: a text of reasonable size, in UTF-8 ---

std::uint32_t nb_lignes(std::string_view texte) {
    std::uint32_t n = 1;
    for (const char c : texte) {
        n += c == '\n' ? 1 : 0;
    }
    return texte.empty() || texte.back() != '\n' ? n : n - 1;
}

// The length of the UTF-8 sequence at i, 0 when it is not well formed.
std::size_t sequence_utf8(std::string_view t, std::size_t i) {
    const auto c = static_cast<unsigned char>(t[i]);
    std::size_t suite = 0;
    std::uint32_t point = 0;
    std::uint32_t minimum = 0;
    if ((c & 0xE0) == 0xC0) {
        suite = 1, point = c & 0x1Fu, minimum = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        suite = 2, point = c & 0x0Fu, minimum = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        suite = 3, point = c & 0x07u, minimum = 0x10000;
    } else {
        return 0;
    }
    if (t.size() - i <= suite) {
        return 0;
    }
    for (std::size_t k = 1; k <= suite; ++k) {
        const auto o = static_cast<unsigned char>(t[i + k]);
        if ((o & 0xC0) != 0x80) {
            return 0;
        }
        point = (point << 6) | (o & 0x3Fu);
    }
    const bool substitut = point >= 0xD800 && point <= 0xDFFF;
    return point < minimum || point > 0x10FFFF || substitut ? 0 : suite + 1;
}

void verifie_texte(std::string_view texte) {
    if (texte.size() > taille_max_scenario) {
        throw Terreur_scenario(
            0, "", tr("le fichier dépasse %1 octets", {std::to_string(taille_max_scenario)}));
    }
    std::uint32_t ligne = 1;
    for (std::size_t i = 0; i < texte.size();) {
        const auto c = static_cast<unsigned char>(texte[i]);
        if (c == 0) {
            refuse(ligne, "", tr("ce n'est pas un fichier de texte (octet nul)"));
        }
        if (c < 0x80) {
            ligne += c == '\n' ? 1 : 0;
            ++i;
            continue;
        }
        const std::size_t n = sequence_utf8(texte, i);
        if (n == 0) {
            refuse(ligne, "", tr("ce n'est pas du texte UTF-8"));
        }
        i += n;
    }
}

// Outside quoted texts and comments TOML is ASCII. The parser (toml++ 3.3.0)
// asks whether a character is white space there, and after a backslash in a
// multi-line text, with a function whose result is undefined for most
// non-ASCII characters ('é' among them): such characters are refused here
// first, with their place. Where TOML allows them (a line-ending backslash
// followed by a letter on the next line), the text is refused all the same.
class Tlexique {
public:
    explicit Tlexique(std::string_view texte) : t(texte) {}

    void verifie() {
        while (i < t.size()) {
            switch (etat) {
            case Tetat::normal:
                normal();
                break;
            case Tetat::commentaire:
                etat = t[i] == '\n' ? Tetat::normal : etat;
                avance(1);
                break;
            case Tetat::chaine:
            case Tetat::litterale:
                chaine_simple(etat == Tetat::chaine ? '"' : '\'');
                break;
            case Tetat::chaine_ml:
            case Tetat::litterale_ml:
                chaine_ml(etat == Tetat::chaine_ml ? '"' : '\'');
                break;
            }
        }
    }

private:
    enum class Tetat { normal, commentaire, chaine, litterale, chaine_ml, litterale_ml };

    bool triple(char guillemet) const { return t.compare(i, 3, std::string(3, guillemet)) == 0; }

    void avance(std::size_t n) {
        for (; n > 0 && i < t.size(); --n, ++i) {
            const auto c = static_cast<unsigned char>(t[i]);
            if (c == '\n') {
                ++ligne;
                colonne = 1;
            } else if ((c & 0xC0) != 0x80) {
                ++colonne;
            }
        }
    }

    [[noreturn]] void refuse_ici(const char* quoi) const {
        throw Terreur_scenario(ligne, "",
                               tr("%1 : %2", {tr("ligne %1, colonne %2",
                                                 {std::to_string(ligne), std::to_string(colonne)}),
                                              tr(quoi)}));
    }

    static bool ascii(char c) { return static_cast<unsigned char>(c) < 0x80; }

    // A quote opens a text only where a value or a key may start; right
    // after a bare word (`2.1"x"`) the parser reads on through it.
    bool ouvre_texte() const {
        return i == 0 || std::string_view(" \t\r\n=[{,.").find(t[i - 1]) != std::string_view::npos;
    }

    void normal() {
        const char c = t[i];
        if (c == '#') {
            etat = Tetat::commentaire;
        } else if ((c == '"' || c == '\'') && ouvre_texte()) {
            if (triple(c)) {
                etat = c == '"' ? Tetat::chaine_ml : Tetat::litterale_ml;
                avance(3);
                return;
            }
            etat = c == '"' ? Tetat::chaine : Tetat::litterale;
        } else if (!ascii(c)) {
            refuse_ici("caractère non ASCII hors d'un texte entre guillemets ou d'un commentaire");
        }
        avance(1);
    }

    // A text on one line: it ends at its quote, or at the end of the line
    // (where the parser reports it).
    void chaine_simple(char guillemet) {
        const char c = t[i];
        if (c == guillemet || c == '\n') {
            etat = Tetat::normal;
        } else if (c == '\\' && guillemet == '"' && i + 1 < t.size() && t[i + 1] != '\n') {
            avance(1);
        }
        avance(1);
    }

    void chaine_ml(char guillemet) {
        if (triple(guillemet)) {
            std::size_t n = 3;
            while (i + n < t.size() && t[i + n] == guillemet) {
                ++n;
            }
            etat = Tetat::normal;
            avance(n);
            return;
        }
        if (t[i] != '\\' || guillemet != '"') {
            avance(1);
            return;
        }
        avance(1);
        if (i < t.size() && !ascii(t[i])) {
            refuse_ici("caractère non ASCII après une barre oblique inverse");
        }
        if (i < t.size() && std::string_view(" \t\r\n").find(t[i]) != std::string_view::npos) {
            while (i < t.size() &&
                   std::string_view(" \t\r\n").find(t[i]) != std::string_view::npos) {
                avance(1);
            }
            if (i < t.size() && !ascii(t[i])) {
                refuse_ici("caractère non ASCII après une barre oblique inverse");
            }
            return;
        }
        avance(1);
    }

    std::string_view t;
    std::size_t i = 0;
    std::uint32_t ligne = 1;
    std::uint32_t colonne = 1;
    Tetat etat = Tetat::normal;
};

// --- Fields ---

constexpr const char* champs_connus[] = {
    "format",   "version",  "title",     "instructions", "alleles", "frequencies", "lethalities",
    "min_size", "max_size", "fecundity", "generations",  "seed",    "replicates"};

class Tlecteur {
public:
    Tlecteur(const toml::table& table, std::uint32_t fin, Tbornage bornage)
        : table(table), fin(fin), bornage(bornage) {}

    std::vector<Tajustement> ajustements;

    static std::uint32_t ligne(const toml::node& n) { return n.source().begin.line; }

    const toml::node* champ(const char* nom, bool requis) const {
        const toml::node* n = table.get(nom);
        if (n == nullptr && requis) {
            refuse(fin, nom, tr("champ absent (le fichier est peut-être tronqué)"));
        }
        return n;
    }

    static std::int64_t entier(const char* nom, const toml::node& n) {
        if (const auto* v = n.as_integer()) {
            return v->get();
        }
        refuse(ligne(n), nom, tr("nombre entier attendu"));
    }

    static double nombre(const char* nom, const toml::node& n) {
        if (const auto* v = n.as_integer()) {
            return static_cast<double>(v->get());
        }
        if (const auto* v = n.as_floating_point(); v != nullptr && std::isfinite(v->get())) {
            return v->get();
        }
        refuse(ligne(n), nom, tr("nombre attendu"));
    }

    static std::string texte(const char* nom, const toml::node& n) {
        if (const auto* v = n.as_string()) {
            return v->get();
        }
        refuse(ligne(n), nom, tr("texte attendu"));
    }

    static const toml::array& liste(const char* nom, const toml::node& n) {
        if (const auto* v = n.as_array()) {
            return *v;
        }
        refuse(ligne(n), nom, tr("liste de nombres attendue"));
    }

    // A value brought into range: listed, or refused.
    void ajuste(std::uint32_t ligne, const char* nom, const std::string& ajuste,
                const std::string& refus) {
        if (bornage == Tbornage::refuse) {
            refuse(ligne, nom, refus);
        }
        ajustements.push_back({ligne, nom, tr("%1 : %2", {lieu(ligne, nom), ajuste})});
    }

    template <class T>
    void borne(const toml::node& n, const char* nom, T lu, T retenu, T bas, T haut) {
        if (lu != retenu) {
            const std::string l = nombre_texte(lu);
            const std::string b = nombre_texte(bas);
            const std::string h = nombre_texte(haut);
            ajuste(ligne(n), nom,
                   tr("%1 ramené à %2 (de %3 à %4)", {l, nombre_texte(retenu), b, h}),
                   tr("%1 n'est pas entre %2 et %3", {l, b, h}));
        }
    }

    // Percentages of a list, each within 0 to 100.
    std::vector<double> pourcentages(const char* nom, const toml::node& n) {
        std::vector<double> valeurs;
        for (const toml::node& element : liste(nom, n)) {
            const double lu = nombre(nom, element);
            const double retenu = borne_pourcentage(lu);
            borne(element, nom, lu, retenu, 0.0, 100.0);
            valeurs.push_back(retenu);
        }
        return valeurs;
    }

private:
    const toml::table& table;
    std::uint32_t fin;
    Tbornage bornage;
};

void lit_format(const Tlecteur& l) {
    const toml::node* format = l.champ("format", false);
    if (format == nullptr || format->value<std::string>() != std::string(format_scenario)) {
        refuse(
            format != nullptr ? Tlecteur::ligne(*format) : 1, "format",
            tr("ce n'est pas un scénario de Quorvel : format = \"%1\" attendu", {format_scenario}));
    }
    const toml::node& version = *l.champ("version", true);
    const std::int64_t v = Tlecteur::entier("version", version);
    if (v > version_scenario) {
        refuse(Tlecteur::ligne(version), "version",
               tr("version %1 écrite par une version plus récente de Quorvel (celle-ci lit la "
                  "version %2)",
                  {std::to_string(v), std::to_string(version_scenario)}));
    }
    if (v < 1) {
        refuse(Tlecteur::ligne(version), "version", tr("version %1 inconnue", {std::to_string(v)}));
    }
}

void verifie_champs(const toml::table& table) {
    for (auto&& [cle, valeur] : table) {
        bool connu = false;
        for (const char* nom : champs_connus) {
            connu = connu || cle.str() == nom;
        }
        if (!connu) {
            refuse(cle.source().begin.line, std::string(cle.str()), tr("champ inconnu"));
        }
    }
}

void lit_alleles(Tlecteur& l, Tparametres_mesure& p) {
    const toml::node& alleles = *l.champ("alleles", true);
    const std::int64_t lu = Tlecteur::entier("alleles", alleles);
    p.nb_alleles = borne_nb_alleles(lu);
    l.borne<std::int64_t>(alleles, "alleles", lu, p.nb_alleles, 2, 4);
    p.ajuste();

    const toml::node& frequences = *l.champ("frequencies", true);
    std::vector<double> f = l.pourcentages("frequencies", frequences);
    if (f.size() != p.nb_alleles) {
        refuse(Tlecteur::ligne(frequences), "frequencies",
               tr("%1 valeurs attendues, une par allèle", {std::to_string(p.nb_alleles)}));
    }
    double somme = 0.0;
    for (const double x : f) {
        somme += x;
    }
    if (std::abs(somme - 100.0) > 0.01) {
        const std::string total = nombre_texte(somme);
        l.ajuste(Tlecteur::ligne(frequences), "frequencies",
                 tr("total %1 % au lieu de 100 % : fréquences ramenées à 100 %", {total}),
                 tr("total %1 % au lieu de 100 %", {total}));
        for (double& x : f) {
            x = somme > 0.0 ? x * 100.0 / somme : 100.0 / static_cast<double>(f.size());
        }
    }
    for (std::size_t i = 0; i < f.size(); ++i) {
        p.frequences[i] = static_cast<float>(f[i] * 0.01);
    }

    const toml::node& letalites = *l.champ("lethalities", true);
    const std::vector<double> x = l.pourcentages("lethalities", letalites);
    if (x.size() > p.nb_alleles) {
        refuse(Tlecteur::ligne(letalites), "lethalities",
               tr("au plus %1 valeurs attendues, une par allèle", {std::to_string(p.nb_alleles)}));
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        p.letalites[i] = static_cast<float>(x[i] * 0.01);
    }
}

// The ceiling first, from the floor, then the first generation's size below
// it: the order in which the panel lets a user bring both down.
void lit_effectifs(Tlecteur& l, Tparametres_mesure& p) {
    const toml::node& max = *l.champ("max_size", true);
    const std::int64_t lu_max = Tlecteur::entier("max_size", max);
    p.effectif_min = p.effectif_plancher;
    p.effectif_max = borne_effectif_max(p, lu_max);
    l.borne<std::int64_t>(max, "max_size", lu_max, p.effectif_max, 10, p.effectif_plafond);

    const toml::node& min = *l.champ("min_size", true);
    const std::int64_t lu_min = Tlecteur::entier("min_size", min);
    p.effectif_min = borne_effectif_min(p, lu_min);
    l.borne<std::int64_t>(min, "min_size", lu_min, p.effectif_min, p.effectif_plancher,
                          p.effectif_max);
}

void lit_fecondite(Tlecteur& l, Tparametres_mesure& p) {
    const toml::node& n = *l.champ("fecundity", true);
    const double lu = Tlecteur::nombre("fecundity", n);
    const double centiemes = std::round(std::clamp(lu, -1e6, 1e6) * 100.0);
    const std::int64_t retenu = borne_centiemes_fecondite(p, static_cast<std::int64_t>(centiemes));
    p.fecondite = fecondite_de_centiemes(retenu);
    const bool exact = std::abs(lu * 100.0 - centiemes) <= 1e-6;
    if (!exact || retenu != static_cast<std::int64_t>(centiemes)) {
        const std::string bas = nombre_texte(static_cast<double>(p.fecondite_min));
        const std::string haut = nombre_texte(static_cast<double>(p.fecondite_max));
        l.ajuste(
            Tlecteur::ligne(n), "fecundity",
            tr("%1 ramené à %2 (de %3 à %4, au centième)",
               {nombre_texte(lu), nombre_texte(static_cast<double>(retenu) / 100.0), bas, haut}),
            tr("%1 n'est pas un nombre de %2 à %3 avec au plus deux décimales",
               {nombre_texte(lu), bas, haut}));
    }
}

std::optional<std::uint64_t> lit_graine(const Tlecteur& l) {
    const toml::node* n = l.champ("seed", false);
    if (n == nullptr) {
        return std::nullopt;
    }
    if (const auto* v = n->as_integer(); v != nullptr && v->get() >= 0) {
        return static_cast<std::uint64_t>(v->get());
    }
    if (const auto* v = n->as_string()) {
        const std::string& t = v->get();
        std::uint64_t graine = 0;
        const auto r = std::from_chars(t.data(), t.data() + t.size(), graine);
        if (!t.empty() && r.ec == std::errc() && r.ptr == t.data() + t.size()) {
            return graine;
        }
    }
    refuse(Tlecteur::ligne(*n), "seed",
           tr("graine de 0 à %1 attendue",
              {std::to_string(std::numeric_limits<std::uint64_t>::max())}));
}

// --- Writing ---

std::string chaine_toml(const std::string& t) {
    std::string r = "\"";
    for (const char c : t) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            r += '\\';
            r += c;
        } else if (c == '\n') {
            r += "\\n";
        } else if (c == '\t') {
            r += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            char e[8];
            std::snprintf(e, sizeof e, "\\u%04X", u);
            r += e;
        } else {
            r += c;
        }
    }
    return r + "\"";
}

// A multi-line string, kept readable: new lines and tabs as they are, a
// quote escaped only where it would run into another or into the end.
std::string chaine_multiligne(const std::string& t) {
    if (t.empty()) {
        return "\"\"";
    }
    std::string r = "\"\"\"\n";
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\') {
            r += "\\\\";
        } else if (c == '"') {
            r += i + 1 == t.size() || t[i + 1] == '"' ? "\\\"" : "\"";
        } else if (c == '\n' || c == '\t') {
            r += c;
        } else if (u < 0x20 || u == 0x7F) {
            char e[8];
            std::snprintf(e, sizeof e, "\\u%04X", u);
            r += e;
        } else {
            r += c;
        }
    }
    return r + "\"\"\"";
}

std::string texte_fixe(double x, int decimales) {
    std::array<char, 64> texte{};
    const auto r = std::to_chars(texte.data(), texte.data() + texte.size(), x,
                                 std::chars_format::fixed, decimales);
    return std::string(texte.data(), r.ptr);
}

// The fecundity as its hundredths, "2.1" or "2.25".
std::string fecondite_texte(float f) {
    const auto centiemes = static_cast<std::int64_t>(std::llround(static_cast<double>(f) * 100.0));
    if (fecondite_de_centiemes(centiemes) != f) {
        return nombre_texte(static_cast<double>(f));
    }
    std::string t = texte_fixe(static_cast<double>(centiemes) / 100.0, 2);
    if (t.back() == '0') {
        t.pop_back();
    }
    return t;
}

template <class Valeur>
std::string liste_pourcentages(unsigned n, Valeur valeur) {
    std::string r = "[";
    for (unsigned i = 0; i < n; ++i) {
        r += (i > 0 ? ", " : "") + pourcentage_exact(valeur(i));
    }
    return r + "]";
}

} // namespace

bool Tscenario::operator==(const Tscenario& autre) const {
    return titre == autre.titre && instructions == autre.instructions &&
           parametres == autre.parametres && replicats == autre.replicats && graine == autre.graine;
}

std::string pourcentage_exact(float fraction) {
    const double pourcentage = static_cast<double>(fraction) * 100.0;
    for (int decimales = 0; decimales <= 12; ++decimales) {
        const std::string t = texte_fixe(pourcentage, decimales);
        double relu = 0.0;
        std::from_chars(t.data(), t.data() + t.size(), relu);
        if (static_cast<float>(relu * 0.01) == fraction) {
            return t;
        }
    }
    return nombre_texte(pourcentage);
}

Tlecture_scenario lit_scenario(std::string_view texte, Tbornage bornage) {
    verifie_texte(texte);
    Tlexique(texte).verifie();
    toml::table table;
    try {
        table = toml::parse(texte);
    } catch (const toml::parse_error& e) {
        std::string description(e.description());
        for (char& c : description) {
            c = c == '\n' || c == '\r' ? ' ' : c;
        }
        const toml::source_position& debut = e.source().begin;
        throw Terreur_scenario(
            debut.line, "",
            tr("%1 : %2", {tr("ligne %1, colonne %2",
                              {std::to_string(debut.line), std::to_string(debut.column)}),
                           tr("erreur de syntaxe TOML (%1)", {description})}));
    }

    Tlecteur l(table, nb_lignes(texte), bornage);
    lit_format(l);
    verifie_champs(table);
    Tlecture_scenario lecture;
    Tscenario& s = lecture.scenario;
    if (const toml::node* titre = l.champ("title", false)) {
        s.titre = Tlecteur::texte("title", *titre);
    }
    if (const toml::node* instructions = l.champ("instructions", false)) {
        s.instructions = Tlecteur::texte("instructions", *instructions);
    }
    lit_alleles(l, s.parametres);
    lit_effectifs(l, s.parametres);
    lit_fecondite(l, s.parametres);
    const toml::node& generations = *l.champ("generations", true);
    const std::int64_t lu = Tlecteur::entier("generations", generations);
    s.parametres.nb_generations = borne_nb_generations(s.parametres, lu);
    l.borne<std::int64_t>(generations, "generations", lu, s.parametres.nb_generations, 10,
                          s.parametres.nb_generations_max);
    s.graine = lit_graine(l);
    const toml::node& replicats = *l.champ("replicates", true);
    const std::int64_t r = Tlecteur::entier("replicates", replicats);
    constexpr std::int64_t max = Toptions_mesure::replicats_max;
    s.replicats = static_cast<std::uint32_t>(std::clamp<std::int64_t>(r, 1, max));
    l.borne<std::int64_t>(replicats, "replicates", r, s.replicats, 1, max);
    lecture.ajustements = std::move(l.ajustements);
    return lecture;
}

Tlecture_scenario charge_scenario(const std::string& chemin, Tbornage bornage) {
    const auto illisible = [](const std::string& raison) {
        return Terreur_scenario(0, "", tr("impossible de lire le fichier (%1)", {raison}));
    };
    struct stat etat {};
    if (::stat(chemin.c_str(), &etat) != 0) {
        throw illisible(std::strerror(errno));
    }
    if (!S_ISREG(etat.st_mode)) {
        throw illisible(tr("ce n'est pas un fichier ordinaire"));
    }
    const std::size_t limite = taille_max_scenario + 1;
    std::ifstream f(chemin, std::ios::binary);
    std::string texte(limite, '\0');
    if (!f) {
        throw illisible(std::strerror(errno));
    }
    f.read(texte.data(), static_cast<std::streamsize>(limite));
    if (f.bad()) {
        throw illisible(std::strerror(errno));
    }
    texte.resize(static_cast<std::size_t>(f.gcount()));
    return lit_scenario(texte, bornage);
}

void ecrit_scenario(std::ostream& s, const Tscenario& scenario) {
    const Tparametres_mesure& p = scenario.parametres;
    const unsigned n = p.nb_alleles;
    s << "# Quorvel scenario: the settings of a run, with a title and instructions\n"
         "# for students. Lines that start with # are comments. Percentages go from\n"
         "# 0 to 100. Quorvel's help (Scenario files) describes every field.\n"
      << "format = " << chaine_toml(format_scenario) << "\nversion = " << version_scenario
      << "\n\ntitle = " << chaine_toml(scenario.titre)
      << "\ninstructions = " << chaine_multiligne(scenario.instructions) << "\n\n"
      << "# Number of alleles, 2 to 4.\nalleles = " << n << '\n'
      << "# Initial frequency of each allele in percent, one per allele, adding up to 100.\n"
      << "frequencies = " << liste_pourcentages(n, [&](unsigned i) { return p.frequence(i); })
      << "\n# Lethality of each allele for its homozygous children, in percent.\n"
      << "lethalities = " << liste_pourcentages(n, [&](unsigned i) { return p.letalite(i); })
      << "\n# Size of the first generation, 2 to max_size.\nmin_size = " << p.effectif_min
      << "\n# Largest size of any generation, 10 to 10000.\nmax_size = " << p.effectif_max
      << "\n# Mean number of children per couple, 2.00 to 2.50.\nfecundity = "
      << fecondite_texte(p.fecondite)
      << "\n# Generations per run, 10 to 1000.\ngenerations = " << p.nb_generations
      << "\n# Seed of the random draws: the same seed and settings give the same\n"
         "# populations. Without a seed, each run draws a new one.\n";
    if (!scenario.graine) {
        s << "# seed = 2026\n";
    } else if (*scenario.graine <= static_cast<std::uint64_t>(INT64_MAX)) {
        s << "seed = " << *scenario.graine << '\n';
    } else {
        s << "seed = \"" << *scenario.graine << "\"\n";
    }
    s << "# Number of populations run side by side, 1 to " << Toptions_mesure::replicats_max
      << ".\nreplicates = " << scenario.replicats << '\n';
}

void enregistre_scenario(const std::string& chemin, const Tscenario& scenario) {
    Tfichier_atomique fichier(chemin);
    ecrit_scenario(fichier.flux(), scenario);
    fichier.valide();
}
