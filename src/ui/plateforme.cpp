#include "ui/plateforme.h"

#include <QLocale>

#include <cmath>

namespace plateforme {

std::string nom_langue_native(const QLocale& locale) {
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) {
        return {};
    }
    return QLocale(locale.language()).nativeLanguageName().toStdString();
}

QString entier(long long valeur, bool zero_vide) {
    if (valeur == 0 && zero_vide) {
        return {};
    }
    return QString::number(valeur);
}

namespace {

QString avec_separateur(QString texte) {
    return texte.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace

QString decimal_deux(float valeur) {
    const double centiemes = std::round(static_cast<double>(valeur) * 100.0);
    QString texte = QString::number(centiemes / 100.0, 'f', 2);
    while (texte.endsWith(QLatin1Char('0'))) {
        texte.chop(1);
    }
    if (texte.endsWith(QLatin1Char('.'))) {
        texte.chop(1);
    }
    if (texte == QLatin1String("-0")) {
        texte = QStringLiteral("0");
    }
    return avec_separateur(texte);
}

QFont police_formulaires() {
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(11);
    return police;
}

QString decimal_un(float valeur) {
    return avec_separateur(QString::number(static_cast<double>(valeur), 'f', 1));
}

} // namespace plateforme
