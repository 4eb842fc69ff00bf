#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace pacewise::AppLanguage {

// The languages Pacewise ships texts for, in the order they are offered.
QStringList supportedCodes();

// The supported code for an override (matched ignoring case: "PT-br" is
// "pt-BR"), else the first of the user's preferred languages that is
// supported (by language and script), else "en".
QString resolvedLanguageCode(const QString &override, const QStringList &preferredLanguages);

// The locale for dates and numbers: the resolved language with the system
// locale's region.
QLocale formattingLocale(const QString &override, const QLocale &systemLocale, const QStringList &preferredLanguages);

// Makes the catalogue of a supported code (":/i18n/pacewise_<code>.qm") the
// one text lookups use, replacing the previous one. False when this build
// ships none for it; lookups then show the English texts.
bool installCatalogue(const QString &code);

// Makes the language chosen by override (the system's when empty) this
// process's: its catalogue for the texts (English when none is shipped) and
// formattingLocale as the default locale for times, days and numbers.
void apply(const QString &override);

} // namespace pacewise::AppLanguage
