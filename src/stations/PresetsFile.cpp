#include "PresetsFile.h"

#include "Helpers.h"
#include "RadioCards.h"
#include "Prompts.h"
#include "RegularFile.h"
#include "SafeSave.h"
#include "TextDecoding.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QIODevice>

#include <cstring>

namespace {

constexpr int NameWidth = 40;

// One preset line of the file: empty when taken, else why the line makes
// the file corrupt.
QString AcceptLine(const QString& line, tPresets& fresh)
{
    // 3.1 preset number: three characters, then the first ".".
    if (line.indexOf(QLatin1Char('.')) != 3 || !IsIntInRange(line.left(3), 1, tPresets::Count))
        return QCoreApplication::translate("PresetsFile", "the line must begin with a preset number from 001 to 100 and \".\"");
    int number = 0;
    TextToInt(line.left(3), number);
    QString rest = line.mid(4);

    // 3.2 frequency: seven characters, then the next ".".
    const QString badFrequency = QCoreApplication::translate("PresetsFile", "the frequency must be seven characters (such as 088,500) and \".\"");
    double frequency = 0;
    if (rest.indexOf(QLatin1Char('.')) != 7 || !FileTextToFloat(rest.left(7), frequency)) return badFrequency;
    // A frequency the writer cannot give back in seven characters ("1000000",
    // "-01,500") would make a copy of this file that fails this check.
    if (FileFrequencyText(frequency).size() != 7) return badFrequency;
    // No card receives it: the preset could never be tuned, and the settings
    // reader would drop it at the next start.
    if (!InSomeBand(frequency))
        return QCoreApplication::translate("PresetsFile", "%1 MHz is outside every band").arg(rest.left(7));
    rest = rest.mid(8);

    // 3.3 band: exactly "FM" or "AM", then the next ".".
    const QString badBand = QCoreApplication::translate("PresetsFile", "the band must be FM or AM and \".\"");
    if (rest.indexOf(QLatin1Char('.')) != 2) return badBand;
    std::uint8_t band = 0;
    if (rest.left(2) == QLatin1String("FM"))
        band = 1;
    else if (rest.left(2) != QLatin1String("AM"))
        return badBand;

    // 3.4 name: the rest, which may itself hold "."; a carriage return in
    // it reads as the blank it is written as.
    const QString name = TrimBlanks(rest.mid(3).replace(QLatin1Char('\r'), QLatin1Char(' ')));
    if (CharCount(name) > NameWidth) return QCoreApplication::translate("PresetsFile", "the name is longer than %1 characters").arg(NameWidth);

    // 3.5 a preset number appears only once.
    if (fresh[number].Used) return QCoreApplication::translate("PresetsFile", "preset %1 is there twice").arg(ZeroPad(number, 3));

    // 3.6 no other slot, read or still empty, prints alike.
    for (int k = 1; k <= tPresets::Count; ++k)
        if (k != number && SameFrequency(fresh[k].Frequency, frequency))
            return QCoreApplication::translate("PresetsFile", "the frequency is that of preset %1").arg(ZeroPad(k, 3));

    tPreset& slot = fresh[number];
    slot.Current = 0;
    slot.Name = name;
    slot.Used = 1;
    slot.Band = band;
    slot.Frequency = frequency;
    return {};
}

// The device's lines, read only as far as the loader asks: a wrong file is
// judged on its first lines, and nothing after the last line needed is read.
// A final line end does not start another line.
class TLineReader {
public:
    static constexpr qsizetype MaxLineBytes = MaxFileLineBytes;

    explicit TLineReader(QIODevice& device) : device_(device) {}

    // The next line without its CR LF; false on a read error.
    bool Next(QString& line)
    {
        if (!Fill()) return false;
        const qsizetype end = pending_.indexOf('\n');
        QByteArray raw = end < 0 ? pending_ : pending_.left(end);
        tooLong_ = raw.size() > MaxLineBytes;
        pending_.remove(0, end < 0 ? pending_.size() : end + 1);
        lineWaiting_ = pending_.contains('\n');
        if (raw.endsWith('\r')) raw.chop(1);
        line = DecodeFileText(raw);
        return true;
    }
    // The last line was longer than any line of a presets file.
    bool TooLong() const { return tooLong_; }
    // True when no line is left; false in `ok` on a read error.
    bool AtEnd(bool& ok)
    {
        ok = Fill();
        return ok && exhausted_ && pending_.isEmpty();
    }

private:
    // Reads until a whole line is waiting, the device has no more, or the
    // line is already longer than any line of the file can be: the file is
    // then judged on what was read, not read whole first.
    bool Fill()
    {
        char buffer[4096];
        while (!exhausted_ && !lineWaiting_ && pending_.size() <= MaxLineBytes) {
            const qint64 n = device_.read(buffer, sizeof buffer);
            if (n < 0) return false;
            if (n > 0) {
                // Only the new bytes are searched: a long line costs no more than its length.
                lineWaiting_ = std::memchr(buffer, '\n', std::size_t(n)) != nullptr;
                pending_.append(buffer, n);
                continue;
            }
            if (device_.atEnd() || !device_.isSequential())
                exhausted_ = true;
            else if (!device_.waitForReadyRead(-1)) {
                if (!device_.atEnd()) return false;
                exhausted_ = true;
            }
        }
        return true;
    }

    QIODevice& device_;
    QByteArray pending_;
    bool lineWaiting_ = false; // pending_ holds a line end
    bool exhausted_ = false;
    bool tooLong_ = false;
};

// The name field as written: a line break inside a name would split the
// preset over two lines and make the file unreadable, so it becomes a blank.
QString NameField(const QString& name)
{
    QString field = name;
    field.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return LeftChars(field + RepeatChar(QLatin1Char(' '), NameWidth), NameWidth);
}

bool WriteAll(QIODevice& device, const QByteArray& data)
{
    return device.write(data) == data.size();
}

} // namespace

void tPresets::Clear()
{
    for (tPreset& slot : Slots) slot.Clear();
}

int tPresets::UsedCount() const
{
    int count = 0;
    for (int n = 1; n <= Count; ++n) count += Slots[std::size_t(n)].Used ? 1 : 0;
    return count;
}

std::uint8_t LoadPresetsFile(QIODevice& device, tPresets& table, QString* why)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) return plReadError;
    if (!device.isReadable()) return plReadError;
    TLineReader reader(device);
    tPresets fresh;
    // A table without presets is saved as an empty file: it reads back as
    // an empty table. A blank line is still corrupt.
    bool ok = true;
    const bool empty = reader.AtEnd(ok);
    if (!ok) return plReadError;
    if (empty) {
        table = fresh;
        return plLoaded;
    }
    int counter = 1;
    for (;;) {
        QString line;
        if (!reader.Next(line)) return plReadError;
        const QString wrong = reader.TooLong()
                                  ? QCoreApplication::translate("PresetsFile", "the line is longer than any line of a presets file")
                                  : AcceptLine(line, fresh);
        if (!wrong.isEmpty()) {
            if (why) *why = QCoreApplication::translate("PresetsFile", "line %1: %2").arg(counter).arg(wrong);
            return plCorrupt;
        }
        if (++counter > tPresets::Count) break;
        if (reader.AtEnd(ok)) break;
        if (!ok) return plReadError;
    }
    table = fresh;
    return plLoaded;
}

std::uint8_t LoadPresetsFile(const QString& fileName, tPresets& table, QString* error)
{
    QFile file(fileName);
    QString why;
    if (!OpenRegularFile(file, &why)) {
        if (error) *error = QStringLiteral("%1: %2").arg(fileName, why);
        return plReadError;
    }
    const std::uint8_t result = LoadPresetsFile(file, table, &why);
    if (error && result == plCorrupt) *error = QStringLiteral("%1, %2").arg(fileName, why);
    if (error && result == plReadError) *error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
    return result;
}

bool SavePresetsFile(QIODevice& device, const tPresets& table)
{
    if (!device.isOpen() && !device.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    if (!device.isWritable()) return false;
    for (int n = 1; n <= tPresets::Count; ++n) {
        const tPreset& slot = table[n];
        if (!slot.Used) continue;
        const QString line = ZeroPad(n, 3) + QLatin1Char('.') + FileFrequencyText(slot.Frequency) +
                             QLatin1Char('.') + (slot.Band == 0 ? QLatin1String("AM") : QLatin1String("FM")) +
                             QLatin1Char('.') + NameField(slot.Name) + QLatin1String("\r\n");
        if (!WriteAll(device, line.toUtf8())) return false;
    }
    return true;
}

bool SavePresetsFile(const QString& fileName, const tPresets& table, QString* error)
{
    QBuffer buffer;
    return SavePresetsFile(buffer, table) && SaveFileSafely(fileName, buffer.data(), error);
}

QString PresetsLoadErrorText(std::uint8_t result)
{
    switch (result) {
    case plCorrupt: return QCoreApplication::translate("PresetsFile", "The presets file is corrupt");
    case plReadError: return QCoreApplication::translate("PresetsFile", "Read error or disk not ready");
    default: return QString();
    }
}

QString PresetsWriteErrorText() { return QCoreApplication::translate("PresetsFile", "Presets write error"); }

void ShowPresetsLoadError(TPrompts& prompts, std::uint8_t result, const QString& detail)
{
    if (result != plLoaded)
        prompts.Message(WarningTitle(),
                        PresetsLoadErrorText(result) +
                            (detail.isEmpty() ? QString() : QLatin1Char('\n') + detail),
                        tPromptIcon::Warning);
}

void ShowPresetsWriteError(TPrompts& prompts)
{
    prompts.Message(WarningTitle(), PresetsWriteErrorText(), tPromptIcon::Warning);
}

QString PresetsFileFilter()
{
    return QCoreApplication::translate("PresetsFile", "Vantoro presets (*.vxp);;Plain text (*.txt);;All files (*)");
}

QString PresetsFileSuffix() { return QStringLiteral("vxp"); }
