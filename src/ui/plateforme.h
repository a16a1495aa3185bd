#pragma once

#include <QFont>
#include <QLocale>
#include <QString>

#include <string>

// The platform services the windows need, kept in one place.
namespace plateforme {

// Native name of the locale's language ("français" for every French locale,
// whatever the country); empty when the locale names none (LANG=C). The
// default locale is the user's unless a test sets another.
std::string nom_langue_native(const QLocale& locale = QLocale());

// Whole number with all its digits, no grouping; 0 gives an empty text when
// `zero_vide` is set ("####").
QString entier(long long valeur, bool zero_vide = false);

// At most two decimals, trailing zeros and a bare separator dropped, with the
// locale's decimal separator: 2.1 -> "2,1", 2.0 -> "2", 2.25 -> "2,25".
QString decimal_deux(float valeur);

// Decimal numbers use the separator of the default locale, which is the
// user's (LC_NUMERIC) unless a test sets another.

// Exactly one decimal with the locale's separator ("0.0"): 2.5 -> "2,5".
QString decimal_un(float valeur);

// The face the windows with fixed positions (the main window's labels, the
// control panel, the About box) were laid out for: Liberation Sans, which the
// set-up scripts install, 11 pixels high (8 points at 96 dots per inch),
// whatever the desktop's own font.
QFont police_formulaires();

// UTF-8 text of the model and the translator as a Qt string, and back.
inline QString qt(const std::string& texte) {
    return QString::fromStdString(texte);
}
inline std::string std_(const QString& texte) {
    return texte.toStdString();
}

} // namespace plateforme
