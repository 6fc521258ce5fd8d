#include "Helpers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QTime>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

QString ZeroPad(int number, int width)
{
    return QString::number(number).rightJustified(width, QLatin1Char('0'));
}

QString PresetNumText(int preset) { return preset == 100 ? QStringLiteral("00") : ZeroPad(preset, 2); }

QString RepeatChar(QChar ch, int count) { return count > 0 ? QString(count, ch) : QString(); }

QString FrequencyToStr(double value, double minF, double maxF)
{
    value = std::isnan(value) ? minF : std::clamp(value, minF, maxF);
    QString text = QString::number(value, 'f', 3);
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    text.replace(dot, 1, QLocale().decimalPoint());
    return text.rightJustified(text.size() - dot + 3, QLatin1Char('0'));
}

QString FrequencyText(double frequency)
{
    if (!std::isfinite(frequency)) frequency = 0;
    constexpr double unbounded = std::numeric_limits<double>::max();
    // The card's own printer pads the integer part; the sign goes in front of
    // the padding, so a (hand-edited) negative value prints as -001.500.
    if (frequency < 0 && FrequencyToStr(-frequency, 0, unbounded) != FrequencyToStr(0, 0, unbounded))
        return QLatin1Char('-') + FrequencyToStr(-frequency, 0, unbounded);
    return FrequencyToStr(std::fabs(frequency), 0, unbounded);
}

bool SameFrequency(double a, double b) { return FrequencyText(a) == FrequencyText(b); }

QString FileFrequencyText(double frequency)
{
    // "," whatever the user's mark: "." is the field separator, and a mark of
    // another script (U+066B) would make the file unreadable elsewhere.
    return FrequencyText(frequency).replace(QLocale().decimalPoint(), QStringLiteral(","));
}

namespace {

// The user's locale without group separators: "1.500" is never fifteen hundred.
QLocale StrictLocale(const QLocale& base)
{
    QLocale locale = base;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    return locale;
}

bool ToFinite(const QLocale& locale, const QString& text, double& value)
{
    bool ok = false;
    const double v = StrictLocale(locale).toDouble(text, &ok);
    if (!ok || !std::isfinite(v)) return false;
    value = v;
    return true;
}

} // namespace

bool TextToInt(const QString& text, int& value)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (ok) value = v;
    return ok;
}

bool TextToFloat(const QString& text, double& value)
{
    if (text.trimmed().isEmpty()) return false;
    return ToFinite(QLocale(), text.trimmed(), value);
}

bool FileTextToFloat(const QString& text, double& value)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    if (ToFinite(QLocale(), t, value)) return true;
    QString c = t;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    return ToFinite(QLocale::c(), c, value);
}

bool IsIntInRange(const QString& text, int lo, int hi)
{
    int v = 0;
    return !text.isEmpty() && TextToInt(text, v) && v >= lo && v <= hi;
}

bool IsFloatText(const QString& text)
{
    double v = 0;
    return !text.isEmpty() && TextToFloat(text, v);
}

bool IsTimeHHMM(const QString& text)
{
    if (text.size() < 4) return false;
    for (int i = 0; i < 4; ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')) return false;
    const int hours = text.left(2).toInt();
    const int minutes = text.mid(2, 2).toInt();
    return hours <= 23 && minutes <= 59;
}

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first].unicode() <= 0x20) ++first;
    while (last > first && text[last - 1].unicode() <= 0x20) --last;
    return text.mid(first, last - first);
}

bool IsBandWord(const QString& text)
{
    const QString word = TrimBlanks(text).toUpper();
    return word == QLatin1String("AM") || word == QLatin1String("FM");
}

bool IsStereoWord(const QString& text)
{
    const QString word = TrimBlanks(text).toUpper();
    return word == QLatin1String("ST") || word == QLatin1String("MN");
}

bool IsValidTime(const QString& text)
{
    const QString t = text.trimmed();
    // Hours and minutes ("07:05") are a time in every locale, whatever the
    // locale's own formats ask for (seconds, AM/PM).
    if (QTime::fromString(t, QStringLiteral("H:mm")).isValid()) return true;
    const QLocale locale;
    for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat, QLocale::NarrowFormat})
        if (locale.toTime(t, format).isValid()) return true;
    return false;
}

int CharCount(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    return count;
}

QString LeftChars(const QString& text, int count)
{
    qsizetype i = 0;
    for (int n = 0; n < count && i < text.size(); ++n, ++i)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    return text.left(i);
}

int ActionCode(const QString& text)
{
    static const std::array<const char*, 8> words = {"Mute on", "Mute off", "Beep", "Volume",
                                                     "Jump to", "Preset",   "Off",  "Record"};
    const QString upper = text.toUpper();
    for (std::size_t i = 0; i < words.size(); ++i)
        if (upper == QLatin1String(words[i]).toString().toUpper()) return int(i) + 1;
    return 0;
}

namespace {

// Milliseconds into the day; the time part of a date before 1899-12-30 is
// counted forwards too (-1.25 is six in the morning).
qint64 MsOfDay(double dateTime)
{
    if (!std::isfinite(dateTime)) return 0;
    const double fraction = std::fabs(dateTime - std::trunc(dateTime));
    return qint64(std::llround(fraction * 86400000.0)) % 86400000;
}

} // namespace

int HourOfTime(double dateTime) { return int(MsOfDay(dateTime) / 3600000); }

int MinuteOfTime(double dateTime) { return int(MsOfDay(dateTime) / 60000 % 60); }

std::uint32_t ColourIndexToRGB(int index, std::uint32_t fallback)
{
    static constexpr std::array<std::uint32_t, 16> palette = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return index >= 0 && index < 16 ? palette[std::size_t(index)] : fallback;
}

int LampColourIndex(int colourNumber, int fallback)
{
    static constexpr std::array<int, 8> bright = {15, 7, 9, 11, 10, 14, 12, 13};
    return colourNumber >= 0 && colourNumber < 8 ? bright[std::size_t(colourNumber)] : fallback;
}

int DimColourIndex(int brightIndex, int fallback)
{
    switch (brightIndex) {
    case 9: return 1;
    case 10: return 2;
    case 11: return 3;
    case 12: return 4;
    case 13: return 5;
    case 14: return 6;
    case 7:
    case 15: return 8;
    default: return fallback;
    }
}

int SoundSourceCode(const QString& text)
{
    if (text == QLatin1String("Radio card")) return 1;
    if (text == QLatin1String("Line In")) return 2;
    if (text == QLatin1String("Microphone")) return 3;
    if (text == QLatin1String("Compact disk")) return 4;
    return 0;
}

QString CapabilityText(bool canVolume, bool canMute, bool soundCard)
{
    // One sentence a line, joined by carriage returns as the dialog expects.
    QStringList lines;
    lines << (canVolume ? QCoreApplication::translate(
                              "Helpers", "Your radio card can control the sound volume.")
                        : QCoreApplication::translate(
                              "Helpers", "Your radio card can't control the sound volume."));
    lines << (canMute
                  ? QCoreApplication::translate("Helpers", "Your radio card can mute/unmute.")
                  : QCoreApplication::translate("Helpers", "Your radio card can't mute/unmute."));
    lines << (soundCard ? QCoreApplication::translate("Helpers",
                                                      "A sound card is installed in your computer.")
                        : QCoreApplication::translate(
                              "Helpers", "No sound card is installed in your computer."));
    if (canVolume || canMute)
        lines << (soundCard
                      ? QCoreApplication::translate(
                            "Helpers", "You can set the volume with the radio card or sound card.")
                      : QCoreApplication::translate(
                            "Helpers", "You can set the volume only through the radio card."));
    else
        lines << (soundCard ? QCoreApplication::translate(
                                  "Helpers", "You can set the volume only through the sound card.")
                            : QCoreApplication::translate(
                                  "Helpers", "You can set the volume only on the speakers."));
    return lines.join(QLatin1Char('\r'));
}
