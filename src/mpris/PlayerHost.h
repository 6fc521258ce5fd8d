#pragma once
// What the media player interfaces on the session bus need of the radio: its
// state as one record, and its own commands. The main window is the host; the
// interfaces never tune or mute by themselves.

#include <QList>
#include <QString>
#include <functional>

struct tPlayerState {
    bool Open = false;         // a card is open
    bool Muted = false;        // silent, by mute or by a volume of 0
    bool CanMute = false;      // the card can be muted and unmuted
    bool VolumeUsable = false; // the volume slider can be moved
    double Volume = 0;         // the slider's place, 0..1
    QString StationKey;        // band and frequency ("FM101500"): letters, digits, '_'
    QString FrequencyText;     // as the window shows it: "101.5 MHz"
    QString PresetName;        // the current preset's name; empty without one
    QString RdsName;           // the RDS programme service name; empty without one
    QString RdsTitle;          // the song on the air as the station tags it (RT+); empty without one
    QString RdsArtist;         // its artist; empty without one
    int CurrentPreset = 0;     // 0: the frequency is on no preset
    QList<int> Presets;        // the used presets the card can receive, in number order
};

class TPlayerHost
{
public:
    virtual ~TPlayerHost() = default;
    virtual tPlayerState PlayerState() const = 0;
    // False while one of the program's modal dialogs is up: calls that would
    // change the radio are then answered but not acted on.
    virtual bool TakesCommands() const = 0;
    // The window's own commands.
    virtual void PlayerToggleMute() = 0;
    virtual void PlayerRecallPreset(int n) = 0;
    virtual void PlayerSetVolume(double fraction) = 0; // 0..1 onto the slider
    virtual void PlayerRaise() = 0;
    virtual void
    PlayerQuit() = 0; // as the exit command; may ask, so it runs after the call's answer

    // Set by the media player service: the host calls it whenever its state
    // may have changed (mute, volume, tuning, presets, RDS).
    std::function<void()> OnPlayerChange;

protected:
    void PlayerChanged() const
    {
        if (OnPlayerChange) OnPlayerChange();
    }
};
