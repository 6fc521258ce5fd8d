#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

const QString CatalogueDir = QStringLiteral(":/i18n");
const QString CataloguePrefix = QStringLiteral("vantoro_");

// The installed catalogues; replaced as a whole when the language changes.
std::unique_ptr<QTranslator> programCatalogue;
std::unique_ptr<QTranslator> qtCatalogue;
QString currentLanguage;

// "de-CH", "de_CH" and "de" all name the language "de".
QString LanguageOf(const QString& name) { return name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower(); }

} // namespace

QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& available)
{
    for (const QString& name : uiLanguages) {
        const QString language = LanguageOf(name);
        // English is the program's own; "C" and "POSIX" are the system's way to say so.
        if (language == QLatin1String("en") || language == QLatin1String("c") || language == QLatin1String("posix"))
            return QStringLiteral("en");
        if (available.contains(language)) return language;
    }
    return QStringLiteral("en");
}

QStringList CatalogueLanguages()
{
    QStringList languages;
    const QStringList files = QDir(CatalogueDir).entryList({CataloguePrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) languages.append(file.mid(CataloguePrefix.size()).section(QLatin1Char('.'), 0, 0));
    return languages;
}

bool UseLanguage(const QString& language)
{
    for (auto* catalogue : {&programCatalogue, &qtCatalogue}) {
        if (*catalogue) QCoreApplication::removeTranslator(catalogue->get());
        catalogue->reset();
    }
    currentLanguage.clear();
    if (language.isEmpty()) return true;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(CataloguePrefix + language, CatalogueDir)) return false;
    QCoreApplication::installTranslator(program.get());
    programCatalogue = std::move(program);
    currentLanguage = language;
    // Qt's texts (OK, Cancel, the file dialog) where the system has them;
    // English is Qt's own.
    if (language == QLatin1String("en")) return true;
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtCatalogue = std::move(qt);
    }
    return true;
}

QString UseSystemLanguage()
{
    const QString language = ChooseLanguage(QLocale::system().uiLanguages(), CatalogueLanguages());
    return UseLanguage(language) ? language : QString();
}

QString CurrentLanguage() { return currentLanguage; }

QStringList LocalizedFileNames(const QString& fileName, const QString& language)
{
    // The English file has no language in its name.
    if (language.isEmpty() || language == QLatin1String("en")) return {fileName};
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString translated = dot < 0 ? fileName + QLatin1Char('.') + language
                                       : fileName.left(dot + 1) + language + fileName.mid(dot);
    return {translated, fileName};
}
