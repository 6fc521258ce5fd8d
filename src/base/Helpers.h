#pragma once
// Small shared helpers: number and frequency text, the field checks and word
// tables of the "."-separated text files, the colour and sound-source tables
// of the settings, and the text that tells the user what the card can do.
// None of them throws: a text that does not convert is simply a false result.

#include <QString>
#include <cstdint>

// Number and frequency text.
QString ZeroPad(int number, int width);  // (7, 3) -> "007"; (123, 2) -> "123"
QString PresetNumText(int preset);       // "01".."99", "00" for 100
QString RepeatChar(QChar ch, int count); // empty for count <= 0
// A frequency of the card, NaN as minF, clamped to minF..maxF, printed
// "000.000" with the user's decimal separator.
QString FrequencyToStr(double value, double minF, double maxF);
// The frequency printed "000.000" with the user's decimal separator.
QString FrequencyText(double frequency);
// Two frequencies are the same station frequency when they print alike.
bool SameFrequency(double a, double b);

// Frequencies inside the "."-separated files (presets, scripts), always with
// ",": a "." decimal mark would collide with the field separator, and a mark
// of another script would make the file unreadable in every other locale.
QString FileFrequencyText(double frequency);
// Reads a number written with the user's decimal separator, "," or ".".
// The settings file goes through here too, so a bank written under another
// locale is not dropped. Group separators are never accepted.
bool FileTextToFloat(const QString& text, double& value);

// Conversions in the user's locale; false on anything that does not convert.
bool TextToInt(const QString& text, int& value);
bool TextToFloat(const QString& text, double& value);

// Field checks.
bool IsIntInRange(const QString& text, int lo, int hi);
bool IsFloatText(const QString& text);
bool IsTimeHHMM(const QString& text);
bool IsBandWord(const QString& text);   // "AM"/"FM", trimmed, any case
bool IsStereoWord(const QString& text); // "ST"/"MN", trimmed, any case
bool IsValidTime(const QString& text);  // "H:mm" or a time of day in the user's format

// Trims blanks and control characters (everything up to U+0020) at both ends.
QString TrimBlanks(const QString& text);
// Length and left part counted in characters (code points), not UTF-16 units.
int CharCount(const QString& text);
QString LeftChars(const QString& text, int count);

// Script action words: "Mute on" 1, "Mute off" 2, "Beep" 3, "Volume" 4,
// "Jump to" 5, "Preset" 6, "Off" 7, anything else 0. Not trimmed.
int ActionCode(const QString& text);

// Hour and minute of a date-time counted in days since 1899-12-30.
int HourOfTime(double dateTime);
int MinuteOfTime(double dateTime);

// Colour tables; each gives the fallback for a value outside it.
std::uint32_t ColourIndexToRGB(int index, std::uint32_t fallback); // 0x00BBGGRR
int LampColourIndex(int colourNumber, int fallback);
int DimColourIndex(int brightIndex, int fallback);

// "Radio card" 1, "Line In" 2, "Microphone" 3, "Compact disk" 4, else 0.
int SoundSourceCode(const QString& text);

// What the chosen card can do, for the settings dialog.
QString CapabilityText(bool canVolume, bool canMute, bool soundCard);
