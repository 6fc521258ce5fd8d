#include "Oracles.h"

#include "Archive.h"
#include "PresetsFile.h"
#include "Helpers.h"
#include "Profile.h"
#include "Script.h"
#include "ScriptFile.h"
#include "Settings.h"
#include "TextDecoding.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTime>

#include <cmath>
#include <cstring>

namespace {

// Every oracle holds in each of these: "." and "," as the decimal mark, and
// the Arabic mark U+066B, which must never reach a file.
template <typename F>
QString InEveryLocale(F check)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    const QLocale previous;
    QString fault;
    for (const QLocale& locale : locales) {
        QLocale::setDefault(locale);
        fault = check();
        if (!fault.isEmpty()) {
            fault = locale.name() + QStringLiteral(": ") + fault;
            break;
        }
    }
    QLocale::setDefault(previous);
    return fault;
}

// A directory of this process's own for the files the oracles write.
QString ScratchDir(const QString& name)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QDir().mkpath(path);
    return path;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// ---- presets file

std::uint8_t LoadPresets(const QByteArray& bytes, tPresets& table)
{
    QBuffer buffer;
    buffer.setData(bytes);
    return LoadPresetsFile(buffer, table);
}

QByteArray PresetsText(const tPresets& table)
{
    QBuffer buffer;
    return SavePresetsFile(buffer, table) ? buffer.data() : QByteArray("(not written)");
}

QString DifferentPreset(const tPresets& a, const tPresets& b)
{
    for (int n = 1; n <= tPresets::Count; ++n) {
        const tPreset &x = a[n], &y = b[n];
        if (x.Used != y.Used ||
            (x.Used && (x.Band != y.Band || x.Name != y.Name ||
                        FileFrequencyText(x.Frequency) != FileFrequencyText(y.Frequency))))
            return QStringLiteral("preset %1 differs").arg(n);
    }
    return {};
}

// ---- settings file

bool SameSections(const std::vector<tSettingsSection>& a, const std::vector<tSettingsSection>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Name != b[i].Name || a[i].Keys != b[i].Keys) return false;
    return true;
}

// The lines a save must keep as they are, in their order: every line of the
// sections the program does not own and of the lines before the first
// header (blank lines at a section's end aside), and the comments and other
// lines that hold no key inside the sections it owns.
QStringList KeptLines(const QString& text)
{
    static const QSet<QString> owned = [] {
        QSet<QString> names{QStringLiteral("serial")};
        for (const tSettingsSection& s : SettingsSections(TSettings()))
            names << s.Name.toLower();
        return names;
    }();
    QStringList kept, blanks;
    bool foreign = true;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString t = line.trimmed();
        const qsizetype close = t.indexOf(QLatin1Char(']'));
        if (t.startsWith(QLatin1Char('[')) && close > 0) {
            blanks.clear();
            foreign = !owned.contains(t.mid(1, close - 1).trimmed().toLower());
            if (foreign) kept << line;
            continue;
        }
        const bool comment = t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'));
        const bool keyLine =
            !comment && !t.startsWith(QLatin1Char('[')) && t.indexOf(QLatin1Char('=')) > 0;
        if (t.isEmpty()) {
            if (foreign) blanks << line;
        } else if (foreign || !keyLine) {
            kept << blanks << line;
            blanks.clear();
        }
    }
    return kept;
}

// ---- archive

QString TreeText(const TArchive& archive)
{
    QString text;
    archive.Walk([&](const TArchiveNode& node, int depth) {
        text +=
            QString::number(depth) + QLatin1Char(':') + TArchive::RowText(node) + QLatin1Char('\n');
    });
    return text;
}

// ---- script file

// What the writer writes for an action: a jump on AM is mono.
tScript AsWritten(tScript script)
{
    for (zAction& action : script.Actions)
        if (action.Kind == zJumpTo && action.Band == 0) action.Stereo = false;
    return script;
}

std::uint8_t LoadScript(const QByteArray& bytes, tScript& script)
{
    QBuffer buffer;
    buffer.setData(bytes);
    return LoadScriptFile(buffer, script);
}

// ---- helpers

// A file frequency prints as digits, ",", three digits; reads back as the
// same frequency; and the plain printing reads back alike too.
QString FrequencyRoundTrip(double value)
{
    static const QRegularExpression shape(QStringLiteral("^-?[0-9]{3,},[0-9]{3}$"));
    const QString printed = FileFrequencyText(value);
    if (!shape.match(printed).hasMatch())
        return QStringLiteral("%1 printed as \"%2\"").arg(value).arg(printed);
    double back = 0;
    if (!FileTextToFloat(printed, back) || FileFrequencyText(back) != printed)
        return QStringLiteral("\"%1\" does not read back as itself").arg(printed);
    const QString plain = FrequencyText(value);
    if (!FileTextToFloat(plain, back) || FrequencyText(back) != plain)
        return QStringLiteral("\"%1\" does not read back as itself").arg(plain);
    return {};
}

QString CheckText(const QString& text, unsigned char pick)
{
    const QString trimmed = TrimBlanks(text);
    if (!trimmed.isEmpty() &&
        (trimmed.front().unicode() <= 0x20 || trimmed.back().unicode() <= 0x20))
        return QStringLiteral("TrimBlanks left a blank at an end");
    if (!text.contains(trimmed)) return QStringLiteral("TrimBlanks changed the inside");

    const int count = CharCount(text);
    if (LeftChars(text, count) != text)
        return QStringLiteral("LeftChars of every character is not the text");
    const int k = pick % (count + 1);
    const QString left = LeftChars(text, k);
    if (CharCount(left) != k || !text.startsWith(left))
        return QStringLiteral("LeftChars(%1) is wrong").arg(k);
    if (!left.isEmpty() && left.back().isHighSurrogate() && text.size() > left.size() &&
        text[left.size()].isLowSurrogate())
        return QStringLiteral("LeftChars split a character");

    if (IsTimeHHMM(text) !=
        (text.size() >= 4 && QTime::fromString(text.left(4), QStringLiteral("HHmm")).isValid()))
        return QStringLiteral("IsTimeHHMM is wrong");
    const int code = ActionCode(text);
    if (code != 0 && ActionWord(tActionKind(code)).compare(text, Qt::CaseInsensitive) != 0)
        return QStringLiteral("ActionCode is wrong");
    return {};
}

} // namespace

// Oracle: a file that loads writes a copy that loads in every locale to the
// same table and writes the same bytes again; a file that does not load
// leaves the table as it was; a buffer never gives a read error.
QString CheckPresetsFile(const QByteArray& input)
{
    return InEveryLocale([&]() -> QString {
        tPresets table;
        table[7] = {QStringLiteral("before"), 99.5, 1, 0, 1};
        const tPresets before = table;
        const std::uint8_t result = LoadPresets(input, table);
        if (result == plReadError) return QStringLiteral("read error from memory");
        if (result != plLoaded)
            return DifferentPreset(table, before).isEmpty()
                       ? QString()
                       : QStringLiteral("a corrupt file changed the table");
        const QByteArray written = PresetsText(table);
        return InEveryLocale([&]() -> QString {
            tPresets again;
            if (LoadPresets(written, again) != plLoaded)
                return QStringLiteral("the written copy does not load");
            const QString fault = DifferentPreset(table, again);
            if (!fault.isEmpty()) return QStringLiteral("the written copy: ") + fault;
            return PresetsText(again) == written ? QString()
                                                 : QStringLiteral("a second copy differs");
        });
    });
}

// Oracle: read, save, read again gives the same values, and a second save
// the same bytes; a save keeps every line the program does not own in its
// place (byte for byte when the file is UTF-8); a file that cannot be read
// is never written over.
QString CheckSettingsFile(const QByteArray& input)
{
    const QString dir = ScratchDir(QStringLiteral("settings"));
    const QString path = QDir(dir).filePath(TSettingsFile::FileName());
    return InEveryLocale([&]() -> QString {
        WriteBytes(path, input);
        TSettingsFile first(dir);
        const TSettings read = first.Read();
        if (first.Profile().ReadFailed())
            return !first.Save(read) && ReadBytes(path) == input
                       ? QString()
                       : QStringLiteral("an unreadable file was written");
        if (!first.Save(read)) return QStringLiteral("the save failed");
        const QByteArray written = ReadBytes(path);
        if (KeptLines(DecodeFileText(input)) != KeptLines(QString::fromUtf8(written)))
            return QStringLiteral("lines the program does not write were changed, moved or lost");
        TSettingsFile second(dir);
        const TSettings again = second.Read();
        if (second.Profile().ReadFailed() ||
            !SameSections(SettingsSections(read), SettingsSections(again)))
            return QStringLiteral("the saved file reads back different values");
        if (!second.Save(again) || ReadBytes(path) != written)
            return QStringLiteral("a second save changed the file");
        return {};
    });
}

// Oracle: a frequency read from any text or made of any eight bytes prints in
// the file form and reads back as itself; blanks are trimmed only at the
// ends; counting and cutting by characters never splits one; hours and
// minutes are a valid time in every locale; the time and action-word checks
// agree with their definitions.
QString CheckHelpers(const QByteArray& input)
{
    const QString text = QString::fromUtf8(input);
    double raw = 0;
    if (input.size() >= qsizetype(sizeof raw)) std::memcpy(&raw, input.constData(), sizeof raw);
    const auto byte = [&](int i) {
        return input.size() > i ? static_cast<unsigned char>(input[i]) : 0u;
    };
    return InEveryLocale([&]() -> QString {
        QString fault = FrequencyRoundTrip(raw);
        double read = 0;
        if (fault.isEmpty() && FileTextToFloat(text, read)) fault = FrequencyRoundTrip(read);
        if (fault.isEmpty()) fault = CheckText(text, byte(0));
        const QString time =
            QStringLiteral("%1:%2").arg(byte(1) % 24).arg(ZeroPad(byte(2) % 60, 2));
        if (fault.isEmpty() && !IsValidTime(time))
            fault = time + QStringLiteral(" is not a valid time");
        const int hour = HourOfTime(raw), minute = MinuteOfTime(raw);
        if (fault.isEmpty() && (hour < 0 || hour > 23 || minute < 0 || minute > 59))
            fault = QStringLiteral("%1 has the time %2:%3").arg(raw).arg(hour).arg(minute);
        return fault;
    });
}

// Oracle: a script that loads writes a file that loads to the same script
// (a jump on AM written mono) and writes the same bytes again; a script that
// does not load is left as it was; a buffer never gives a read error.
QString CheckScriptFile(const QByteArray& input)
{
    return InEveryLocale([&]() -> QString {
        tScript script;
        script.Title = QStringLiteral("before");
        const std::uint8_t result = LoadScript(input, script);
        if (result == slReadError) return QStringLiteral("read error from memory");
        if (result != slLoaded)
            return script.Title == QLatin1String("before") && script.Actions.empty()
                       ? QString()
                       : QStringLiteral("a corrupt file changed the script");
        const tPresets presets;
        const QByteArray written = ScriptFileText(script, presets);
        tScript again;
        if (LoadScript(written, again) != slLoaded)
            return QStringLiteral("the written copy does not load");
        if (!again.SameAs(AsWritten(script)))
            return QStringLiteral("the written copy is a different script");
        return ScriptFileText(again, presets) == written ? QString()
                                                         : QStringLiteral("a second copy differs");
    });
}

// Oracle: an archive that loads, saved and loaded again, is the same tree
// (every row, and the depth of every node) and saves the same text; one
// that does not load leaves the root alone.
QString CheckArchiveFile(const QByteArray& input)
{
    const QDir dir(ScratchDir(QStringLiteral("archive")));
    const QString path = dir.filePath(QStringLiteral("Vantoro.db"));
    const QString copy = dir.filePath(QStringLiteral("copy.db"));
    return InEveryLocale([&]() -> QString {
        WriteBytes(path, input);
        QFile::remove(copy);
        TArchive archive;
        if (archive.Load(TProfile(path)).Result != tArchiveLoad::Loaded)
            return archive.NodeCount() == 1 ? QString()
                                            : QStringLiteral("a failed load left nodes");
        TProfile saved(copy);
        archive.Save(saved);
        if (!saved.Save()) return QStringLiteral("the save failed");
        TArchive again;
        if (again.Load(TProfile(copy)).Result != tArchiveLoad::Loaded)
            return QStringLiteral("the saved copy does not load");
        if (TreeText(again) != TreeText(archive))
            return QStringLiteral("the saved copy is a different tree");
        TProfile resaved(dir.filePath(QStringLiteral("never-written.db")));
        again.Save(resaved);
        return resaved.Text() == saved.Text() ? QString() : QStringLiteral("a second save differs");
    });
}
