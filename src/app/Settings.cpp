#include "Settings.h"

#include "Helpers.h"
#include "Profile.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSet>

#include <algorithm>

namespace {

const QString sWinPos = QStringLiteral("WinPos");
const QString sAudio = QStringLiteral("Audio");
const QString sRecording = QStringLiteral("Recording");
const QString sAlarm = QStringLiteral("Alarm");
const QString sFrequency = QStringLiteral("Frequency");
const QString sConfiguration = QStringLiteral("Configuration");
const QString sDisplayMode = QStringLiteral("DisplayMode");
const QString sPresets = QStringLiteral("Presets");
const QString sSerial = QStringLiteral("Serial");
const QString sHelp = QStringLiteral("Help");
const QString sSdr = QStringLiteral("SDR");
const QString sFolders = QStringLiteral("Folders");

constexpr int MaxVolume = 256;

QString Key(const char* name) { return QLatin1String(name).toString(); }

// Values outside their range would index past a table or a picture set
// later on; they are read as the default instead.
int InRange(int value, int lo, int hi, int fallback) { return value >= lo && value <= hi ? value : fallback; }

// The alarm time as written: hour, ":", two-digit minute.
bool ParseAlarmTime(const QString& text, int& hour, int& minute)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 1 || colon > 2 || text.size() != colon + 3) return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (i != colon && (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))) return false;
    const int h = text.left(colon).toInt();
    const int m = text.mid(colon + 1).toInt();
    if (h > 23 || m > 59) return false;
    hour = h;
    minute = m;
    return true;
}

// "Frequency"/"Frequency": band letter, blank, frequency.
void ParseLastFrequency(const QString& value, tBand& band, double& frequency)
{
    const QString text = value + QLatin1Char(' ');
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    band = blank == 1 && text[0].toUpper() == QLatin1Char('K') ? bAM : bFM;
    double f = 0;
    frequency = FileTextToFloat(text.mid(blank + 1).trimmed(), f) && InSomeBand(f) ? f : 0;
}

// Frequencies carry the user's decimal mark where it is "." or ","; any other
// mark (U+066B) would make the file unreadable in every other locale, so ","
// stands for it.
QString SettingsFrequencyText(double frequency)
{
    return QLocale().decimalPoint() == QLatin1String(".") ? FrequencyText(frequency) : FileFrequencyText(frequency);
}

QString StationKey(int number) { return QStringLiteral("Station") + PresetNumText(number); }

// The "Presets" list and its station keys.
void ReadPresets(const TProfile& profile, tPresets& presets)
{
    QString list = profile.ReadString(sPresets, Key("List"), QString()).trimmed();
    while (!list.isEmpty()) {
        const qsizetype comma = list.indexOf(QLatin1Char(','));
        if (comma < 0) break;
        bool ok = false;
        int number = list.left(comma).trimmed().toInt(&ok, 10);
        if (!ok) number = 0;
        list.remove(0, comma + 1);
        if (number < 1 || number > tPresets::Count) continue;

        QString entry = profile.ReadString(sPresets, StationKey(number), QString()).trimmed();
        const qsizetype blank = entry.indexOf(QLatin1Char(' '));
        if (blank < 0) continue;
        const std::uint8_t band = entry.left(1).toUpper() == QLatin1String("K") ? 0 : 1;
        entry.remove(0, blank + 1);

        const qsizetype next = entry.indexOf(QLatin1Char(' '));
        double frequency = 0;
        if (!FileTextToFloat(next < 0 ? entry : entry.left(next), frequency) || !InSomeBand(frequency)) continue;

        tPreset& slot = presets[number];
        slot.Name = next < 0 ? QString() : entry.mid(next + 1).trimmed();
        slot.Used = 1;
        slot.Band = band;
        slot.Frequency = frequency;
    }
}

QString Bool(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
QString Int(int value) { return QString::number(value); }

} // namespace

void ReadSettings(const TProfile& p, TSettings& s)
{
    s = TSettings();
    // The card.
    s.Hardware = p.ReadInteger(sConfiguration, Key("Hardware"), 0);
    s.Port = p.ReadInteger(sConfiguration, Key("Port"), 0);
    s.CheckIfTuned = p.ReadBool(sConfiguration, Key("CheckIfTuned"), false);
    s.JapaneseFM = p.ReadBool(sConfiguration, Key("JapaneseFM"), false);
    s.VolumeLine = IndexToVolumeLine(p.ReadInteger(sConfiguration, Key("VolumeLine"), 0));
    // Sound.
    s.Volume = InRange(p.ReadInteger(sAudio, Key("Volume"), 0), 0, MaxVolume, 0);
    s.UsbAudio = p.ReadBool(sAudio, Key("UsbAudio"), true);
    s.RecordFolder = p.ReadString(sRecording, Key("Folder"), QString());
    s.RecordFormat = p.ReadString(sRecording, Key("Format"), QStringLiteral("flac")).trimmed().toLower();
    s.RecordStopsAtSleep = p.ReadBool(sRecording, Key("StopsAtSleep"), false);
    // The current preset.
    s.CurrentPreset = InRange(p.ReadInteger(sPresets, Key("Current"), 0), 0, tPresets::Count, 0);
    // The window's layout.
    s.DisplayType = p.ReadInteger(sDisplayMode, Key("DisplayType"), 0);
    s.AlwaysOnTop = p.ReadBool(sDisplayMode, Key("AlwaysOnTop"), false);
    // The alarm (its time is checked below).
    s.AlarmStation = InRange(p.ReadInteger(sAlarm, Key("Station"), 0), 0, tPresets::Count, 0);
    const QString alarmTime = p.ReadString(sAlarm, Key("Time"), QStringLiteral("06:30"));
    // The keys.
    s.KeyboardCommands = p.ReadString(sConfiguration, Key("KeyboardCommands"), DefaultKeyboardCommands());
    // Values out of range give way to the defaults; negative layouts count as large ones.
    if (unsigned(s.DisplayType) > 5) s.DisplayType = 0;
    if (!IsValidKeyboardCommands(s.KeyboardCommands)) s.KeyboardCommands = DefaultKeyboardCommands();
    // The alarm time in its written form, whatever the user's time format.
    if (!ParseAlarmTime(alarmTime, s.AlarmHour, s.AlarmMinute)) {
        s.AlarmHour = 6;
        s.AlarmMinute = 30;
    }
    // Window place, help size and the file dialogs' folders.
    s.X = p.ReadInteger(sWinPos, Key("X"), 0);
    s.Y = p.ReadInteger(sWinPos, Key("Y"), 0);
    s.HelpWidth = std::max(0, p.ReadInteger(sHelp, Key("Width"), 0));
    s.HelpHeight = std::max(0, p.ReadInteger(sHelp, Key("Height"), 0));
    s.PresetsFolder = p.ReadString(sFolders, Key("Presets"), QString());
    s.ScriptsFolder = p.ReadString(sFolders, Key("Scripts"), QString());
    // The model follows from Hardware (Model()); the port is as read.
    // Colours and the start and close choices.
    s.ColorGenericButton = InRange(p.ReadInteger(sConfiguration, Key("ColorGenericButton"), 4), 0, 7, 4);
    s.ColorFavAssButtonFM = InRange(p.ReadInteger(sConfiguration, Key("ColorFavAssButtonFM"), 2), 0, 7, 2);
    s.ColorFavAssButtonAM = InRange(p.ReadInteger(sConfiguration, Key("ColorFavAssButtonAM"), 0), 0, 7, 0);
    s.ColorFavNotAssButton = InRange(p.ReadInteger(sConfiguration, Key("ColorFavNotAssButton"), 4), 0, 7, 4);
    s.Background = InRange(p.ReadInteger(sConfiguration, Key("Background"), 2), 0, 15, 2);
    s.Foreground = InRange(p.ReadInteger(sConfiguration, Key("Foreground"), 10), 0, 15, 10);
    s.Style = InRange(p.ReadInteger(sConfiguration, Key("Style"), 2), 0, 3, 2);
    s.ColorPanel = InRange(p.ReadInteger(sConfiguration, Key("ColorPanel"), 0), 0, 15, 0);
    s.ColorText = InRange(p.ReadInteger(sConfiguration, Key("ColorText"), 7), 0, 7, 7);
    s.ColorFlag = InRange(p.ReadInteger(sConfiguration, Key("ColorFlag"), 5), 0, 7, 5);
    s.LastStation = p.ReadBool(sConfiguration, Key("LastStation"), true);
    s.ShutDown = InRange(p.ReadInteger(sConfiguration, Key("ShutDown"), 2), 0, 2, 2);
    s.StartMinimized = p.ReadBool(sConfiguration, Key("StartMinimized"), false);
    s.TipOfTheDay = p.ReadBool(sConfiguration, Key("TipOfTheDay"), false);
    s.LaunchAlarm = p.ReadBool(sConfiguration, Key("LaunchAlarm"), false);
    s.StartMuted = p.ReadBool(sConfiguration, Key("StartMuted"), false);
    s.ForceStereoOff = p.ReadBool(sConfiguration, Key("ForceStereoOff"), false);
    // A step below one unit would tune nowhere; the upper bound depends
    // on the card and is the main window's.
    s.TuneStep = p.ReadInteger(sFrequency, Key("TuneStep"), 1);
    if (s.TuneStep < 1) s.TuneStep = 1;
    ParseLastFrequency(p.ReadString(sFrequency, Key("Frequency"), QStringLiteral("87")), s.Band, s.Frequency);
    if (s.CurrentPreset != 0) s.Presets[s.CurrentPreset].Current = 1;
    ReadPresets(p, s.Presets);

    s.Sdr = ReadSdrSettings(p, QLocale::system().name());

    for (const QString& key : p.Keys(sSerial)) {
        bool ok = false;
        const int number = key.startsWith(QLatin1String("Com"), Qt::CaseInsensitive) ? key.mid(3).toInt(&ok, 10) : 0;
        const QString device = p.ReadString(sSerial, key, QString());
        if (ok && number >= 1 && !device.isEmpty()) s.SerialDevices.insert(number, device);
    }
}

bool ParseSdrGain(const QString& text, tSdrSettings& settings)
{
    if (text.trimmed().compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
        settings.automaticGain = true;
        return true;
    }
    bool ok = false;
    const double db = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || db < -10 || db > 60) return false;
    settings.automaticGain = false;
    settings.gainDb = db;
    return true;
}

tSdrSettings ReadSdrSettings(const TProfile& p, const QString& localeName)
{
    tSdrSettings r;
    r.deemphasisUs = DefaultDeemphasisUs(localeName);
    const QString source = p.ReadString(sSdr, Key("Source"), r.source).trimmed();
    QString why;
    if (ValidSdrSource(source, &why)) r.source = source;
    const auto rate = std::uint32_t(p.ReadInteger(sSdr, Key("SampleRate"), int(r.sampleRate)));
    const auto& rates = SdrSampleRates();
    if (std::find(rates.begin(), rates.end(), rate) != rates.end()) r.sampleRate = rate;
    ParseSdrGain(p.ReadString(sSdr, Key("Gain"), QStringLiteral("auto")), r);
    r.correctionPpm = InRange(p.ReadInteger(sSdr, Key("Correction"), 0), -1000, 1000, 0);
    const int deemphasis = p.ReadInteger(sSdr, Key("Deemphasis"), r.deemphasisUs);
    if (deemphasis == 50 || deemphasis == 75) r.deemphasisUs = deemphasis;
    r.audioDevice = p.ReadString(sSdr, Key("AudioDevice"), r.audioDevice).trimmed();
    if (r.audioDevice.isEmpty()) r.audioDevice = QStringLiteral("default");
    bool ok = false;
    const double center = QLocale::c().toDouble(p.ReadString(sSdr, Key("Center"), QStringLiteral("0")), &ok);
    r.centerMhz = ok && center >= 24 && center <= 1766 ? center : 0;
    return r;
}

std::vector<tSettingsSection> SettingsSections(const TSettings& s)
{
    std::vector<tSettingsSection> sections;
    // The sections in the order they are written.
    sections.push_back({sWinPos, {{Key("X"), Int(s.X)}, {Key("Y"), Int(s.Y)}}});
    sections.push_back({sAudio, {{Key("Volume"), Int(s.Volume)}, {Key("UsbAudio"), Bool(s.UsbAudio)}}});
    sections.push_back({sRecording,
                        {{Key("Folder"), s.RecordFolder},
                         {Key("Format"), s.RecordFormat},
                         {Key("StopsAtSleep"), Bool(s.RecordStopsAtSleep)}}});
    sections.push_back({sAlarm,
                        {{Key("Station"), Int(s.AlarmStation)},
                         {Key("Time"), PresetNumText(s.AlarmHour) + QLatin1Char(':') + PresetNumText(s.AlarmMinute)}}});
    sections.push_back({sFrequency,
                        {{Key("Frequency"), BandToLetter(s.Band) + QLatin1Char(' ') + SettingsFrequencyText(s.Frequency)},
                         {Key("TuneStep"), Int(s.TuneStep)}}});
    sections.push_back({sConfiguration,
                        {{Key("Hardware"), Int(ModelToIndex(s.Model()))},
                         {Key("Port"), Int(s.Port)},
                         {Key("VolumeLine"), Int(VolumeLineToIndex(s.VolumeLine))},
                         {Key("CheckIfTuned"), Bool(s.CheckIfTuned)},
                         {Key("JapaneseFM"), Bool(s.JapaneseFM)},
                         {Key("KeyboardCommands"), s.KeyboardCommands},
                         {Key("LastStation"), Bool(s.LastStation)},
                         {Key("StartMinimized"), Bool(s.StartMinimized)},
                         {Key("TipOfTheDay"), Bool(s.TipOfTheDay)},
                         {Key("ShutDown"), Int(s.ShutDown)},
                         {Key("Background"), Int(s.Background)},
                         {Key("Foreground"), Int(s.Foreground)},
                         {Key("Style"), Int(s.Style)},
                         {Key("ColorGenericButton"), Int(s.ColorGenericButton)},
                         {Key("ColorFavAssButtonFM"), Int(s.ColorFavAssButtonFM)},
                         {Key("ColorFavAssButtonAM"), Int(s.ColorFavAssButtonAM)},
                         {Key("ColorFavNotAssButton"), Int(s.ColorFavNotAssButton)},
                         {Key("ColorPanel"), Int(s.ColorPanel)},
                         {Key("ColorText"), Int(s.ColorText)},
                         {Key("ColorFlag"), Int(s.ColorFlag)},
                         {Key("LaunchAlarm"), Bool(s.LaunchAlarm)},
                         {Key("StartMuted"), Bool(s.StartMuted)},
                         {Key("ForceStereoOff"), Bool(s.ForceStereoOff)}}});
    sections.push_back({sDisplayMode, {{Key("DisplayType"), Int(s.DisplayType)}, {Key("AlwaysOnTop"), Bool(s.AlwaysOnTop)}}});
    tSettingsSection presets{sPresets, {{Key("Current"), Int(s.CurrentPreset)}}};
    QString list;
    for (int n = 1; n <= tPresets::Count; ++n)
        if (s.Presets[n].Used) list += Int(n) + QLatin1Char(',');
    presets.Keys.emplace_back(Key("List"), list);
    for (int n = 1; n <= tPresets::Count; ++n) {
        const tPreset& slot = s.Presets[n];
        if (!slot.Used) continue;
        presets.Keys.emplace_back(StationKey(n), BandToLetter(slot.Band == 0 ? bAM : bFM) + QLatin1Char(' ') +
                                                     SettingsFrequencyText(slot.Frequency) + QLatin1Char(' ') +
                                                     slot.Name.trimmed());
    }
    sections.push_back(std::move(presets));
    // The serial device map, only when there is one.
    if (!s.SerialDevices.isEmpty()) {
        tSettingsSection serial{sSerial, {}};
        for (auto it = s.SerialDevices.cbegin(); it != s.SerialDevices.cend(); ++it)
            serial.Keys.emplace_back(QStringLiteral("Com") + Int(it.key()), it.value());
        sections.push_back(std::move(serial));
    }
    // The software-defined radio, while it is the card.
    if (s.Model() == mSdr) {
        const tSdrSettings& r = s.Sdr;
        sections.push_back({sSdr,
                            {{Key("Source"), r.source},
                             {Key("SampleRate"), QString::number(r.sampleRate)},
                             {Key("Gain"), r.automaticGain ? QStringLiteral("auto") : QString::number(r.gainDb, 'f', 1)},
                             {Key("Correction"), Int(r.correctionPpm)},
                             {Key("Deemphasis"), Int(r.deemphasisUs)},
                             {Key("AudioDevice"), r.audioDevice},
                             {Key("Center"), QString::number(r.centerMhz, 'f', 3)}}});
    }
    // The help window's size, once it has one.
    if (s.HelpWidth > 0 && s.HelpHeight > 0)
        sections.push_back({sHelp, {{Key("Width"), Int(s.HelpWidth)}, {Key("Height"), Int(s.HelpHeight)}}});
    // The file dialogs' folders, once one was used.
    tSettingsSection folders{sFolders, {}};
    if (!s.PresetsFolder.isEmpty()) folders.Keys.emplace_back(Key("Presets"), s.PresetsFolder);
    if (!s.ScriptsFolder.isEmpty()) folders.Keys.emplace_back(Key("Scripts"), s.ScriptsFolder);
    if (!folders.Keys.empty()) sections.push_back(std::move(folders));
    return sections;
}

void WriteSettings(TProfile& profile, const TSettings& settings)
{
    if (settings.SerialDevices.isEmpty()) profile.EraseSection(sSerial);
    for (const tSettingsSection& section : SettingsSections(settings)) {
        profile.EraseSection(section.Name);
        for (const auto& [key, value] : section.Keys) profile.WriteString(section.Name, key, value);
    }
}

TSettingsFile::TSettingsFile(const QString& dir)
    : profile_(std::make_unique<TProfile>(QDir(dir).filePath(FileName()))), stored_(profile_->Text())
{
}

TSettingsFile::~TSettingsFile() = default;

QString TSettingsFile::Path() const { return profile_->FileName(); }

TSettings TSettingsFile::Read() const
{
    TSettings settings;
    ReadSettings(*profile_, settings);
    return settings;
}

bool TSettingsFile::Save(const TSettings& settings, QString* error)
{
    WriteSettings(*profile_, settings);
    if (!profile_->Save(error)) return false;
    stored_ = profile_->Text();
    return true;
}

bool TSettingsFile::Differs(const TSettings& settings)
{
    WriteSettings(*profile_, settings);
    return profile_->Text() != stored_ || !QFile::exists(Path());
}
