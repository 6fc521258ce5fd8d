#pragma once
// The presets table and the presets file: one preset a line,
// "NNN.FFF,FFF.BB.Name" padded to 55 characters, lines ended by CR LF.

#include <QString>
#include <array>
#include <cstdint>

class QIODevice;
class TPrompts;

struct tPreset {
    QString Name;          // trimmed, at most 40 characters; may be empty
    double Frequency = 0;  // MHz for both bands
    std::uint8_t Band = 1; // 0 AM, 1 FM
    std::uint8_t Current = 0;
    std::uint8_t Used = 0;

    void Clear() { *this = tPreset(); }
};

// Slots 1..100 are presets 1..100; slot 0 is never used. A plain value:
// copies are independent of their source.
struct tPresets {
    static constexpr int Count = 100;
    std::array<tPreset, Count + 1> Slots;

    tPreset& operator[](int n) { return Slots.at(std::size_t(n)); }
    const tPreset& operator[](int n) const { return Slots.at(std::size_t(n)); }
    void Clear();
    int UsedCount() const;
};

// Results of LoadPresetsFile.
enum : std::uint8_t { plLoaded = 0, plCorrupt = 1, plReadError = 2 };

// Reads a presets file into `table`. On plCorrupt and plReadError the table
// is left as it was; on plCorrupt *why says which line and what is wrong
// with it ("line 3: ..."). An empty file is a table without presets. A
// device that is not open yet is opened for reading.
std::uint8_t LoadPresetsFile(QIODevice& device, tPresets& table, QString* why = nullptr);
// A name that is not a regular file (a FIFO, a device) is a read error; the
// reason, with the name (and the line of a corrupt file), goes to *error.
std::uint8_t LoadPresetsFile(const QString& fileName, tPresets& table, QString* error = nullptr);

// Writes the used slots in ascending order. The file-name form writes a
// temporary file beside the target and renames it over the target, so a
// failure leaves the previous file as it was. False on any failure, the
// reason in *error.
bool SavePresetsFile(QIODevice& device, const tPresets& table);
bool SavePresetsFile(const QString& fileName, const tPresets& table, QString* error = nullptr);

// What the callers show for a load result other than plLoaded, and for a
// failed save; each goes out as an error box titled "Warning".
QString PresetsLoadErrorText(std::uint8_t result);
QString PresetsWriteErrorText();
// `detail` (why the file could not be read) goes on a line of its own.
void ShowPresetsLoadError(TPrompts& prompts, std::uint8_t result,
                          const QString& detail = QString());
void ShowPresetsWriteError(TPrompts& prompts);

// The open and save dialogs of presets files.
QString PresetsFileFilter();
QString PresetsFileSuffix();
