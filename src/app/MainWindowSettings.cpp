// The settings dialog from the main window: what it is given, and how its
// result reaches the running card, the front panel and the settings.

#include "MainWindow.h"

#include "HardwareEnv.h"
#include "SpinButton.h"

#include <QFileInfo>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

tSetupValues TMainWindow::SetupValues() const
{
    const TSettings& s = settings_;
    tSetupValues v;
    v.Model = s.Model();
    v.Port = s.Port;
    v.VolumeLine = s.VolumeLine;
    v.CheckIfTuned = s.CheckIfTuned;
    v.JapaneseFM = s.JapaneseFM;
    v.LastStation = s.LastStation;
    v.StartMinimized = s.StartMinimized;
    v.TipOfTheDay = s.TipOfTheDay;
    v.LaunchAlarm = s.LaunchAlarm;
    v.StartMuted = s.StartMuted;
    v.ForceStereoOff = s.ForceStereoOff;
    v.UsbAudio = s.UsbAudio;
    v.Sdr = s.Sdr;
    v.RecordFolder = s.RecordFolder;
    v.RecordFormat = s.RecordFormat;
    v.RecordStopsAtSleep = s.RecordStopsAtSleep;
    v.ShutDown = s.ShutDown;
    v.Background = s.Background;
    v.Foreground = s.Foreground;
    v.Style = s.Style;
    v.ColorPanel = s.ColorPanel;
    v.ButtonColours = {s.ColorGenericButton, s.ColorFavAssButtonFM, s.ColorFavAssButtonAM, s.ColorFavNotAssButton};
    v.ColorText = s.ColorText;
    v.ColorFlag = s.ColorFlag;
    v.KeyboardCommands = s.KeyboardCommands;
    return v;
}

tSetupFacts TMainWindow::SetupFacts() const
{
    tSetupFacts f;
    f.SoundCard = card_->SoundCardPresent();
    f.LineIn = card_->LineAvailable(vlLineIn);
    f.Microphone = card_->LineAvailable(vlMicIn);
    f.Cd = card_->LineAvailable(vlCd);
    f.PortAccess = env_.Hardware->PortAccess(&f.PortAccessReason);
    // A port the card in use holds is not free, yet it is the card's own.
    const bool serialInUse = card_->Active() && card_->Caps().Connection == cnSerial;
    std::vector<tSerialPortChoice> ports;
    for (int n = 1; n <= 8; ++n)
        if (IsComPortFree(*env_.Hardware, n) || (serialInUse && card_->Port() == n))
            ports.push_back({n, env_.Hardware->ComDevice(n)});
    // USB adapters are offered too, also those this user may not open yet.
    std::vector<tSerialPortChoice> adapters;
    for (const QString& path : env_.Hardware->SerialAdapters()) {
        const QFileInfo device(path);
        adapters.push_back({0, path, device.isReadable() && device.isWritable()});
    }
    f.SerialPorts = SerialPortChoices(std::move(ports), adapters);
    const int radios = std::min(int(env_.Hardware->RadioDevices().size()), 8);
    for (int n = 1; n <= radios; ++n) {
        const QString path = env_.Hardware->RadioDevice(n);
        int error = 0;
        const auto device = env_.Hardware->OpenRadioDevice(path, &error);
        f.RadioDevices.push_back({n, path, device ? V4l2CardName(*device) : QString()});
    }
    f.InstalledModel = settings_.Hardware != 0 ? int(settings_.Model()) : -1;
    f.DefaultKeys = DefaultKeyboardCommands();
    return f;
}

void TMainWindow::TakeSerialDevice(const tSetupValues& v)
{
    // An adapter chosen in the dialog stays behind its COM number, from now
    // on and at the next start.
    if (card_->GetDevCap(v.Model).Connection != cnSerial || v.PortDevice.isEmpty()) return;
    if (v.PortDevice == env_.Hardware->ComDevice(v.Port)) return;
    env_.Hardware->MapComDevice(v.Port, v.PortDevice);
    settings_.SerialDevices.insert(v.Port, v.PortDevice);
}

void TMainWindow::TakeSetupValues(const tSetupValues& v)
{
    TSettings& s = settings_;
    s.SetModel(v.Model);
    s.Port = v.Port;
    s.VolumeLine = v.VolumeLine;
    s.CheckIfTuned = v.CheckIfTuned;
    s.JapaneseFM = v.JapaneseFM;
    s.LastStation = v.LastStation;
    s.StartMinimized = v.StartMinimized;
    s.TipOfTheDay = v.TipOfTheDay;
    s.LaunchAlarm = v.LaunchAlarm;
    s.StartMuted = v.StartMuted;
    s.ForceStereoOff = v.ForceStereoOff;
    s.UsbAudio = v.UsbAudio;
    s.Sdr = v.Sdr;
    s.RecordFolder = v.RecordFolder;
    s.RecordFormat = v.RecordFormat;
    s.RecordStopsAtSleep = v.RecordStopsAtSleep;
    s.ShutDown = v.ShutDown;
    s.Background = v.Background;
    s.Foreground = v.Foreground;
    s.Style = v.Style;
    s.ColorPanel = v.ColorPanel;
    s.ColorGenericButton = v.ButtonColours[brGeneric];
    s.ColorFavAssButtonFM = v.ButtonColours[brFavFM];
    s.ColorFavAssButtonAM = v.ButtonColours[brFavAM];
    s.ColorFavNotAssButton = v.ButtonColours[brNotAssigned];
    s.ColorText = v.ColorText;
    s.ColorFlag = v.ColorFlag;
    // Keys chosen at the first start are kept as well: the dialog offered them.
    if (IsValidKeyboardCommands(v.KeyboardCommands)) s.KeyboardCommands = v.KeyboardCommands;
}

void TMainWindow::Options_Settings()
{
    if (busy_) return;
    tSetupValues values = SetupValues();
    const tSetupFacts facts = SetupFacts();
    bool ok = false;
    WithDialogRules([&] { ok = env_.Dialogs->Setup(nullptr, facts, values); });
    if (!ok) return;
    ApplySetup(values);
    SettingsChanged();
}

void TMainWindow::ApplySetup(const tSetupValues& values)
{
    // Clearing the start-up mute also clears the card's muted state, and
    // the retuning below would then switch the sound on: a radio the user
    // silenced is silenced again once retuned.
    const bool wasMuted = card_->Active() && card_->Muted();
    TakeSerialDevice(values);
    cardThread_->Direct([&values](TRadioCard& card) {
        card.SetMutedStartup(false);
        card.SetUsbAudio(values.UsbAudio);
    });
    // A new model or port: the card is closed and opened again there.
    // The port counts on its own, so the card in use can move to its other port.
    // A card that is not open (it failed to open, or a tuner was pulled out
    // and put back) is tried again on the same port.
    const bool newModel = values.Model != card_->Model();
    const bool newSdr = values.Model == mSdr && values.Sdr != card_->Sdr();
    if (newModel || newSdr || values.Port != card_->Port() || !card_->Active()) {
        {
            // Closed and opened again while the window waits, as at start.
            const auto radio = cardThread_->Hold();
            radio->Close();
            radio->SetModel(values.Model);
            radio->SetSdr(values.Sdr);
            SetCardPort(values.Port);
            radio->SetStereo(stereoWanted_);
            OpenCardDevice();
        }
        // The warm-up goes before the tuning below, on the card's thread.
        if (card_->Active() && card_->Caps().NeedsWarmUp) {
            THardwareEnv* hardware = env_.Hardware;
            cardThread_->Post(tCardJobKind::Plain, [hardware](TRadioCard&) {
                hardware->Waiter().Wait(600);
                return 0;
            });
        }
    }
    // Japanese FM switched: the FM band changes with it.
    if (values.JapaneseFM != card_->JapaneseFM()) {
        cardThread_->Direct([&values](TRadioCard& card) { card.SetJapaneseFM(values.JapaneseFM); });
        SetBandDisplay(card_->Band());
        if (card_->Band() == bFM) TuneTo(bFM, false, card_->FMMin());
    }
    // Another card's own volume has its own levels, so a new model takes
    // its line afresh even when the line stays the same.
    if (newModel || values.VolumeLine != card_->VolumeLine()) ApplyVolumeLine(values.VolumeLine);
    // The step starts again at one unit.
    fmTuneStep_ = FMUnit();
    const tDevCap& caps = card_->Caps();
    const tBand band = card_->Band();
    const bool bandKept = (band == bFM && caps.HasFM) || (band == bAM && caps.HasAM);
    SetBandDisplay(bandKept ? band : (caps.HasFM ? bFM : bAM));
    {
        const QSignalBlocker blocker(sStep);
        sStep->setRange(1, StepUnits());
        sStep->setValue(1);
    }
    UpdateStepControls();
    // A band the new card cannot receive gives way to its lowest frequency.
    if (currentPreset_ != 0)
        RecallPreset(currentPreset_, true);
    else if (bandKept)
        TuneTo(band, false, card_->Frequency());
    else
        FirstTuningFallback();
    // After the tuning, in its turn.
    cardThread_->Post(tCardJobKind::Plain, [wasMuted](TRadioCard& card) {
        if (wasMuted && !card.Muted()) card.Mute();
        return 0;
    });
    // The volume slider and the band buttons of the card now in use.
    SetUpVolumeSlider();
    EnableBandButtons();
    // The dialog's values become the settings.
    TakeSetupValues(values);
    settings_.SetModel(card_->Model());
    settings_.Port = card_->Port();
    settings_.VolumeLine = card_->VolumeLine();
    settings_.JapaneseFM = card_->JapaneseFM();
    EnableVolumeControls();
    // Colours, glyphs and preset menus as chosen.
    ApplyColours();
    RefreshGlyphs(true);
    RebuildPresetMenus();
    ShowRadioState();
}
