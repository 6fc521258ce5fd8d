#pragma once
// The settings model: every value the program keeps in "Vantoro.ini", with
// its default, how the file is read (reading steps 1 to 12) and written
// (writing steps 1 to 7, each section erased and then written whole). The
// main window applies the values; nothing here touches a widget or the card.

#include "PresetsFile.h"
#include "KeyCommands.h"
#include "RadioCards.h"

#include <QMap>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

class TProfile;

struct TSettings {
    // "WinPos"
    int X = 0;
    int Y = 0;
    // "Audio"
    int Volume = 0; // 0..256
    bool UsbAudio = true; // a radio device's USB sound played on the sound card
    // "Recording"
    QString RecordFolder;                    // empty: the music folder's "Vantoro"
    QString RecordFormat = QStringLiteral("flac"); // the file extension
    bool RecordStopsAtSleep = false;          // the end of sleep stops a recording
    // "Alarm"
    int AlarmStation = 0; // preset 1..100, 0 none
    int AlarmHour = 6;
    int AlarmMinute = 30;
    // "Frequency": the last band and frequency (0 when unreadable).
    tBand Band = bFM;
    double Frequency = 0;
    int TuneStep = 1; // FM step as a count of the card's FM step unit
    // "Configuration"
    int Hardware = 0; // model code as read; 0 = not configured
    int Port = 0;     // 0 = not configured
    tVolumeLine VolumeLine = vlNone;
    bool CheckIfTuned = false;
    bool JapaneseFM = false;
    QString KeyboardCommands = DefaultKeyboardCommands();
    bool LastStation = true;
    bool StartMinimized = false;
    bool TipOfTheDay = false;
    int ShutDown = 2; // 0 mute, 1 leave playing, 2 ask
    int Background = 2;
    int Foreground = 10;
    int Style = 2;
    int ColorGenericButton = 4;
    int ColorFavAssButtonFM = 2;
    int ColorFavAssButtonAM = 0;
    int ColorFavNotAssButton = 4;
    int ColorPanel = 0;
    int ColorText = 7;
    int ColorFlag = 5;
    bool LaunchAlarm = false;
    bool StartMuted = false;
    bool ForceStereoOff = false;
    // "DisplayMode"
    int DisplayType = 0; // window layout 0..5
    bool AlwaysOnTop = false;
    // "Presets": the bank, and the preset tuned at close (0 none).
    int CurrentPreset = 0;
    tPresets Presets;
    // "Serial": device paths of COM numbers that are not /dev/ttyS{n-1},
    // such as USB adapters (Com5=/dev/ttyUSB0). Empty when the section is absent.
    QMap<int, QString> SerialDevices;
    // "Folders": where the presets and the script file dialogs were last
    // used; empty until then (they start in the user's documents).
    QString PresetsFolder;
    QString ScriptsFolder;
    // "SDR": the software-defined radio's source, rates and sound; written
    // while that model is chosen, kept otherwise. The de-emphasis defaults
    // to the one of the country the locale names.
    tSdrSettings Sdr;
    // "Help": the help window's size; 0 until it has been opened.
    int HelpWidth = 0;
    int HelpHeight = 0;

    tModel Model() const { return IndexToModel(Hardware); }
    void SetModel(tModel model) { Hardware = ModelToIndex(model); }
    // The settings dialog must come first when either is 0.
    bool Configured() const { return Hardware != 0 && Port != 0; }
};

// Reads every value in reading order; a missing key or file gives defaults.
// The preset named by CurrentPreset is marked Current in the bank.
void ReadSettings(const TProfile& profile, TSettings& settings);
// The SDR section alone, as ReadSettings reads it; `localeName` ("de_DE")
// gives the de-emphasis when the file names none.
tSdrSettings ReadSdrSettings(const TProfile& profile, const QString& localeName);
// A gain setting's text: "auto" or the value in dB; false when it is neither.
bool ParseSdrGain(const QString& text, tSdrSettings& settings);

// The file's content as written back: sections in writing order, keys in order.
struct tSettingsSection {
    QString Name;
    std::vector<std::pair<QString, QString>> Keys;
};
std::vector<tSettingsSection> SettingsSections(const TSettings& settings);

// Erases each written section and writes it anew; other sections stay.
void WriteSettings(TProfile& profile, const TSettings& settings);

// "Vantoro.ini" in a directory: read once when made, written once by Save.
class TSettingsFile {
public:
    explicit TSettingsFile(const QString& dir);
    ~TSettingsFile();

    static QString FileName() { return QStringLiteral("Vantoro.ini"); }
    QString Path() const;
    TSettings Read() const;
    // Writes the settings and saves the file atomically; on failure the old
    // file stays and `error` says why.
    bool Save(const TSettings& settings, QString* error = nullptr);
    // The file `settings` would make differs from the one last read or saved.
    bool Differs(const TSettings& settings);
    TProfile& Profile() { return *profile_; }

private:
    std::unique_ptr<TProfile> profile_;
    QByteArray stored_; // the file's text as last read or saved
};
