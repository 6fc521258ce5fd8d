#include "Script.h"

#include "Helpers.h"

QString ActionKey(int hour, int minute) { return ZeroPad(hour, 2) + ZeroPad(minute, 2); }

QString zAction::Key() const { return ActionKey(Hour(), Minute()); }

bool zAction::SameAs(const zAction& other) const
{
    if (Kind != other.Kind || Key() != other.Key()) return false;
    switch (Kind) {
    case zBeep: return Times == other.Times && BeepFreq == other.BeepFreq && MSecs == other.MSecs;
    case zVolume: return Volume == other.Volume;
    case zJumpTo: return SameFrequency(Frequency, other.Frequency) && Band == other.Band && Stereo == other.Stereo;
    case zPreset: return Preset == other.Preset && Stereo == other.Stereo;
    case zRecord: return Preset == other.Preset && Minutes == other.Minutes;
    default: return true;
    }
}

zAction MakeAction(tActionKind kind, QTime time, std::uint8_t cardBand, bool cardStereo)
{
    zAction action;
    action.Kind = kind;
    action.Time = time;
    if (kind == zJumpTo) {
        action.Band = cardBand;
        action.Stereo = cardStereo;
        action.Frequency = cardBand == 0 ? 0.531 : 76.0;
    } else if (kind == zPreset) {
        action.Stereo = cardStereo;
    }
    return action;
}

QString ActionWord(tActionKind kind)
{
    switch (kind) {
    case zMuteOn: return QStringLiteral("Mute on");
    case zMuteOff: return QStringLiteral("Mute off");
    case zBeep: return QStringLiteral("Beep");
    case zVolume: return QStringLiteral("Volume");
    case zJumpTo: return QStringLiteral("Jump to");
    case zPreset: return QStringLiteral("Preset");
    case zOff: return QStringLiteral("Off");
    case zRecord: return QStringLiteral("Record");
    default: return QString();
    }
}

bool tScript::SameAs(const tScript& other) const
{
    if (TrimBlanks(Title) != TrimBlanks(other.Title) || Actions.size() != other.Actions.size()) return false;
    for (std::size_t i = 0; i < Actions.size(); ++i)
        if (!Actions[i].SameAs(other.Actions[i])) return false;
    return true;
}

int FindScriptAction(const tScript& script, int hour, int minute)
{
    if (script.Actions.empty()) return 0;
    const QString key = ActionKey(hour, minute);
    if (key > script.Actions.back().Key()) return script.Count() + 1;
    int low = 1, high = script.Count();
    while (high >= low) {
        const int middle = (low + high) / 2;
        const QString there = script.At(middle).Key();
        if (key == there) return middle;
        if (key > there)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return 0;
}
