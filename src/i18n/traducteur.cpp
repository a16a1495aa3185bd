#include "i18n/traducteur.h"

#include "i18n/textes_ajoutes.h"

namespace {

langues langue_courante = francais;

struct Entree {
    const char* cle;
    const char* anglais;
};

// In the order in which the table is entered.
constexpr Entree table[] = {
    {"&Fichier", "&Files"},
    {"&Aide", "&Help"},
    {"&Outils", "&Tools"},
    {"&Langage", "&Language"},
    {"Sans titre", "no title"},
    {"&Quitter", "&Exit"},
    {"Quitter", "Exit"},
    {"&Mesure", "&Run"},
    {"&Paramètres", "&Control panel"},
    {"Mesure", "Run"},
    {"Paramètres", "Control panel"},
    {"&Rubriques d'aide", "&help topics"},
    {"&A propos", "&About"},
    {"A propos", "About"},
    {"Modifie", "Change"},
    {"Annule", "Cancel"},
    {"Impression", "Print"},
    {"Quorvel.hlp", "QuorvelE.hlp"},
    {"Quorvel.exe", "Quorvel.exe"},
    {"24/ 8/2004", "August 24,2004"},
    {"8/ 2/2009", "Feb. 8, 2009"},
    {"Réglage fin: Ajoute un individu", "Fine tuning: Add one person"},
    {"Réglage fin: Enlève un individu", "Fine tuning: Remove one person"},
    {"Allèle 1", "Allele 1"},
    {"Allèle 2", "Allele 2"},
    {"Allèle 3", "Allele 3"},
    {"Allèle 4", "Allele 4"},
    {"Effectif", "Roll"},
    {"Fécondité", "Fertility"},
    {"Fréquences alléliques", "Incidence"},
    {"Génétique des populations", "population Genetics"},
    {"générations", "generations"},
    {"%", "%"},
    {"Lance une mesure", "Starting a new simulation"},
    {"Létalité", "Lethality"},
    {"Nb d'allèles", "Alleles nb"},
    {"Nb générations", "Nb generations"},
    {"Nb individus", "Number"},
    {"Panneau de commande", "Control panel"},
    {"panmixie", "panmixy"},
    {" par graduation", " per graduation"},
    {"Echap pour interrompre", "Esc to stop"},
};

} // namespace

Traducteur::Traducteur() {
    for (const Entree& e : table) {
        textes[e.cle][anglais] = e.anglais;
    }
}

std::string Traducteur::traduit(const std::string& cle) const {
    if (langue_courante == francais) {
        return cle;
    }
    const auto entree = textes.find(cle);
    if (entree == textes.end()) {
        const auto ajoute = textes_ajoutes().find(cle);
        return ajoute == textes_ajoutes().end() ? std::string() : ajoute->second;
    }
    const auto texte = entree->second.find(langue_courante);
    return texte == entree->second.end() ? std::string() : texte->second;
}

std::string Traducteur::retraduit(const std::string& texte) const {
    std::string resultat = texte;
    // Every entry is visited: a later match replaces an earlier one.
    for (const auto& [cle, traductions] : textes) {
        if (texte == cle) {
            resultat = traduit(cle);
            continue;
        }
        for (int l = francais + 1; l <= anglais; ++l) {
            const auto t = traductions.find(static_cast<langues>(l));
            if (t != traductions.end() && t->second == texte) {
                resultat = traduit(cle);
            }
        }
    }
    // Then the texts added since, by the same rule.
    for (const auto& [cle, anglais_] : textes_ajoutes()) {
        if (texte == cle || texte == anglais_) {
            resultat = traduit(cle);
        }
    }
    return resultat;
}

langues& Traducteur::langue() const {
    return langue_courante;
}

void Traducteur::adopte_langue_systeme(const std::string& nom_langue_native) const {
    langue_courante = nom_langue_native == "français" ? francais : anglais;
}
