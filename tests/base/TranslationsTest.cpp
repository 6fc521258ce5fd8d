// The language choice and the catalogues of translations/: every text of the
// four translations finished and carrying the same arguments, accelerators and
// outer line breaks as its English source, and the compiled catalogues the
// programs embed giving exactly those translations.

#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

const QString TranslationsDir = QStringLiteral(VANTORO_TRANSLATIONS);

struct tMessage {
    QString context;
    QString source;
    bool numerus = false;
    bool finished = false;
    QStringList forms; // one, or the plural forms
};

// The messages of a .ts file, as lupdate and a translator leave them.
std::vector<tMessage> ReadCatalogue(const QString& path)
{
    std::vector<tMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    QString context;
    tMessage m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = tMessage{context, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), false, {}};
        } else if (name == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type")).toString();
            // Texts the sources no longer have are not shown to anyone.
            const bool gone = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
            m.finished = type.isEmpty();
            if (m.numerus) {
                while (xml.readNextStartElement()) m.forms << xml.readElementText();
            } else {
                m.forms << xml.readElementText();
            }
            if (!gone) messages.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(path) << ": " << qPrintable(xml.errorString());
    return messages;
}

// "%1", "%2", "%n": the arguments a text takes.
QSet<QString> Arguments(const QString& text)
{
    static const QRegularExpression argument(QStringLiteral("%(\\d+|n)"));
    QSet<QString> found;
    for (auto it = argument.globalMatch(text); it.hasNext();) found.insert(it.next().captured());
    return found;
}

// Accelerator marks: "&File" has one, "a && b" none.
int Accelerators(const QString& text)
{
    int marks = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
            ++i;
        else
            ++marks;
    }
    return marks;
}

// The blanks and line breaks before and after the words: the code joins the
// text to others ("Tuner ", "\nStation archive: %1").
QString Ends(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return text;
    const qsizetype at = text.indexOf(trimmed);
    return text.left(at) + QLatin1Char('|') + text.mid(at + trimmed.size());
}

const QStringList Languages = {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("it")};

class Catalogues : public ::testing::Test {
protected:
    void TearDown() override { UseLanguage(QStringLiteral("en")); }
};

} // namespace

TEST(TranslationsTest, ChoosesTheFirstLanguageTheUserWantsThatHasACatalogue)
{
    const QStringList available = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("es")};
    const struct {
        QStringList wanted;
        const char* chosen;
    } cases[] = {
        {{QStringLiteral("de-DE")}, "de"},
        {{QStringLiteral("de_AT")}, "de"},
        {{QStringLiteral("fr-CA"), QStringLiteral("en-US")}, "fr"},
        // English first keeps English although a catalogue comes later.
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")}, "en"},
        // A language without a catalogue gives way to the next.
        {{QStringLiteral("pt-BR"), QStringLiteral("nl"), QStringLiteral("es-ES")}, "es"},
        {{QStringLiteral("pt-BR")}, "en"},
        {{QStringLiteral("C")}, "en"},
        {{QStringLiteral("POSIX"), QStringLiteral("it")}, "en"},
        {{}, "en"},
        {{QStringLiteral("IT-it")}, "it"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLanguage(c.wanted, available), QLatin1String(c.chosen)) << qPrintable(c.wanted.join(QLatin1Char(',')));
}

TEST(TranslationsTest, ATranslatedFileIsLookedForBeforeTheEnglishOne)
{
    const struct {
        const char* name;
        const char* language;
        QStringList names;
    } cases[] = {
        {"Vantoro.hlp", "de", {QStringLiteral("Vantoro.de.hlp"), QStringLiteral("Vantoro.hlp")}},
        {"Vantoro.txt", "fr", {QStringLiteral("Vantoro.fr.txt"), QStringLiteral("Vantoro.txt")}},
        {"archive.tar.gz", "it", {QStringLiteral("archive.tar.it.gz"), QStringLiteral("archive.tar.gz")}},
        {"README", "es", {QStringLiteral("README.es"), QStringLiteral("README")}},
        {"Vantoro.hlp", "en", {QStringLiteral("Vantoro.hlp")}},
        {"Vantoro.hlp", "", {QStringLiteral("Vantoro.hlp")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LocalizedFileNames(QLatin1String(c.name), QLatin1String(c.language)), c.names) << c.name << ' ' << c.language;
}

TEST_F(Catalogues, EveryLanguageIsEmbeddedAndCanBeSwitchedToAndBack)
{
    const QStringList embedded = CatalogueLanguages();
    for (const QString& language : Languages + QStringList{QStringLiteral("en")})
        EXPECT_TRUE(embedded.contains(language)) << qPrintable(language);
    ASSERT_TRUE(UseLanguage(QStringLiteral("de")));
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("TMainWindow", "Presets"), QStringLiteral("Senderspeicher"));
    ASSERT_TRUE(UseLanguage(QStringLiteral("fr")));
    EXPECT_EQ(QCoreApplication::translate("TMainWindow", "Presets"), QStringLiteral("Présélections"));
    // A language without a catalogue leaves English, not the last one.
    EXPECT_FALSE(UseLanguage(QStringLiteral("pt")));
    EXPECT_EQ(CurrentLanguage(), QString());
    EXPECT_EQ(QCoreApplication::translate("TMainWindow", "Presets"), QStringLiteral("Presets"));
}

TEST_F(Catalogues, EveryTextIsTranslatedWithItsArgumentsAcceleratorsAndEnds)
{
    const std::vector<tMessage> reference = ReadCatalogue(TranslationsDir + QStringLiteral("/vantoro_de.ts"));
    ASSERT_GT(reference.size(), 400u);
    for (const QString& language : Languages) {
        const std::vector<tMessage> messages =
            ReadCatalogue(TranslationsDir + QStringLiteral("/vantoro_%1.ts").arg(language));
        // Every catalogue holds the same texts: lupdate updates them all at once.
        EXPECT_EQ(messages.size(), reference.size()) << qPrintable(language);
        int numerus = 0;
        for (const tMessage& m : messages) {
            const QString where = language + QLatin1Char(' ') + m.context + QStringLiteral(": ") + m.source;
            EXPECT_TRUE(m.finished) << qPrintable(where);
            ASSERT_EQ(m.forms.size(), m.numerus ? 2 : 1) << qPrintable(where);
            numerus += m.numerus;
            for (const QString& form : m.forms) {
                EXPECT_FALSE(form.trimmed().isEmpty()) << qPrintable(where);
                EXPECT_EQ(Arguments(form), Arguments(m.source)) << qPrintable(where + QStringLiteral(" -> ") + form);
                EXPECT_EQ(Accelerators(form), Accelerators(m.source)) << qPrintable(where + QStringLiteral(" -> ") + form);
                EXPECT_EQ(Ends(form), Ends(m.source)) << qPrintable(where + QStringLiteral(" -> ") + form);
            }
        }
        EXPECT_GT(numerus, 0) << qPrintable(language);
    }
}

TEST_F(Catalogues, TheCompiledCataloguesGiveTheTranslations)
{
    for (const QString& language : Languages + QStringList{QStringLiteral("en")}) {
        ASSERT_TRUE(UseLanguage(language)) << qPrintable(language);
        const std::vector<tMessage> messages =
            ReadCatalogue(TranslationsDir + QStringLiteral("/vantoro_%1.ts").arg(language));
        ASSERT_FALSE(messages.empty()) << qPrintable(language);
        for (const tMessage& m : messages) {
            const QByteArray context = m.context.toUtf8(), source = m.source.toUtf8();
            if (!m.numerus) {
                EXPECT_EQ(QCoreApplication::translate(context.constData(), source.constData()), m.forms.value(0))
                    << qPrintable(language + QLatin1Char(' ') + m.source);
                continue;
            }
            // One and five take the first and the second form in all five languages.
            EXPECT_EQ(QCoreApplication::translate(context.constData(), source.constData(), nullptr, 1), QString(m.forms.value(0)).replace(QStringLiteral("%n"), QStringLiteral("1")))
                << qPrintable(language + QLatin1Char(' ') + m.source);
            EXPECT_EQ(QCoreApplication::translate(context.constData(), source.constData(), nullptr, 5), QString(m.forms.value(1)).replace(QStringLiteral("%n"), QStringLiteral("5")))
                << qPrintable(language + QLatin1Char(' ') + m.source);
        }
    }
}

TEST_F(Catalogues, EnglishHasTheFormsOfEveryCountedText)
{
    // Without them English would read "1 preset(s)".
    QSet<QString> english;
    for (const tMessage& m : ReadCatalogue(TranslationsDir + QStringLiteral("/vantoro_en.ts"))) {
        EXPECT_TRUE(m.numerus) << qPrintable(m.source);
        EXPECT_TRUE(m.finished) << qPrintable(m.source);
        for (const QString& form : m.forms) EXPECT_FALSE(form.contains(QStringLiteral("(s)"))) << qPrintable(form);
        english.insert(m.context + QLatin1Char('/') + m.source);
    }
    for (const tMessage& m : ReadCatalogue(TranslationsDir + QStringLiteral("/vantoro_de.ts"))) {
        if (m.numerus) {
            EXPECT_TRUE(english.contains(m.context + QLatin1Char('/') + m.source)) << qPrintable(m.source);
        }
    }
}
