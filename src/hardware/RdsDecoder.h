#pragma once
// RDS: the station's own data carried beside an FM programme. The decoder
// takes groups of four blocks and keeps the programme identification (PI),
// the programme service name (PS, groups 0A/0B) and the radio text (RT,
// groups 2A/2B), with the RDS character table turned into Unicode.

#include "RdsGroup.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class TRdsDecoder {
public:
    // What a group brought (an or-ed set).
    enum : unsigned { NewPi = 1, NewPs = 2, NewRt = 4 };

    // Takes one group; says what changed: a new PI code, or a complete name
    // or text that differs from the last complete one.
    unsigned Feed(const tRdsGroup& group);
    // Forgets everything (a new frequency).
    void Reset() { *this = TRdsDecoder(); }

    std::optional<std::uint16_t> Pi() const { return pi_; }
    // The last complete name (eight characters) and text; empty before one.
    const QString& Ps() const { return ps_; }
    const QString& Rt() const { return rt_; }

private:
    unsigned TakePs(std::uint16_t b, const tRdsBlock& d);
    unsigned TakeRt(std::uint16_t b, const tRdsBlock& c, const tRdsBlock& d);

    std::optional<std::uint16_t> pi_;
    std::array<std::uint8_t, 8> psChars_{};
    std::uint8_t psHave_ = 0;
    QString ps_;
    std::array<std::uint8_t, 64> rtChars_{};
    std::uint64_t rtHave_ = 0;
    int rtFlag_ = -1; // the text A/B flag; a change starts a new text
    bool rtVersionB_ = false;
    QString rt_;
};

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
