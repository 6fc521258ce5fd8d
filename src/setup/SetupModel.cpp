#include "SetupModel.h"

#include "Helpers.h"

#include <algorithm>
#include <QCoreApplication>

std::vector<tSerialPortChoice> SerialPortChoices(std::vector<tSerialPortChoice> ports,
                                                 const std::vector<tSerialPortChoice>& adapters,
                                                 int count)
{
    auto offered = [&ports](auto match) { return std::any_of(ports.begin(), ports.end(), match); };
    for (const tSerialPortChoice& adapter : adapters) {
        if (offered([&](const tSerialPortChoice& p) { return p.Device == adapter.Device; }))
            continue;
        int number = 1;
        while (number <= count &&
               offered([number](const tSerialPortChoice& p) { return p.Number == number; }))
            ++number;
        if (number > count) break;
        ports.push_back({number, adapter.Device, adapter.Accessible});
    }
    std::sort(
        ports.begin(), ports.end(),
        [](const tSerialPortChoice& a, const tSerialPortChoice& b) { return a.Number < b.Number; });
    return ports;
}

TSetupModel::TSetupModel(const tSetupValues& values, tSetupFacts facts)
    : table_(BuildModelTable()), values_(values), facts_(std::move(facts))
{
    values_.Model = tModel(std::clamp(int(values_.Model), 0, ModelCount - 1));
    if (!IsValidKeyboardCommands(values_.KeyboardCommands)) values_.KeyboardCommands = facts_.DefaultKeys;
    // Each model starts on its default port and the volume path it can
    // surely use; the card being set up keeps what it has.
    for (int m = 0; m < ModelCount; ++m) {
        tModelEntry& entry = entries_[std::size_t(m)];
        entry.Port = table_[std::size_t(m)].DefaultPort;
        // A radio device has its own volume and mute, or its USB sound's.
        entry.Line = table_[std::size_t(m)].Connection == cnSerial ? vlLineIn : vlNative;
    }
    Entry() = {values_.Port, values_.VolumeLine, values_.JapaneseFM && JapaneseFMAllowed()};
    values_.JapaneseFM = Entry().JapaneseFM;
    SettlePort();
    TakePortDevice();
    SettleVolumeLine();
}

void TSetupModel::SettlePort()
{
    // The port shown is the port taken: a serial port that is not offered
    // gives way to the first one that is, an I/O port out of range to the default.
    if (Caps().Connection == cnSerial) {
        if (!facts_.SerialPorts.empty() && SerialIndex() < 0) SetPort(facts_.SerialPorts.front().Number);
    } else if (values_.Port < 1 || values_.Port > Caps().PortCount) {
        SetPort(Caps().DefaultPort);
    }
}

void TSetupModel::SettleVolumeLine()
{
    const tDevCap& caps = Caps();
    const bool own = caps.CanVolume || caps.CanMute;
    tVolumeLine& line = values_.VolumeLine;
    if (facts_.SoundCard) {
        if (line == vlNative && !own) line = vlLineIn;
        const std::vector<tVolumeSource> sources = VolumeSources();
        const bool listed = std::any_of(sources.begin(), sources.end(),
                                        [line](const tVolumeSource& s) { return s.Line == line; });
        if (!listed && line != vlNative) line = sources.empty() ? vlNone : sources.front().Line;
    } else if (line == vlLineIn || line == vlMicIn || line == vlCd) {
        line = own ? vlNative : vlNone;
    }
    Entry().Line = line;
}

void TSetupModel::SelectModel(tModel model)
{
    values_.Model = tModel(std::clamp(int(model), 0, ModelCount - 1));
    const tModelEntry& entry = Entry();
    values_.Port = entry.Port;
    values_.VolumeLine = entry.Line;
    values_.JapaneseFM = entry.JapaneseFM && JapaneseFMAllowed();
    SettlePort();
    TakePortDevice();
    // A path remembered for this model may not exist for it: the same rules
    // as at opening pick one that does.
    SettleVolumeLine();
}

void TSetupModel::SetPort(int port)
{
    values_.Port = port;
    Entry().Port = port;
    TakePortDevice();
}

void TSetupModel::TakePortDevice()
{
    // A serial card goes with the device its port stands for, so an adapter
    // chosen in the list is kept under its COM number.
    const int index = Caps().Connection == cnSerial ? SerialIndex() : -1;
    values_.PortDevice = index >= 0 ? facts_.SerialPorts[std::size_t(index)].Device : QString();
}

void TSetupModel::SetJapaneseFM(bool on)
{
    values_.JapaneseFM = on && JapaneseFMAllowed();
    Entry().JapaneseFM = values_.JapaneseFM;
}

tPortGroup TSetupModel::PortGroup() const
{
    if (Caps().Connection == cnSerial)
        return facts_.SerialPorts.empty() ? tPortGroup::NoSerials : tPortGroup::Serial;
    if (Caps().Connection == cnDevice) return tPortGroup::Radio;
    if (Caps().Connection == cnSdr) return tPortGroup::Sdr;
    // Linux always guards its I/O ports, so only the access itself decides.
    return facts_.PortAccess ? tPortGroup::IOPort : tPortGroup::NoPortAccess;
}

bool TSetupModel::OkEnabled() const { return PortGroup() != tPortGroup::NoPortAccess; }

int TSetupModel::SerialIndex() const
{
    for (std::size_t i = 0; i < facts_.SerialPorts.size(); ++i)
        if (facts_.SerialPorts[i].Number == values_.Port) return int(i);
    return -1;
}

std::vector<tVolumeSource> TSetupModel::VolumeSources() const
{
    std::vector<tVolumeSource> sources;
    if (Caps().CanVolume || Caps().CanMute) sources.push_back({QCoreApplication::translate("TSetupModel", "Radio card"), vlNative});
    if (facts_.SoundCard) {
        if (facts_.LineIn) sources.push_back({QCoreApplication::translate("TSetupModel", "Line In"), vlLineIn});
        if (facts_.Microphone) sources.push_back({QCoreApplication::translate("TSetupModel", "Microphone"), vlMicIn});
        if (facts_.Cd) sources.push_back({QCoreApplication::translate("TSetupModel", "Compact disk"), vlCd});
    }
    return sources;
}

int TSetupModel::VolumeSourceIndex() const
{
    const std::vector<tVolumeSource> sources = VolumeSources();
    for (std::size_t i = 0; i < sources.size(); ++i)
        if (sources[i].Line == values_.VolumeLine) return int(i);
    return -1;
}

void TSetupModel::ChooseVolumeSource(const QString& text)
{
    values_.VolumeLine = IndexToVolumeLine(SoundSourceCode(text));
    Entry().Line = values_.VolumeLine;
}

QString TSetupModel::Capabilities() const
{
    return CapabilityText(Caps().CanVolume, Caps().CanMute, facts_.SoundCard);
}

void TSetupModel::SetButtonColour(tButtonRow row, int colour)
{
    values_.ButtonColours[std::size_t(row)] = std::clamp(colour, 0, 7);
}

bool TSetupModel::ButtonColourEnabled(tButtonRow row, int colour) const
{
    if (row == brGeneric) return true;
    for (tButtonRow other : {brFavFM, brFavAM, brNotAssigned})
        if (other != row && values_.ButtonColours[std::size_t(other)] == colour) return false;
    return true;
}

QString TSetupModel::KeyChoices()
{
    QString keys;
    for (char c = 32; c <= 126; ++c)
        if (c < 'a' || c > 'z') keys += QLatin1Char(c);
    return keys;
}

QChar TSetupModel::Key(int position) const
{
    return position >= 1 && position <= values_.KeyboardCommands.size() ? values_.KeyboardCommands[position - 1]
                                                                        : QChar();
}

bool TSetupModel::SetKey(int position, QChar key)
{
    QString& keys = values_.KeyboardCommands;
    if (position < 1 || position > keys.size() || !KeyChoices().contains(key)) return false;
    // The reserved position counts too: a key string with a character twice
    // would be thrown away for the default at the next start.
    const qsizetype holder = keys.indexOf(key);
    if (holder >= 0 && holder != position - 1) return false;
    keys[position - 1] = key;
    return true;
}

void TSetupModel::ResetKeys() { values_.KeyboardCommands = facts_.DefaultKeys; }
