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

    // Pace, pause and step, continuing, theory curves, heterozygosity.

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
