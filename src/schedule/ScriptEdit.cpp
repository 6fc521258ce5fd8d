#include "ScriptEdit.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

constexpr int LastMinute = 23 * 60 + 59;

int MinuteOfDay(const zAction& action) { return action.Hour() * 60 + action.Minute(); }

QTime TimeOf(int minuteOfDay) { return QTime(minuteOfDay / 60, minuteOfDay % 60); }

// The minute an action dropped on `row` takes, or -1 when there is none.
int DropMinute(const tScript& script, int row)
{
    const int next = MinuteOfDay(script.Actions[std::size_t(row)]);
    const int previous = row == 0 ? 0 : MinuteOfDay(script.Actions[std::size_t(row - 1)]);
    if (next - previous < 2) return -1;
    return row == 0 ? next - 1 : previous + 1;
}

} // namespace

tTimeRange ActionRange(const tScript& script, int index)
{
    tTimeRange range;
    if (index < 0 || index >= script.Count()) return range;
    if (index > 0) {
        const int begin = MinuteOfDay(script.Actions[std::size_t(index - 1)]) + 1;
        range.BeginHour = begin / 60;
        range.BeginMinute = begin % 60;
    }
    if (index + 1 < script.Count()) {
        const int end = MinuteOfDay(script.Actions[std::size_t(index + 1)]) - 1;
        range.EndHour = end / 60;
        range.EndMinute = end % 60;
    }
    return range;
}

int HourInRange(const tTimeRange& range, int hour) { return std::clamp(hour, range.BeginHour, range.EndHour); }

int MinuteInRange(const tTimeRange& range, int hour, int minute)
{
    if (range.BeginHour == range.EndHour) return std::clamp(minute, range.BeginMinute, range.EndMinute);
    if (hour == range.BeginHour) return std::max(minute, range.BeginMinute);
    if (hour == range.EndHour) return std::min(minute, range.EndMinute);
    return std::clamp(minute, 0, 59);
}

double FitFrequency(double frequency, std::uint8_t band, double fmStep)
{
    const double low = band == 0 ? 0.531 : 76.0;
    const double high = band == 0 ? 1.62 : 108.0;
    const double step = band == 0 ? 0.009 : fmStep;
    if (!std::isfinite(frequency)) frequency = low;
    frequency = std::clamp(frequency, low, high);
    if (step <= 0) return frequency;
    // Rounded in thousandths of a step, so 98.5 is not taken for 98.4999.
    const double steps = std::nearbyint((frequency - low) / step * 1000) / 1000;
    return std::min(high, low + std::nearbyint(steps) * step);
}

QString PresetActionNeedsPresetText()
{
    return QCoreApplication::translate("ScriptEdit", "A preset action needs a stored preset.\nStore a preset first, or choose another action.");
}

QString VolumePercent(int step) { return QString::number(step * 5) + QLatin1Char('%'); }

int AddAction(tScript& script, zAction action, QTime now)
{
    if (script.Actions.empty()) {
        action.Time = QTime(now.hour(), now.minute());
    } else {
        const int last = MinuteOfDay(script.Actions.back());
        if (last >= LastMinute) return -1;
        action.Time = TimeOf(last + 1);
    }
    script.Actions.push_back(action);
    return script.Count() - 1;
}

int DropAction(tScript& script, zAction action, int row, QTime now)
{
    if (row < 0 || row >= script.Count()) return AddAction(script, action, now);
    const int minute = DropMinute(script, row);
    if (minute < 0) return -1;
    action.Time = TimeOf(minute);
    script.Actions.insert(script.Actions.begin() + row, action);
    return row;
}

int MoveAction(tScript& script, int from, int row)
{
    if (script.Count() < 2 || from < 0 || from >= script.Count()) return -1;
    if (row < 0 || row >= script.Count()) {
        const int last = MinuteOfDay(script.Actions.back());
        if (last >= LastMinute) return -1;
        zAction action = script.Actions[std::size_t(from)];
        action.Time = TimeOf(last + 1);
        script.Actions.erase(script.Actions.begin() + from);
        script.Actions.push_back(action);
        return script.Count() - 1;
    }
    const int minute = DropMinute(script, row);
    if (minute < 0) return -1;
    zAction action = script.Actions[std::size_t(from)];
    action.Time = TimeOf(minute);
    script.Actions.erase(script.Actions.begin() + from);
    const int to = from < row ? row - 1 : row;
    script.Actions.insert(script.Actions.begin() + to, action);
    return to;
}

int DeleteAction(tScript& script, int index)
{
    if (index < 0 || index >= script.Count()) return -1;
    script.Actions.erase(script.Actions.begin() + index);
    if (script.Actions.empty()) return -1;
    return std::min(index, script.Count() - 1);
}
