#pragma once
// A profile (INI) file: sections in brackets, "Key=Value" lines, section and
// key names compared without regard to letter case, values trimmed and one
// pair of surrounding double quotes taken off (a value that begins or ends
// with a blank is written in quotes). UTF-8, or Windows-1252 when the file is
// not valid UTF-8; written as UTF-8. The whole file is read once when the
// object is made and written once by Save(), atomically. Every line the
// program does not write (other sections, comments, lines it does not
// understand) is written back as it was read, in its place.

#include <QString>
#include <QStringList>
#include <memory>

class TProfile {
public:
    // Reads `fileName`; a missing file is an empty profile.
    explicit TProfile(QString fileName);
    ~TProfile();
    TProfile(const TProfile&) = delete;
    TProfile& operator=(const TProfile&) = delete;

    const QString& FileName() const { return fileName_; }
    // True when the file existed but could not be read, is not a regular
    // file, is larger than 16 MiB or holds a line longer than 64 KiB (not a
    // profile); Save() then refuses, so what the file holds is not lost.
    bool ReadFailed() const { return readFailed_; }
    // Why, when ReadFailed(): not a regular file, too large, a line too
    // long, or the system's reason.
    const QString& ReadError() const { return readError_; }

    bool SectionExists(const QString& section) const;
    QStringList Keys(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
    // Decimal text; missing or unreadable gives the fallback.
    int ReadInteger(const QString& section, const QString& key, int fallback) const;
    // Read as an integer; anything but 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool fallback) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    // Removes all keys of the section; its comments and other lines stay,
    // and keys written into it again take its place in the file.
    void EraseSection(const QString& section);

    // The file's text as Save() writes it.
    QByteArray Text() const;

    // Writes the whole profile to a temporary file beside the target and
    // renames it over the target. On failure the previous file is untouched
    // and `error` (when given) says why. A file that existed but could not be
    // read is never replaced.
    bool Save(QString* error = nullptr) const;

private:
    struct Data;
    QString fileName_;
    std::unique_ptr<Data> data_;
    bool readFailed_ = false;
    QString readError_;
};
