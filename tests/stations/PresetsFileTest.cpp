#include "FakePrompts.h"
#include "PresetsFile.h"
#include "FileSizeLimit.h"
#include "Helpers.h"
#include "PresetSupport.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QLocale Italian(QLocale::Italian, QLocale::Italy);

QByteArray Save(const tPresets& table)
{
    QBuffer buffer;
    EXPECT_TRUE(SavePresetsFile(buffer, table));
    return buffer.data();
}

std::uint8_t Load(const QByteArray& content, tPresets& table)
{
    QByteArray data = content;
    QBuffer buffer(&data);
    return LoadPresetsFile(buffer, table);
}

QByteArray Line(const char* head, const char* name = "")
{
    return QByteArray(head) + QByteArray(name).leftJustified(40, ' ') + "\r\n";
}

// Presets 1 to 100 on 87.1 to 97.0 MHz, without names.
QByteArray HundredLines()
{
    QByteArray content;
    for (int n = 1; n <= 100; ++n)
        content += ZeroPad(n, 3).toLatin1() + "." + FileFrequencyText(87.0 + n * 0.1).toLatin1() + ".FM.\r\n";
    return content;
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// A device whose reads or writes fail.
class TFailingDevice final : public QIODevice {
public:
    explicit TFailingDevice(OpenMode mode) { open(mode); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

// A device that serves `head`, then `tail` repeated up to `size` bytes, and
// then either ends or fails; it counts what was read from it.
class TServingDevice final : public QIODevice {
public:
    TServingDevice(QByteArray head, QByteArray tail, qint64 size, bool failAtEnd)
        : head_(std::move(head)), tail_(std::move(tail)), size_(size), failAtEnd_(failAtEnd)
    {
        open(ReadOnly);
    }
    bool isSequential() const override { return true; }
    bool atEnd() const override { return served_ >= size_ && !failAtEnd_ && QIODevice::atEnd(); }
    qint64 served() const { return served_; }

protected:
    qint64 readData(char* data, qint64 max) override
    {
        if (served_ >= size_) return failAtEnd_ ? -1 : 0;
        qint64 n = 0;
        for (; n < max && served_ < size_; ++n, ++served_)
            data[n] = served_ < head_.size() ? head_[served_] : tail_[(served_ - head_.size()) % tail_.size()];
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray head_, tail_;
    qint64 size_;
    bool failAtEnd_;
    qint64 served_ = 0;
};

} // namespace

TEST(PresetsFile, TableIsAValue)
{
    tPresets a;
    a[3] = Preset(88.5, 1, QStringLiteral("One"));
    tPresets b = a;
    b[3].Name = QStringLiteral("Two");
    EXPECT_EQ(a[3].Name, QStringLiteral("One"));
    EXPECT_EQ(a.UsedCount(), 1);
    a.Clear();
    EXPECT_EQ(a.UsedCount(), 0);
    EXPECT_EQ(a[3].Band, 1);
    EXPECT_EQ(a[3].Frequency, 0.0);
}

TEST(PresetsFile, WritesTheLayoutAndReadsItBack)
{
    tPresets table;
    table[1] = Preset(88.5, 1, QStringLiteral("Radio One"));
    table[5] = Preset(0.531, 0, QStringLiteral("  Long Wave. Talk"));
    table[100] = Preset(101.5, 1, QString());
    table[100].Current = 1;
    const QByteArray content = Save(table);
    EXPECT_EQ(content, Line("001.088,500.FM.", "Radio One") + Line("005.000,531.AM.", "  Long Wave. Talk") +
                           Line("100.101,500.FM."));

    tPresets read;
    read[7] = Preset(90.0, 1, QStringLiteral("stale"));
    ASSERT_EQ(Load(content, read), plLoaded);
    EXPECT_EQ(read.UsedCount(), 3);
    EXPECT_FALSE(read[7].Used);
    EXPECT_EQ(read[1].Name, QStringLiteral("Radio One"));
    EXPECT_EQ(read[5].Name, QStringLiteral("Long Wave. Talk")); // leading blanks go, "." stays
    EXPECT_EQ(read[5].Band, 0);
    EXPECT_DOUBLE_EQ(read[5].Frequency, 0.531);
    EXPECT_EQ(read[100].Current, 0);
    EXPECT_TRUE(read[100].Name.isEmpty());
}

TEST(PresetsFile, NamesAreCutAndPaddedByCharacters)
{
    const QString forty = QString::fromUtf8("Ràdio Città ") + QString(28, QLatin1Char('x'));
    ASSERT_EQ(CharCount(forty), 40);
    tPresets table;
    table[2] = Preset(99.9, 1, forty);
    table[3] = Preset(100.1, 1, forty + QStringLiteral("yz"));
    table[4] = Preset(100.3, 1, QString::fromUtf8("Città"));
    const QByteArray content = Save(table);
    const QStringList lines = QString::fromUtf8(content).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(CharCount(lines[i]), 55) << i;

    tPresets read;
    ASSERT_EQ(Load(content, read), plLoaded);
    EXPECT_EQ(read[2].Name, forty);
    EXPECT_EQ(read[3].Name, forty);
    EXPECT_EQ(read[4].Name, QString::fromUtf8("Città"));
}

TEST(PresetsFile, LineBreakInANameDoesNotBreakTheFile)
{
    // One preset must stay one line, or the saved file could not be loaded again.
    tPresets table;
    table[1] = Preset(88.5, 1, QStringLiteral("Two\nLines"));
    table[2] = Preset(89.5, 1, QStringLiteral("Old\r\nMac\rStyle"));
    const QByteArray content = Save(table);
    EXPECT_EQ(content, Line("001.088,500.FM.", "Two Lines") + Line("002.089,500.FM.", "Old  Mac Style"));
    tPresets read;
    ASSERT_EQ(Load(content, read), plLoaded);
    EXPECT_EQ(read[1].Name, QStringLiteral("Two Lines"));
}

TEST(PresetsFile, CorruptFilesLeaveTheTableAlone)
{
    const QByteArray good = Line("001.088,500.FM.", "One") + Line("002.089,500.FM.", "Two");
    const struct {
        const char* why;
        QByteArray content;
    } cases[] = {
        {"blank last line", good + "\r\n"},
        {"blank line between", Line("001.088,500.FM.") + "\r\n" + Line("002.089,500.FM.")},
        {"lower-case band", Line("001.088,500.fm.")},
        {"band word of another kind", Line("001.088,500.ST.")},
        {"number 0", Line("000.088,500.FM.")},
        {"number 101", Line("101.088,500.FM.")},
        {"two-digit number", Line("01.088,500.FM.")},
        {"frequency of six characters", Line("001.88,500.FM.")},
        {"frequency of eight characters", Line("001.0088,500.FM.")},
        {"frequency not a number", Line("001.088,5x0.FM.")},
        {"band field missing", QByteArray("001.088,500.FM\r\n")},
        {"repeated number", good + Line("001.090,000.FM.")},
        {"same frequency in the other band", good + Line("003.088,500.AM.")},
        {"same frequency to three decimals", good + Line("003.089,500.AM.")},
        {"zero frequency while slots are empty", Line("001.000,000.FM.")},
        {"name of 41 characters", QByteArray("001.088,500.FM.") + QByteArray(41, 'n') + "\r\n"},
        {"frequency too big to write back", Line("001.1000000.FM.")},
        {"negative frequency", Line("001.-01,500.FM.")},
        {"beyond every band", good + Line("003.250,000.FM.")},
        {"between the bands", Line("001.050,000.FM.")},
        {"line over 64 KiB", QByteArray("001.088,500.FM.") + QByteArray(64 * 1024, ' ') + "\r\n"},
    };
    for (const auto& c : cases) {
        tPresets table;
        table[9] = Preset(95.0, 1, QStringLiteral("Mine"));
        const tPresets before = table;
        EXPECT_EQ(Load(c.content, table), plCorrupt) << c.why;
        EXPECT_EQ(table.UsedCount(), 1) << c.why;
        EXPECT_EQ(table[9].Name, before[9].Name) << c.why;
    }
}

TEST(PresetsFile, ACorruptFileSaysWhichLineAndWhy)
{
    const QByteArray good = Line("001.088,500.FM.", "One") + Line("002.089,500.FM.", "Two");
    const struct {
        QByteArray content;
        const char* why;
    } cases[] = {
        {Line("1.088,500.FM."), "line 1: the line must begin with a preset number from 001 to 100"},
        {good + Line("003.250,000.FM.", "Far"), "line 3: 250,000 MHz is outside every band"},
        {good + Line("002.090,000.FM."), "line 3: preset 002 is there twice"},
        {good + Line("007.089,500.AM."), "line 3: the frequency is that of preset 002"},
        {Line("001.088,500.FM.") + "\r\n", "line 2: the line must begin"},
        {Line("001.088,5000.FM."), "line 1: the frequency must be seven characters"},
    };
    for (const auto& c : cases) {
        QBuffer buffer;
        buffer.setData(c.content);
        tPresets table;
        QString why;
        EXPECT_EQ(LoadPresetsFile(buffer, table, &why), plCorrupt) << c.why;
        EXPECT_TRUE(why.startsWith(QLatin1String(c.why))) << why.toStdString();
    }
    // The file-name form names the file before the line.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("far.vxp"));
    WriteFile(path, good + Line("003.250,000.FM.", "Far"));
    tPresets table;
    QString why;
    EXPECT_EQ(LoadPresetsFile(path, table, &why), plCorrupt);
    EXPECT_EQ(why, path + QStringLiteral(", line 3: 250,000 MHz is outside every band"));
}

TEST(PresetsFile, ReaderEdgesThatAreAccepted)
{
    tPresets table;
    // Any order of numbers, a last line without its line end, a name of exactly
    // 40 characters followed by blanks, and LF-only line ends.
    const QByteArray content = Line("050.088,500.FM.") + "003.000,999.AM." + QByteArray(40, 'n') + "   \n" +
                               "007.090,000.FM.Tail";
    ASSERT_EQ(Load(content, table), plLoaded);
    EXPECT_EQ(table.UsedCount(), 3);
    EXPECT_EQ(table[3].Name, QString(40, QLatin1Char('n')));
    EXPECT_EQ(table[7].Name, QStringLiteral("Tail"));
}

TEST(PresetsFile, ReadsAtMostOneHundredLines)
{
    // A 101st line, even a broken one, is never read.
    const QByteArray content = HundredLines() + "xyz\r\n";
    tPresets table;
    ASSERT_EQ(Load(content, table), plLoaded);
    EXPECT_EQ(table.UsedCount(), 100);
    EXPECT_DOUBLE_EQ(table[100].Frequency, 97.0);
}

TEST(PresetsFile, ReadingStopsWhereTheFileIsDecided)
{
    // A wrong file picked by mistake (a big recording, say) is judged on its
    // first line, not read whole into memory.
    constexpr qint64 big = qint64(32) << 20;
    TServingDevice wrong(QByteArrayLiteral("RIFF\x01\x02\n"), QByteArray(4096, '\x7f') + '\n', big, false);
    tPresets table;
    EXPECT_EQ(LoadPresetsFile(wrong, table), plCorrupt);
    EXPECT_LT(wrong.served(), qint64(1) << 20);

    // Nothing after the hundredth line is read, so a failure there is no error.
    const QByteArray hundred = HundredLines();
    TServingDevice failsLater(hundred, QByteArrayLiteral("more\r\n"), hundred.size() + 7000, true);
    EXPECT_EQ(LoadPresetsFile(failsLater, table), plLoaded);
    EXPECT_EQ(table.UsedCount(), 100);
    // Before the hundredth line it is one.
    TServingDevice failsEarly(hundred.left(hundred.size() / 2), QByteArrayLiteral("x"), hundred.size() / 2, true);
    EXPECT_EQ(LoadPresetsFile(failsEarly, table), plReadError);
}

TEST(PresetsFile, EightBitFilesFromTheOriginalPlatformKeepTheirLetters)
{
    tPresets table;
    ASSERT_EQ(Load(QByteArray("001.101,500.FM.Citt\xE0 \x80uro") + "\r\n", table), plLoaded);
    EXPECT_EQ(table[1].Name, QStringLiteral("Citt\u00E0 \u20ACuro"));
    // Written back as UTF-8, the name padded to 40 characters.
    EXPECT_EQ(Save(table), QByteArray("001.101,500.FM.Citt\xC3\xA0 \xE2\x82\xACuro") + QByteArray(30, ' ') + "\r\n");
    // A name that ends in an 8-bit letter keeps it, with or without a line end.
    for (const QByteArray& end : {QByteArray("\r\n"), QByteArray("\n"), QByteArray()}) {
        ASSERT_EQ(Load(QByteArray("001.088,500.FM.Radio Caf\xE9") + end, table), plLoaded);
        EXPECT_EQ(table[1].Name, QStringLiteral("Radio Caf\u00E9")) << end.size();
    }
}

TEST(PresetsFile, ReadErrors)
{
    QTemporaryDir dir;
    tPresets table;
    table[1] = Preset(88.0, 1, QStringLiteral("Kept"));
    EXPECT_EQ(LoadPresetsFile(dir.filePath(QStringLiteral("missing.vxp")), table), plReadError);
    TFailingDevice device(QIODevice::ReadOnly);
    EXPECT_EQ(LoadPresetsFile(device, table), plReadError);
    EXPECT_EQ(table.UsedCount(), 1);
    EXPECT_EQ(table[1].Name, QStringLiteral("Kept"));
}

TEST(PresetsFile, DecimalMarkUnderBothLocales)
{
    tPresets table;
    table[7] = Preset(88.5, 1, QStringLiteral("Radio One"));
    const QByteArray expected = Line("007.088,500.FM.", "Radio One");
    for (const QLocale& locale : {QLocale::c(), Italian}) {
        TScopedLocale scoped(locale);
        EXPECT_EQ(Save(table), expected) << locale.name().toStdString();
        tPresets read;
        ASSERT_EQ(Load(expected, read), plLoaded) << locale.name().toStdString();
        EXPECT_DOUBLE_EQ(read[7].Frequency, 88.5);
    }
}

TEST(PresetsFile, FailedSaveKeepsThePreviousFile)
{
    QTemporaryDir dir;
    // A name so long that no temporary file can be made beside it.
    const QString path = dir.filePath(QString(250, QLatin1Char('p')));
    WriteFile(path, "old content");

    tPresets table;
    table[1] = Preset(88.5, 1, QStringLiteral("New"));
    EXPECT_FALSE(SavePresetsFile(path, table));
    EXPECT_EQ(ReadFile(path), QByteArray("old content"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    TFailingDevice device(QIODevice::WriteOnly);
    EXPECT_FALSE(SavePresetsFile(device, table));

    // A disk that fills up part-way through the file.
    const QString bank = dir.filePath(QStringLiteral("bank.vxp"));
    ASSERT_TRUE(SavePresetsFile(bank, table));
    for (int n = 2; n <= 60; ++n) table[n] = Preset(88 + n * 0.1, 1, QStringLiteral("Station %1").arg(n));
    EXPECT_EQ(RunWithFileSizeLimit(1000, [&] { return SavePresetsFile(bank, table); }), false);
    EXPECT_EQ(ReadFile(bank), Line("001.088,500.FM.", "New"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(PresetsFile, SaveReplacesTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bank.vxp"));
    tPresets table;
    table[1] = Preset(88.5, 1, QStringLiteral("A"));
    table[2] = Preset(89.5, 1, QStringLiteral("B"));
    ASSERT_TRUE(SavePresetsFile(path, table));
    table[2].Clear();
    ASSERT_TRUE(SavePresetsFile(path, table));
    EXPECT_EQ(ReadFile(path), Line("001.088,500.FM.", "A"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // A table without presets gives an empty file, which reads back empty.
    table.Clear();
    ASSERT_TRUE(SavePresetsFile(path, table));
    tPresets read;
    read[9] = Preset(95.0, 1, QStringLiteral("Mine"));
    EXPECT_EQ(LoadPresetsFile(path, read), plLoaded);
    EXPECT_EQ(read.UsedCount(), 0);
}

TEST(PresetsFile, CallersShowTheirMessagesAsWarnings)
{
    TFakePrompts prompts;
    ShowPresetsLoadError(prompts, plLoaded);
    ShowPresetsLoadError(prompts, plCorrupt);
    ShowPresetsLoadError(prompts, plReadError);
    ShowPresetsWriteError(prompts);
    EXPECT_EQ(prompts.MessageTexts(), (QStringList{QStringLiteral("The presets file is corrupt"),
                                                   QStringLiteral("Read error or disk not ready"),
                                                   QStringLiteral("Presets write error")}));
    EXPECT_EQ(prompts.beeps, 3);
    for (const auto& call : prompts.calls) {
        EXPECT_EQ(call.Title, QStringLiteral("Warning"));
        EXPECT_EQ(call.Icon, tPromptIcon::Warning);
    }
}

TEST(PresetsFile, StoredFileIsRewrittenByteForByteUnderEitherLocale)
{
    const QByteArray stored = ReadFile(QStringLiteral(VANTORO_TEST_DATA "/sample.vxp"));
    ASSERT_FALSE(stored.isEmpty());
    for (const QLocale& locale : {QLocale::c(), Italian}) {
        TScopedLocale scoped(locale);
        tPresets table;
        ASSERT_EQ(Load(stored, table), plLoaded);
        EXPECT_EQ(table.UsedCount(), 3);
        EXPECT_EQ(Save(table), stored) << locale.name().toStdString();
    }
}
