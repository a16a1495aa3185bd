#pragma once

#include <QString>

#include <vector>

class QTextDocument;

// The topics of a help document: its second-level headings, each with the
// anchor that links reach it by.
namespace aide {

struct Rubrique {
    QString ancre;
    QString titre;
};

// Anchor of the contents list at the top of every help file.
inline const QString ancre_sommaire = QStringLiteral("sommaire");

// Headings of level 2 in document order; a heading without an anchor cannot be
// reached by a link and is left out.
std::vector<Rubrique> rubriques(const QTextDocument& document);

// Every anchor of the document, in document order.
std::vector<QString> ancres(const QTextDocument& document);

} // namespace aide
