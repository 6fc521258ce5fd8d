#include "PresetsFile.h"
#include "ScriptFile.h"
#include "TestSupport.h"
#include "Translations.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QLocale Italian(QLocale::Italian, QLocale::Italy);

std::uint8_t Load(const QByteArray& content, tScript& script, tScriptFault* fault = nullptr)
{
    QByteArray data = content;
    QBuffer buffer(&data);
    return LoadScriptFile(buffer, script, fault);
}

// A script file: the header, then the action lines, each ended by CR LF.
QByteArray File(std::initializer_list<const char*> lines)
{
    QByteArray text;
    for (const char* line : lines) text += QByteArray(line) + "\r\n";
    return text;
}

const QByteArray Example = File({";Morning", "Mute off.0645", "Volume.0646.12", "Jump to.0647.098,500.FM.ST",
                                 "Beep.0700.3.5000.300", "Preset.0715.7.MN", "Off.0800"});

} // namespace

TEST(ScriptFile, TheExampleLoadsUnderEitherDecimalMark)
{
    for (const QLocale& locale : {QLocale::c(), Italian}) {
        TScopedLocale scoped(locale);
        tScript script;
        ASSERT_EQ(Load(Example, script), slLoaded) << qPrintable(locale.name());
        EXPECT_EQ(script.Title, QStringLiteral("Morning"));
        ASSERT_EQ(script.Count(), 6);
        const zAction& jump = script.At(3);
        EXPECT_EQ(jump.Kind, zJumpTo);
        EXPECT_EQ(jump.Key(), QStringLiteral("0647"));
        EXPECT_DOUBLE_EQ(jump.Frequency, 98.5);
        EXPECT_EQ(jump.Band, 1);
        EXPECT_TRUE(jump.Stereo);
        EXPECT_EQ(script.At(2).Volume, 12);
        EXPECT_EQ(script.At(4).Times, 3);
        EXPECT_EQ(script.At(4).BeepFreq, 5000);
        EXPECT_EQ(script.At(4).MSecs, 300);
        EXPECT_EQ(script.At(5).Preset, 7);
        EXPECT_FALSE(script.At(5).Stereo);
        EXPECT_EQ(script.At(6).Kind, zOff);
    }
}

TEST(ScriptFile, FaultyFilesAreCorruptAtTheirLineAndLeaveTheScriptAlone)
{
    struct Case {
        QByteArray text;
        int line;
        const char* why = nullptr; // checked when given
    };
    const std::vector<Case> cases = {
        {File({"Morning", "Off.0800"}), 1},
        {QByteArray(), 1},
        {File({";T"}), 1},                                  // no actions
        {File({";T", "Off.0800", ""}), 3},                  // blank last line
        {File({";T", "Mute on.730"}), 2},
        {File({";T", "Mute on.07300"}), 2},
        {File({";T", "Mute on.2400"}), 2},
        {File({";T", "Mute on.0760"}), 2},
        {File({";T", "Mute in.0700"}), 2},
        {File({";T", "Mute on"}), 2},
        {File({";T", "Beep.0700.51.5000.300"}), 2},
        {File({";T", "Beep.0700.3.20001.300"}), 2},
        {File({";T", "Beep.0700.3.5000.0"}), 2},
        {File({";T", "Beep.0700.3.5000"}), 2, "the length is missing"},
        {File({";T", "Preset.0700.7"}), 2, "the stereo word (ST or MN) is missing"},
        {File({";T", "Volume.0700"}), 2, "the volume is missing"},
        {File({";T", "Jump to.0700.098.5x0.FM.ST"}), 2, "not a frequency"},
        {File({";T", "Volume.0700.21"}), 2},
        {File({";T", "Preset.0700.0.ST"}), 2},
        {File({";T", "Preset.0700.101.ST"}), 2},
        {File({";T", "Preset.0700.7.XX"}), 2},
        {File({";T", "Jump to.0700.abc.FM.ST"}), 2},
        {File({";T", "Jump to.0700.098,500.FM"}), 2},
        {File({";T", "Record.0700.7"}), 2, "the length in minutes is missing"},
        {File({";T", "Record.0700.7.0"}), 2, "the length in minutes must be a whole number from 1 to 1440"},
        {File({";T", "Record.0700.7.1441"}), 2},
        {File({";T", "Record.0700.101.60"}), 2, "the preset number must be a whole number from 1 to 100"},
        {File({";T", "Record.0700.7.60.ST"}), 2},
        {File({";T", "Recording.0700.7.60"}), 2, "not an action word"},
        {File({";T", "Off.0800", "Mute on.0700"}), 3},      // out of order
        {File({";T", "Mute on.0700", "Off.0700"}), 3},      // two in one minute
        // A line no script has, and a file larger than any script.
        {File({(";" + QByteArray(64 * 1024 + 1, 'T')).constData(), "Off.0800"}), 1},
        {";T\r\n" + QByteArray(1024 * 1024, '\n') + "Off.0800\r\n", 0},
    };
    for (const Case& c : cases) {
        tScript script;
        script.Title = QStringLiteral("kept");
        tScriptFault fault;
        EXPECT_EQ(Load(c.text, script, &fault), slCorrupt) << c.text.constData();
        EXPECT_EQ(fault.Line, c.line) << c.text.constData();
        EXPECT_FALSE(fault.Why.isEmpty());
        if (c.why) {
            EXPECT_EQ(fault.Why, QLatin1String(c.why)) << c.text.constData();
        }
        EXPECT_EQ(script.Title, QStringLiteral("kept"));
        EXPECT_EQ(script.Count(), 0);
    }
}

TEST(ScriptFile, LinesAreTrimmedAndWordsMatchInAnyCase)
{
    tScript script;
    ASSERT_EQ(Load(File({"  ;  Evening", "MUTE ON.0000 ", "", "Volume.0001.0", "Preset.0002.100.st",
                         "jump TO.2359.100.000.fm.St"}),
                   script),
              slLoaded);
    EXPECT_EQ(script.Title, QStringLiteral("  Evening"));
    ASSERT_EQ(script.Count(), 4);
    EXPECT_EQ(script.At(1).Kind, zMuteOn);
    EXPECT_EQ(script.At(1).Key(), QStringLiteral("0000")); // midnight is a time like any other
    EXPECT_EQ(script.At(3).Preset, 100);
    EXPECT_TRUE(script.At(3).Stereo);
    // Band and stereo words are read as they are checked, in any case.
    EXPECT_EQ(script.At(4).Band, 1);
    EXPECT_DOUBLE_EQ(script.At(4).Frequency, 100.0); // written with a "." mark by older copies
    EXPECT_TRUE(script.At(4).Stereo);
}

TEST(ScriptFile, AFileThatIsNotUtf8ReadsAsWindows1252)
{
    tScript script;
    ASSERT_EQ(Load(File({";Citt\xe0", "Off.0800"}), script), slLoaded);
    EXPECT_EQ(script.Title, QStringLiteral("Citt\u00e0"));
}

TEST(ScriptFile, AMissingFileIsAReadError)
{
    tScript script;
    EXPECT_EQ(LoadScriptFile(QStringLiteral("/nonexistent/x.vxs"), script), slReadError);
}

TEST(ScriptFile, WritesTheExampleByteForByte)
{
    TScopedLocale scoped(Italian);
    tScript script;
    ASSERT_EQ(Load(Example, script), slLoaded);
    script.Title = QStringLiteral("  Morning \n");
    tPresets presets;
    presets[7].Used = 1;
    presets[7].Band = 1;
    EXPECT_EQ(ScriptFileText(script, presets), Example);
}

TEST(ScriptFile, TheFileIsTheSameInEveryLanguageAndOnlyTheReasonsAreTranslated)
{
    tScriptFault english;
    tScript ignored;
    ASSERT_EQ(Load(File({";Day", "Mute off.2500"}), ignored, &english), slCorrupt);
    for (const char* language : {"de", "fr", "it", "es"}) {
        ASSERT_TRUE(UseLanguage(QLatin1String(language)));
        // The action words are the file's, read and written as they are.
        tScript script;
        EXPECT_EQ(Load(Example, script), slLoaded) << language;
        tPresets presets;
        presets[7].Used = 1;
        presets[7].Band = 1;
        EXPECT_EQ(ScriptFileText(script, presets), Example) << language;
        tScriptFault fault;
        EXPECT_EQ(Load(File({";Day", "Mute off.2500"}), ignored, &fault), slCorrupt) << language;
        EXPECT_EQ(fault.Line, english.Line) << language;
        EXPECT_NE(fault.Why, english.Why) << language;
        EXPECT_FALSE(fault.Why.isEmpty()) << language;
    }
    UseLanguage(QStringLiteral("en"));
}

TEST(ScriptFile, RoundTripKeepsEveryFieldUnderEitherLocale)
{
    for (const QLocale& locale : {QLocale::c(), Italian}) {
        TScopedLocale scoped(locale);
        tScript script;
        script.Title = QStringLiteral("Day");
        auto add = [&](tActionKind kind, int h, int m, auto fill) {
            zAction action = MakeAction(kind, QTime(h, m, 42));
            fill(action);
            script.Actions.push_back(action);
        };
        auto none = [](zAction&) {};
        add(zMuteOff, 0, 0, none);
        add(zBeep, 6, 1, [](zAction& a) { a.Times = 50, a.BeepFreq = 20000, a.MSecs = 1; });
        add(zVolume, 6, 2, [](zAction& a) { a.Volume = 20; });
        add(zJumpTo, 6, 3, [](zAction& a) { a.Frequency = 107.95, a.Stereo = true; });
        add(zJumpTo, 6, 4, [](zAction& a) { a.Band = 0, a.Frequency = 1.602, a.Stereo = true; });
        add(zPreset, 6, 5, [](zAction& a) { a.Preset = 7, a.Stereo = true; });
        add(zPreset, 6, 6, [](zAction& a) { a.Preset = 8, a.Stereo = true; });
        add(zRecord, 6, 7, [](zAction& a) { a.Preset = 9, a.Minutes = 1440; });
        add(zRecord, 20, 0, [](zAction& a) { a.Preset = 100, a.Minutes = 1; });
        add(zMuteOn, 22, 0, none);
        add(zOff, 23, 59, none);

        tPresets presets;
        presets[7].Band = 1;
        presets[8].Band = 0;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Day.vxs"));
        ASSERT_TRUE(SaveScriptFile(path, script, presets));
        tScript back;
        ASSERT_EQ(LoadScriptFile(path, back), slLoaded) << qPrintable(locale.name());

        // An AM jump and a preset on AM come back mono.
        script.Actions[4].Stereo = false;
        script.Actions[6].Stereo = false;
        EXPECT_TRUE(back.SameAs(script)) << ScriptFileText(script, presets).constData();
        EXPECT_EQ(back.At(4).Frequency, 107.95);
        EXPECT_EQ(back.At(4).Time, QTime(6, 3)); // seconds dropped
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        EXPECT_TRUE(text.contains("\r\nPreset.0605.7.ST\r\n"));
        EXPECT_TRUE(text.contains("\r\nRecord.0607.9.1440\r\nRecord.2000.100.1\r\n"));
    }
}
