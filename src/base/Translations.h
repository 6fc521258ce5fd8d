#pragma once
// The program in the user's language: its own catalogue (built from
// translations/*.ts and embedded under :/i18n) and Qt's for its dialogs.

#include <QString>
#include <QStringList>

// The catalogue language for the user's list of languages, most wanted first
// ("de-CH", "fr", ...): the first one that is English (the program's own) or has
// a catalogue among `available` ("de", "fr", ...); "en" when none has.
QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& available);

// The languages the embedded catalogues are for ("de", "en", "es", "fr", "it";
// English's holds only the plural forms, "1 preset", "2 presets").
QStringList CatalogueLanguages();

// Installs the program's and Qt's catalogues for `language` ("de"), in place
// of those installed before; empty removes them. Qt's own come from the
// system's Qt translations folder, when present. Returns false when the
// program's catalogue is missing (English then, without the plural forms).
bool UseLanguage(const QString& language);

// The language UseLanguage installed last ("de"); empty when none.
QString CurrentLanguage();

// The names to look for a file under, translated copy first: "Vantoro.hlp"
// in German is "Vantoro.de.hlp", then "Vantoro.hlp".
QStringList LocalizedFileNames(const QString& fileName, const QString& language);

// UseLanguage(ChooseLanguage(QLocale::system().uiLanguages(), ...)): the
// user's languages, as LANGUAGE, LC_ALL, LC_MESSAGES and LANG give them.
// Returns the language in use.
QString UseSystemLanguage();
