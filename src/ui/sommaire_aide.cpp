#include "ui/sommaire_aide.h"

#include <QTextBlock>
#include <QTextDocument>

namespace aide {

namespace {

QStringList ancres_du_bloc(const QTextBlock& bloc) {
    QStringList noms = bloc.charFormat().anchorNames();
    for (auto morceau = bloc.begin(); !morceau.atEnd(); ++morceau) {
        for (const QString& nom : morceau.fragment().charFormat().anchorNames()) {
            if (!noms.contains(nom)) {
                noms << nom;
            }
        }
    }
    return noms;
}

} // namespace

std::vector<Rubrique> rubriques(const QTextDocument& document) {
    std::vector<Rubrique> liste;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        const QStringList noms = ancres_du_bloc(bloc);
        if (bloc.blockFormat().headingLevel() == 2 && !noms.isEmpty()) {
            liste.push_back({noms.first(), bloc.text().simplified()});
        }
    }
    return liste;
}

std::vector<QString> ancres(const QTextDocument& document) {
    std::vector<QString> liste;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        for (const QString& nom : ancres_du_bloc(bloc)) {
            liste.push_back(nom);
        }
    }
    return liste;
}

} // namespace aide
