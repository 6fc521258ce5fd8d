#include "Profile.h"

#include "RegularFile.h"
#include "SafeSave.h"
#include "TextDecoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <iterator>
#include <list>
#include <vector>

namespace {

// No line of the program's files comes near this; a longer one means the
// file is not one of them, and it is judged at once instead of being parsed.
constexpr qsizetype MaxLineBytes = MaxFileLineBytes;
// An archive of 100,000 stations takes about 6 MiB; a profile far larger
// than any real one is refused before it fills the memory.
constexpr qint64 MaxProfileBytes = 16 * 1024 * 1024;

struct tLine {
    QString raw;   // as read, without its "\n" (a "\r" before it is kept)
    QString key;   // empty for a line that holds no key
    QString value; // trimmed and unquoted
    bool rewritten = false; // made anew from key and value when saved
    bool erased = false;    // a key line the program removed; its place is kept for a rewrite
};

// Names compare without regard to case: this is the form they are looked up by.
QString NameKey(const QString& name) { return name.toCaseFolded(); }

struct tSection {
    bool hasHeader = false; // false for the lines before the first header
    QString name;
    QString header; // the header line as read; empty for a section made here
    // A list, so the index below stays valid when a key goes in before the
    // section's closing blank lines.
    std::list<tLine> lines;
    // The key lines of each name, in file order (erased ones included).
    QHash<QString, std::vector<tLine*>> byKey;
    bool erased = false; // erased and not written since

    void Index(tLine& line) { byKey[NameKey(line.key)].push_back(&line); }
};

// A line written from a key has no text of its own until it is saved.
bool IsBlank(const tLine& line) { return line.key.isEmpty() && line.raw.trimmed().isEmpty(); }

QString Unquoted(const QString& value)
{
    // One pair of surrounding double quotes is not part of the value.
    if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"'))
        return value.mid(1, value.size() - 2);
    return value;
}

QString Quoted(const QString& value)
{
    // Blanks at either end would be trimmed on reading, and a value that is
    // itself in quotes would lose them.
    const bool needsQuotes = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace() ||
                                                  value != Unquoted(value));
    return needsQuotes ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

tLine ParseLine(const QString& raw, bool& header, QString& name)
{
    tLine line;
    line.raw = raw;
    const QString text = raw.trimmed();
    header = false;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        // Without its "]" it is a line like any other the program does not understand.
        if (close > 0) {
            header = true;
            name = text.mid(1, close - 1).trimmed();
        }
        return line;
    }
    if (text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1Char('#'))) return line;
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq > 0) {
        line.key = text.left(eq).trimmed();
        // A carriage return inside a value reads as the blank it is written as.
        line.value = Unquoted(text.mid(eq + 1).trimmed()).replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
    return line;
}


} // namespace

// Every line of the file in its place: sections and keys the program never
// writes, comments and lines it does not understand are written back as they
// were read. Names compare without regard to case; a key or section that
// appears twice gives its first value, as the Windows profile functions do.
struct TProfile::Data {
    // Sections do not move once made, so the index can point at them.
    std::vector<std::unique_ptr<tSection>> sections;
    // The sections of each name, in file order (a name may appear twice).
    QHash<QString, std::vector<tSection*>> byName;

    Data() { sections.push_back(std::make_unique<tSection>()); }

    tSection& AddSection(const QString& name, const QString& header)
    {
        sections.push_back(std::make_unique<tSection>(tSection{true, name, header, {}, {}, false}));
        byName[NameKey(name)].push_back(sections.back().get());
        return *sections.back();
    }

    const std::vector<tSection*>& Named(const QString& section) const
    {
        static const std::vector<tSection*> none;
        const auto found = byName.constFind(NameKey(section));
        return found == byName.cend() ? none : *found;
    }

    static const std::vector<tLine*>& KeyLines(const tSection& s, const QString& foldedKey)
    {
        static const std::vector<tLine*> none;
        const auto found = s.byKey.constFind(foldedKey);
        return found == s.byKey.cend() ? none : *found;
    }

    // The first live line of the key folded to `folded` in the sections named `section`.
    tLine* Find(const std::vector<tSection*>& named, const QString& folded) const
    {
        for (const tSection* s : named)
            for (tLine* line : KeyLines(*s, folded))
                if (!line->erased) return line;
        return nullptr;
    }

    void Parse(const QString& text)
    {
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype end = text.indexOf(QLatin1Char('\n'), start);
            if (end < 0) end = text.size();
            bool header = false;
            QString name;
            tLine line = ParseLine(text.mid(start, end - start), header, name);
            if (header) {
                AddSection(name, line.raw);
            } else {
                tSection& s = *sections.back();
                s.lines.push_back(std::move(line));
                if (!s.lines.back().key.isEmpty()) s.Index(s.lines.back());
            }
            start = end + 1;
        }
    }
};

TProfile::TProfile(QString fileName) : fileName_(std::move(fileName)), data_(std::make_unique<Data>())
{
    if (!QFile::exists(fileName_) && !IsOtherThanRegularFile(fileName_)) return;
    QByteArray content;
    if (!ReadRegularFile(fileName_, MaxProfileBytes, content, &readError_)) {
        readFailed_ = true;
        readError_ = QStringLiteral("%1: %2").arg(fileName_, readError_);
        return;
    }
    qsizetype lineStart = 0, lineEnd = 0;
    for (; lineStart <= content.size(); lineStart = lineEnd + 1) {
        lineEnd = content.indexOf('\n', lineStart);
        if (lineEnd < 0) lineEnd = content.size();
        if (lineEnd - lineStart > MaxLineBytes) break;
    }
    if (lineStart <= content.size()) {
        readFailed_ = true;
        readError_ = QCoreApplication::translate("TProfile", "%1: a line longer than %2 KiB, which no such file has")
                         .arg(fileName_)
                         .arg(MaxLineBytes / 1024);
        return;
    }
    data_->Parse(DecodeFileText(content));
}

TProfile::~TProfile() = default;

bool TProfile::SectionExists(const QString& section) const
{
    const auto& named = data_->Named(section);
    return std::any_of(named.begin(), named.end(), [](const tSection* s) { return !s->erased; });
}

QStringList TProfile::Keys(const QString& section) const
{
    QStringList names;
    QSet<QString> seen;
    for (const tSection* s : data_->Named(section))
        for (const tLine& line : s->lines) {
            if (line.erased || line.key.isEmpty()) continue;
            const qsizetype before = seen.size();
            seen.insert(NameKey(line.key));
            if (seen.size() > before) names << line.key;
        }
    return names;
}

bool TProfile::ValueExists(const QString& section, const QString& key) const
{
    return data_->Find(data_->Named(section), NameKey(key)) != nullptr;
}

QString TProfile::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    const tLine* line = data_->Find(data_->Named(section), NameKey(key));
    return line ? line->value : fallback;
}

int TProfile::ReadInteger(const QString& section, const QString& key, int fallback) const
{
    bool ok = false;
    const int value = ReadString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : fallback;
}

bool TProfile::ReadBool(const QString& section, const QString& key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TProfile::WriteString(const QString& section, const QString& key, const QString& value)
{
    // A value is one line in the file; a line break inside it would start a
    // new key when the file is read again.
    QString text = value;
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));

    const QString folded = NameKey(key);
    const std::vector<tSection*>& named = data_->Named(section);
    tLine* target = data_->Find(named, folded);
    tSection* last = named.empty() ? nullptr : named.back();
    for (tSection* s : named) {
        s->erased = false;
        for (tLine* line : Data::KeyLines(*s, folded)) {
            if (line == target) continue;
            // A key the program writes is there once: other copies go, and
            // without a live copy the first erased one takes it in its place.
            if (!target && line->erased) {
                target = line;
                line->erased = false;
            } else {
                line->erased = true;
            }
        }
    }
    if (!target) {
        if (!last) {
            // A new section goes at the end, a blank line apart from the one before.
            tSection& previous = *data_->sections.back();
            if (!previous.lines.empty() || previous.hasHeader) {
                if (previous.lines.empty() || !IsBlank(previous.lines.back())) previous.lines.push_back({});
            }
            last = &data_->AddSection(section, QString());
        }
        // After the section's last line that is not blank, so blank lines
        // that part it from the next section stay where they are.
        auto& lines = last->lines;
        auto at = lines.end();
        while (at != lines.begin() && !std::prev(at)->erased && IsBlank(*std::prev(at))) --at;
        target = &*lines.insert(at, tLine{});
        target->key = key;
        last->Index(*target);
    }
    target->key = key;
    target->value = text;
    target->rewritten = true;
}

void TProfile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TProfile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TProfile::EraseSection(const QString& section)
{
    // The keys go; the section keeps its place and its comments for the
    // keys written into it again.
    for (tSection* s : data_->Named(section)) {
        s->erased = true;
        for (tLine& line : s->lines)
            if (!line.key.isEmpty()) line.erased = true;
    }
}

QByteArray TProfile::Text() const
{
    QString text;
    for (const auto& section : data_->sections) {
        const tSection& s = *section;
        const bool hasOtherLines = std::any_of(s.lines.begin(), s.lines.end(), [](const tLine& line) {
            return !line.erased && !line.raw.trimmed().isEmpty();
        });
        // An erased section that nothing was written into is gone, unless
        // it holds comments or lines of someone else's.
        if (s.hasHeader && s.erased && !hasOtherLines) continue;
        if (s.hasHeader)
            text += (s.header.isEmpty() ? QLatin1Char('[') + s.name + QLatin1Char(']') : s.header) + QLatin1Char('\n');
        for (const tLine& line : s.lines) {
            if (line.erased) continue;
            text += (line.rewritten ? line.key + QLatin1Char('=') + Quoted(line.value) : line.raw) + QLatin1Char('\n');
        }
    }
    return text.toUtf8();
}

bool TProfile::Save(QString* error) const
{
    // The values were defaults because the file could not be read; writing
    // them over it would throw away the user's settings and preset bank.
    if (readFailed_) {
        if (error) *error = QCoreApplication::translate("TProfile", "%1 could not be read, so it is left as it is").arg(fileName_);
        return false;
    }
    return SaveFileSafely(fileName_, Text(), error);
}
