#pragma once

#include <cstdint>
#include <map>
#include <string>

// Languages of the interface. The order matters: re-translation walks the
// languages that follow `francais`.
enum langues : std::uint8_t { francais = 0, anglais = 1 };

// Every text of the interface is written in French in the code; that French
// text is also the key of its English counterpart. Texts are UTF-8 and keys
// compare byte by byte as unsigned values. `textes` holds the first table; the
// texts added since are in textes_ajoutes() and are found the same way.
class Traducteur {
public:
    std::map<std::string, std::map<langues, std::string>> textes;

    Traducteur();

    // The key's text in the current language. In French the key itself, in
    // English its entry, or an empty text for a key that is not in the table.
    std::string traduit(const std::string& cle) const;

    // A text shown in either language, back in the current language; a text
    // that matches no entry comes back unchanged.
    std::string retraduit(const std::string& texte) const;

    // The process-wide current language, shared by every translator.
    langues& langue() const;

    // French exactly when the native name of the user's locale language is
    // "français"; English otherwise.
    void adopte_langue_systeme(const std::string& nom_langue_native) const;
};
