#include "Profile.h"

#include "SafeSave.h"

#include <QFile>

#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <string>

struct TProfile::Data {
    // CSimpleIniA compares names without regard to case (CSimpleIniCaseA would not).
    // UTF-8 (a leading BOM is skipped), one line a value. Repeated keys are
    // kept as read: a hand-edited file with a key twice gives the first, as
    // the Windows profile functions do, and sections we never write are
    // written back whole. Our own writes replace every copy of their key.
    CSimpleIniA ini{true, true, false};
};

namespace {

QByteArray Bytes(const QString& text) { return text.toUtf8(); }

} // namespace

TProfile::TProfile(QString fileName) : fileName_(std::move(fileName)), data_(std::make_unique<Data>())
{
    data_->ini.SetSpaces(false);
    QFile file(fileName_);
    if (!file.exists()) return;
    if (!file.open(QIODevice::ReadOnly)) {
        readFailed_ = true;
        return;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError ||
        data_->ini.LoadData(content.constData(), std::size_t(content.size())) < 0) {
        data_->ini.Reset();
        readFailed_ = true;
    }
}

TProfile::~TProfile() = default;

bool TProfile::SectionExists(const QString& section) const
{
    return data_->ini.GetSectionSize(Bytes(section).constData()) >= 0;
}

QStringList TProfile::Keys(const QString& section) const
{
    CSimpleIniA::TNamesDepend keys;
    data_->ini.GetAllKeys(Bytes(section).constData(), keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList names;
    for (const auto& key : keys) names << QString::fromUtf8(key.pItem);
    return names;
}

bool TProfile::ValueExists(const QString& section, const QString& key) const
{
    return data_->ini.GetValue(Bytes(section).constData(), Bytes(key).constData(), nullptr) != nullptr;
}

QString TProfile::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    const char* value = data_->ini.GetValue(Bytes(section).constData(), Bytes(key).constData(), nullptr);
    return value ? QString::fromUtf8(value).trimmed() : fallback;
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
    QString line = value;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    data_->ini.SetValue(Bytes(section).constData(), Bytes(key).constData(), Bytes(line).constData(), nullptr,
                        true);
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
    data_->ini.Delete(Bytes(section).constData(), nullptr);
}

bool TProfile::Save(QString* error) const
{
    // The values were defaults because the file could not be read; writing
    // them over it would throw away the user's settings and preset bank.
    if (readFailed_) {
        if (error) *error = QStringLiteral("%1 could not be read, so it is left as it is").arg(fileName_);
        return false;
    }
    std::string text;
    if (data_->ini.Save(text) < 0) {
        if (error) *error = QStringLiteral("cannot format the profile");
        return false;
    }
    return SaveFileSafely(fileName_, QByteArray::fromStdString(text), error);
}
