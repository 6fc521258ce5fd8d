#include "ScriptFile.h"

#include "PresetsFile.h"
#include "Helpers.h"
#include "Prompts.h"
#include "RegularFile.h"
#include "SafeSave.h"
#include "TextDecoding.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QLocale>
#include <QStringList>
#include <cmath>
#include <optional>

namespace {

// A script holds at most one action a minute, some 40 KiB; anything much
// larger is not a script and is refused before it fills the memory.
constexpr qint64 MaxScriptBytes = 1024 * 1024;

// The fields of an action line after its time, one after the other: each is
// the text up to the next "."; the line's last field is all that is left.
// A field the line ends before is missing, which its check names.
class TFields {
public:
    TFields(const QString& rest, bool none) : rest_(rest), ended_(none) {}

    std::optional<QString> Next(bool last)
    {
        if (ended_) return std::nullopt;
        const qsizetype dot = last ? -1 : rest_.indexOf(QLatin1Char('.'));
        if (dot < 0) {
            ended_ = true;
            return rest_;
        }
        const QString field = rest_.left(dot);
        rest_ = rest_.mid(dot + 1);
        return field;
    }
    // How many fields are left, counting those the last one would swallow.
    qsizetype Left() const { return ended_ ? 0 : rest_.count(QLatin1Char('.')) + 1; }

private:
    QString rest_;
    bool ended_;
};

bool AllDigits(const QString& text)
{
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

// "098" and "500" as 98.5, whatever the user's decimal mark.
bool ReadDottedFrequency(const QString& whole, const QString& decimals, double& value)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(whole + QLatin1Char('.') + decimals, &ok);
    if (!ok || !std::isfinite(v)) return false;
    value = v;
    return true;
}

QString Missing(const char* name) { return QCoreApplication::translate("ScriptFile", "%1 is missing").arg(QCoreApplication::translate("ScriptFile", name)); }

bool Word(const QString& field, const char* word)
{
    return TrimBlanks(field).compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// One action line, already trimmed and not empty; false with the reason.
bool ParseAction(const QString& line, zAction& action, QString& why)
{
    const qsizetype dot = line.indexOf(QLatin1Char('.'));
    const auto kind = tActionKind(dot < 0 ? 0 : ActionCode(line.left(dot)));
    if (kind == zNone) {
        why = QCoreApplication::translate("ScriptFile", "not an action word");
        return false;
    }
    QString rest = line.mid(dot + 1);
    const bool bare = kind == zMuteOn || kind == zMuteOff || kind == zOff;
    // A time with nothing after it: the fields are missing, not the time.
    const bool noFields = !bare && rest.size() == 4;
    if (bare ? rest.size() != 4 : !noFields && rest.indexOf(QLatin1Char('.')) != 4) {
        why = bare ? QCoreApplication::translate("ScriptFile", "the time must be four digits, HHMM") :
                     QCoreApplication::translate("ScriptFile", "the time must be four digits, HHMM, then \".\"");
        return false;
    }
    if (!IsTimeHHMM(rest.left(4))) {
        why = QCoreApplication::translate("ScriptFile", "not a time of day");
        return false;
    }
    action = MakeAction(kind, QTime(rest.left(2).toInt(), rest.mid(2, 2).toInt()));
    TFields fields(rest.mid(5), noFields);

    auto integer = [&](bool last, int lo, int hi, const char* name, auto& into) {
        const std::optional<QString> field = fields.Next(last);
        if (!field) {
            why = Missing(name);
            return false;
        }
        int value = 0;
        if (!IsIntInRange(*field, lo, hi) || !TextToInt(*field, value)) {
            why = QCoreApplication::translate("ScriptFile", "%1 must be a whole number from %2 to %3").arg(QCoreApplication::translate("ScriptFile", name)).arg(lo).arg(hi);
            return false;
        }
        into = static_cast<std::remove_reference_t<decltype(into)>>(value);
        return true;
    };
    auto stereo = [&](bool& into) {
        const std::optional<QString> field = fields.Next(true);
        if (!field) {
            why = Missing(QT_TRANSLATE_NOOP("ScriptFile", "the stereo word (ST or MN)"));
            return false;
        }
        if (!IsStereoWord(*field)) {
            why = QCoreApplication::translate("ScriptFile", "stereo must be ST or MN");
            return false;
        }
        into = Word(*field, "ST");
        return true;
    };

    switch (kind) {
    case zBeep:
        return integer(false, 1, 50, QT_TRANSLATE_NOOP("ScriptFile", "the number of beeps"), action.Times) &&
               integer(false, 1, 20000, QT_TRANSLATE_NOOP("ScriptFile", "the pitch"), action.BeepFreq) &&
               integer(true, 1, 1000, QT_TRANSLATE_NOOP("ScriptFile", "the length"), action.MSecs);
    case zVolume: return integer(true, 0, 20, QT_TRANSLATE_NOOP("ScriptFile", "the volume"), action.Volume);
    case zPreset: return integer(false, 1, 100, QT_TRANSLATE_NOOP("ScriptFile", "the preset number"), action.Preset) && stereo(action.Stereo);
    case zRecord:
        return integer(false, 1, 100, QT_TRANSLATE_NOOP("ScriptFile", "the preset number"), action.Preset) &&
               integer(true, 1, MaxRecordMinutes, QT_TRANSLATE_NOOP("ScriptFile", "the length in minutes"), action.Minutes);
    case zJumpTo: {
        const std::optional<QString> frequency = fields.Next(false);
        if (!frequency) {
            why = Missing(QT_TRANSLATE_NOOP("ScriptFile", "the frequency"));
            return false;
        }
        // Older copies wrote the frequency with a "." mark, which splits it
        // in two fields: one field too many, both parts digits.
        bool read = false;
        if (AllDigits(*frequency) && fields.Left() == 3) {
            const QString decimals = *fields.Next(false);
            read = AllDigits(decimals) && ReadDottedFrequency(*frequency, decimals, action.Frequency);
        } else {
            read = FileTextToFloat(*frequency, action.Frequency);
        }
        if (!read) {
            why = QCoreApplication::translate("ScriptFile", "not a frequency");
            return false;
        }
        const std::optional<QString> band = fields.Next(false);
        if (!band) {
            why = Missing(QT_TRANSLATE_NOOP("ScriptFile", "the band (AM or FM)"));
            return false;
        }
        if (!IsBandWord(*band)) {
            why = QCoreApplication::translate("ScriptFile", "the band must be AM or FM");
            return false;
        }
        // Read as the check accepts it: a hand-written "fm" is FM, not AM.
        action.Band = Word(*band, "FM") ? 1 : 0;
        return stereo(action.Stereo);
    }
    default: return true;
    }
}

// Reads and checks the whole file; `script` holds it when the result is slLoaded.
std::uint8_t Parse(QIODevice& device, tScript& script, tScriptFault* fault)
{
    auto fail = [fault](std::uint8_t result, int line, const QString& why) {
        if (fault) *fault = {line, why};
        return result;
    };
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) return fail(slReadError, 0, device.errorString());
    if (!device.isReadable()) return fail(slReadError, 0, QCoreApplication::translate("ScriptFile", "not readable"));
    if (!device.isSequential() && !device.seek(0)) return fail(slReadError, 0, device.errorString());
    // A failing read is told apart from an empty file: files that say they
    // are empty may still fail (/proc/self/mem), and must not read as empty.
    QByteArray bytes(MaxScriptBytes + 1, Qt::Uninitialized);
    const qint64 got = device.read(bytes.data(), bytes.size());
    if (got < 0) return fail(slReadError, 0, device.errorString());
    bytes.resize(got);
    if (bytes.size() > MaxScriptBytes)
        return fail(slCorrupt, 0,
                    QCoreApplication::translate("ScriptFile", "larger than %1 KiB, more than a script ever holds")
                        .arg(MaxScriptBytes / 1024));
    if (!device.isSequential() && !device.atEnd()) return fail(slReadError, 0, device.errorString());

    QStringList lines = DecodeFileText(bytes).split(QLatin1Char('\n'));
    // The line end of the last line does not begin another one.
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
    for (int n = 1; n <= lines.size(); ++n)
        if (lines[n - 1].size() > MaxFileLineBytes)
            return fail(
                slCorrupt, n,
                QCoreApplication::translate("ScriptFile", "the line is longer than %1 KiB").arg(MaxFileLineBytes / 1024));

    const QString header = TrimBlanks(lines.front());
    if (!header.startsWith(QLatin1Char(';')))
        return fail(slCorrupt, 1, QCoreApplication::translate("ScriptFile", "the first line must begin with \";\" and the title"));
    tScript fresh;
    // A carriage return in the title reads as the blank it is written as.
    fresh.Title = header.mid(1).replace(QLatin1Char('\r'), QLatin1Char(' '));
    for (int n = 2; n <= lines.size(); ++n) {
        const QString line = TrimBlanks(lines[n - 1]);
        if (line.isEmpty()) {
            if (n == lines.size()) return fail(slCorrupt, n, QCoreApplication::translate("ScriptFile", "the last line is blank"));
            continue;
        }
        zAction action;
        QString why;
        if (!ParseAction(line, action, why)) return fail(slCorrupt, n, why);
        // The clock finds actions by a search that relies on this order.
        if (!fresh.Actions.empty() && action.Key() <= fresh.Actions.back().Key())
            return fail(slCorrupt, n, QCoreApplication::translate("ScriptFile", "the time is not later than the action before"));
        fresh.Actions.push_back(action);
    }
    if (fresh.Actions.empty()) return fail(slCorrupt, lines.size(), QCoreApplication::translate("ScriptFile", "the script has no actions"));
    script = std::move(fresh);
    return slLoaded;
}

QString TitleField(const QString& title)
{
    QString field = TrimBlanks(title);
    return field.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

bool CheckScriptFile(QIODevice& device, tScriptFault* fault)
{
    tScript script;
    return Parse(device, script, fault) == slLoaded;
}

std::uint8_t LoadScriptFile(QIODevice& device, tScript& script, tScriptFault* fault)
{
    return Parse(device, script, fault);
}

std::uint8_t LoadScriptFile(const QString& fileName, tScript& script, tScriptFault* fault)
{
    QFile file(fileName);
    QString why;
    if (!OpenRegularFile(file, &why)) {
        if (fault) *fault = {0, why};
        return slReadError;
    }
    return Parse(file, script, fault);
}

QByteArray ScriptFileText(const tScript& script, const tPresets& presets)
{
    QString text = QLatin1Char(';') + TitleField(script.Title) + QLatin1String("\r\n");
    for (const zAction& a : script.Actions) {
        QString line = ActionWord(a.Kind) + QLatin1Char('.') + a.Key();
        switch (a.Kind) {
        case zBeep: line += QStringLiteral(".%1.%2.%3").arg(a.Times).arg(a.BeepFreq).arg(a.MSecs); break;
        case zVolume: line += QStringLiteral(".%1").arg(a.Volume); break;
        case zJumpTo:
            line += QLatin1Char('.') + FileFrequencyText(a.Frequency) + QLatin1Char('.') +
                    (a.Band == 0 ? QLatin1String("AM.MN") : a.Stereo ? QLatin1String("FM.ST") : QLatin1String("FM.MN"));
            break;
        case zPreset: {
            const bool fm = a.Preset >= 1 && a.Preset <= tPresets::Count && presets[a.Preset].Band != 0;
            line += QStringLiteral(".%1.").arg(a.Preset) + (fm && a.Stereo ? QLatin1String("ST") : QLatin1String("MN"));
            break;
        }
        case zRecord: line += QStringLiteral(".%1.%2").arg(a.Preset).arg(a.Minutes); break;
        default: break;
        }
        text += line + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

bool SaveScriptFile(const QString& fileName, const tScript& script, const tPresets& presets, QString* error)
{
    QByteArray text = ScriptFileText(script, presets);
    // Never a file the reader refuses: an action outside the file's rules
    // is not written, and the file there stays as it was.
    QBuffer written(&text);
    tScript back;
    tScriptFault fault;
    if (Parse(written, back, &fault) != slLoaded) {
        if (error) *error = QCoreApplication::translate("ScriptFile", "line %1: %2").arg(fault.Line).arg(fault.Why);
        return false;
    }
    return SaveFileSafely(fileName, text, error);
}

QString ScriptLoadErrorText(std::uint8_t result)
{
    switch (result) {
    case slCorrupt: return QCoreApplication::translate("ScriptFile", "The script file is corrupt");
    case slReadError: return QCoreApplication::translate("ScriptFile", "Read error or disk not ready");
    default: return QString();
    }
}

QString ScriptWriteErrorText() { return QCoreApplication::translate("ScriptFile", "Script write error"); }

QString ScriptFileFilter()
{
    return QCoreApplication::translate("ScriptFile", "Vantoro scripts (*.vxs *.Vxs);;Plain text (*.txt);;All files (*)");
}

QString ScriptFileSuffix() { return QStringLiteral("vxs"); }

QString AskScriptFileToLoad(TPrompts& prompts, bool replacing, const QString& directory)
{
    if (replacing && !prompts.AskYesNo(WarningTitle(),
                                       QCoreApplication::translate("ScriptFile", "If you load a new script, the\ncurrent script will be erased.\n"
                                                      "Are you sure?"),
                                       tPromptIcon::Information))
        return {};
    tFileDialogRequest request;
    request.Title = QCoreApplication::translate("ScriptFile", "Load script");
    request.Filter = ScriptFileFilter();
    request.DefaultSuffix = ScriptFileSuffix();
    request.Directory = directory;
    return prompts.OpenFileName(request);
}
