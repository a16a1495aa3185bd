#include "donnees/exportation.h"

#include "donnees/ecriture.h"
#include "donnees/fichier_atomique.h"

void exporte_csv(const std::string& chemin, const std::vector<const Tregistre_mesure*>& registres) {
    if (registres.empty()) {
        return;
    }
    Tfichier_atomique fichier(chemin);
    ecrit_entete_csv(fichier.flux(), registres.front()->nb_alleles());
    for (const Tregistre_mesure* registre : registres) {
        ecrit_lignes_csv(fichier.flux(), *registre);
        fichier.verifie();
    }
    fichier.valide();
}
