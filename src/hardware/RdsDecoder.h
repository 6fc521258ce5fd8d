#pragma once
// RDS: the station's own data carried beside an FM programme. The decoder
// takes groups of four blocks and keeps the programme identification (PI),
// the programme service name (PS, groups 0A/0B), the radio text (RT, groups
// 2A/2B) with the RDS character table turned into Unicode, the programme type
// (PTY), the traffic flags (TP, TA), the clock time (4A), the alternative
// frequencies (0A) and the title and artist tagged in the text (RT+, an open
// data application announced in group 3A).
//
// Error correction lets some wrong blocks through on a weak signal, so
// nothing is believed from one group alone: a character of the name or the
// text, the PI code, the programme type, the flags, a tag and an alternative
// frequency each count only once two groups agree on them. The clock time,
// sent once a minute, is taken only from blocks that needed no correction.

#include "RdsGroup.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class TRdsDecoder {
public:
    // What a group brought (an or-ed set).
    enum : unsigned {
        NewPi = 1,
        NewPs = 2,
        NewRt = 4,
        NewPty = 8,
        NewTp = 16,
        NewTa = 32,
        NewClock = 64,
        NewAf = 128,
        NewRtPlus = 256,
    };

    // Takes one group; says what changed: a new PI code, a complete name or
    // text that differs from the last complete one, another programme type or
    // flag, a clock time, a complete list of alternative frequencies that
    // differs from the last, another title or artist.
    unsigned Feed(const tRdsGroup& group);
    // Forgets everything (a new frequency).
    void Reset() { *this = TRdsDecoder(); }

    std::optional<std::uint16_t> Pi() const { return pi_.value; }
    // The last complete name (eight characters) and text; empty before one.
    const QString& Ps() const { return ps_; }
    const QString& Rt() const { return rt_; }
    // The programme type (0..31; 0 when the station sends none).
    std::optional<int> Pty() const { return pty_.value; }
    // Traffic programme: the station carries traffic announcements; traffic
    // announcement: one is on the air now.
    std::optional<bool> Tp() const { return tp_.value; }
    std::optional<bool> Ta() const { return ta_.value; }
    // The station's time as it sent it: its local time with its offset from UTC.
    const std::optional<QDateTime>& Clock() const { return clock_; }
    // The alternative frequencies of the last complete list, in MHz, lowest first.
    const std::vector<double>& Af() const { return af_; }
    // Title and artist of the item on the air, cut from the radio text; empty
    // when the station tags none.
    const QString& Title() const { return title_; }
    const QString& Artist() const { return artist_; }

private:
    // A value believed once two groups in a row agree on it.
    template <typename T> struct tConfirmed {
        std::optional<T> value;
        std::optional<T> candidate;
        // True when the value changed.
        bool Offer(T v)
        {
            if (candidate != v) {
                candidate = v;
                return false;
            }
            if (value == v) return false;
            value = v;
            return true;
        }
    };
    // Characters of a name or text, each shown once two groups agree on it.
    template <std::size_t N> struct tChars {
        std::array<std::uint8_t, N> shown{};
        std::array<std::uint8_t, N> candidate{};
        std::array<bool, N> seen{};      // a candidate came
        std::array<bool, N> known{};     // a character is shown
        std::array<bool, N> confirmed{}; // since the last complete one
        bool changing = false;           // a character differing from the shown one came
        void Offer(std::size_t at, std::uint8_t c);
    };

    unsigned TakePs(std::uint16_t b, const tRdsBlock& d);
    unsigned TakeAf(const tRdsBlock& c);
    unsigned TakeRt(std::uint16_t b, const tRdsBlock& c, const tRdsBlock& d);
    unsigned TakeOda(const tRdsBlock& b, const tRdsBlock& d);
    unsigned TakeClock(const tRdsBlock& b, const tRdsBlock& c, const tRdsBlock& d);
    unsigned TakeRtPlus(std::uint16_t b, const tRdsBlock& c, const tRdsBlock& d);
    // Cuts title and artist from the text by the tags; NewRtPlus when they changed.
    unsigned ApplyTags();

    tConfirmed<std::uint16_t> pi_;
    tChars<8> psChars_;
    QString ps_;
    tChars<64> rtChars_;
    int rtFlag_ = -1; // the text A/B flag; a change starts a new text
    bool rtVersionB_ = false;
    bool rtStale_ = false; // a new text has begun; rt_ is still the last one
    QString rt_;
    tConfirmed<int> pty_;
    tConfirmed<bool> tp_;
    tConfirmed<bool> ta_;
    std::optional<QDateTime> clock_;
    // Alternative frequencies: the count the list announced, the codes seen
    // once and those seen twice.
    int afCount_ = 0;
    std::vector<std::uint8_t> afSeen_, afConfirmed_;
    std::vector<double> af_;
    // RT+: the group type (code = type << 1 | version) its tags come in, -1
    // before the announcement; the tags as the last two groups agreed on them.
    int rtPlusGroup_ = -1;
    tConfirmed<std::uint64_t> rtPlusTags_;
    QString title_, artist_;
};

// The name of a programme type: from the RDS table, or from the North
// American (RBDS) table, where the codes mean other types. In English, as
// vantoroctl prints it; ProgrammeTypeText gives it in the user's language.
QString ProgrammeTypeName(int pty, bool northAmerica);
QString ProgrammeTypeText(int pty, bool northAmerica);
// Whether the stations of the locale's country use the North American table.
bool NorthAmericanRds(const QLocale& locale);

// Turns the device's block stream (three bytes a block: LSB, MSB, block
// number and flags) into groups. A group is handed on once its block D
// arrives or the next block A starts another; missing blocks stay invalid.
class TRdsBlockAssembler {
public:
    std::optional<tRdsGroup> Add(std::uint8_t lsb, std::uint8_t msb, std::uint8_t info);

private:
    tRdsGroup group_;
    bool started_ = false;
    int lastSlot_ = -1;
};

// One line of an RDS Spy log: four blocks of four hex digits separated by
// blanks, "----" for a lost block; anything after the fourth block is
// ignored. Nothing for a line that holds no group.
std::optional<tRdsGroup> ParseRdsSpyLine(const QString& line);
// A group as such a line ("3401 0408 E20D 4142", a corrected block by its
// corrected value); empty for a group with no block received.
QString RdsSpyLine(const tRdsGroup& group);

// The RDS character table.
QChar RdsCharToUnicode(std::uint8_t code);
// The code of a character, '?' for one the table lacks.
std::uint8_t UnicodeToRdsChar(QChar c);
