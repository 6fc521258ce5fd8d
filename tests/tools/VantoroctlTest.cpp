// vantoroctl as a user runs it: exit codes, outputs and the trace.

#include "PtyPair.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <initializer_list>
#include <sys/io.h>
#include <sys/stat.h>

namespace
{
struct TRun {
    int code = -1;
    QString out, err;
};

// The user's folders of these runs: no settings file unless a test writes one.
const QTemporaryDir& Home()
{
    static const QTemporaryDir home;
    return home;
}

// One word of a command line, written as a plain string or a QString.
struct TArg {
    TArg(const char* text) : word(QString::fromUtf8(text)) {}
    TArg(const QString& text) : word(text) {}
    QString word;
};

struct TArgs : QStringList {
    TArgs() = default;
    TArgs(const QStringList& words) : QStringList(words) {}
    TArgs(std::initializer_list<TArg> words)
    {
        for (const TArg& w : words)
            append(w.word);
    }
};

TRun Ctl(const TArgs& args, const QString& lang = QStringLiteral("C"),
         const QString& language = QStringLiteral("en"))
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), lang);
    env.insert(QStringLiteral("LANGUAGE"), language);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), Home().filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), Home().filePath(QStringLiteral("data")));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VANTOROCTL), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QString WriteFile(const QString& path, const QByteArray& text)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(text);
    return path;
}

// 0.6 s of silence as an I/Q recording: no station in it.
QString SilentRecording(const QTemporaryDir& dir)
{
    return WriteFile(dir.filePath(QStringLiteral("band.cu8")), QByteArray(2 * 614400, char(128)));
}

QStringList Lines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

TEST(Vantoroctl, TunesTheEmulatedRadioTrackAndTracesTheWord)
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("t.txt"));
    const TRun r = Ctl(
        {"--simulate", "--trace", trace, "--model", "RadioTrack", "--port", "1", "tune", "95.01"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("095.000\n"));

    const QStringList lines = Lines(trace);
    // Opening writes 00 D8; tuning writes 96 clock writes, then 00 and D8.
    ASSERT_EQ(lines.size(), 2 + 96 + 2);
    const std::uint32_t n = 10486188 + 3800;
    for (int bit = 0; bit < 24; ++bit) {
        const bool one = (n >> bit) & 1;
        EXPECT_EQ(lines[2 + 4 * bit],
                  one ? QStringLiteral("out 030C 05") : QStringLiteral("out 030C 01"));
        EXPECT_EQ(lines[2 + 4 * bit + 3],
                  one ? QStringLiteral("out 030C 07") : QStringLiteral("out 030C 03"));
    }
    EXPECT_EQ(lines[98], QStringLiteral("out 030C 00"));
    EXPECT_EQ(lines[99], QStringLiteral("out 030C D8"));
}

TEST(Vantoroctl, PrintsFrequenciesWithTheUsersDecimalMark)
{
    const TRun r = Ctl({"--simulate", "tune", "95,01"}, QStringLiteral("it_IT.UTF-8"));
    if (r.code == 0 && r.out == QStringLiteral("095.000\n"))
        GTEST_SKIP() << "the Italian locale is not installed here";
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("095,000\n"));
}

TEST(Vantoroctl, RunsCommandsInOrderOnOneCard)
{
    const TRun r = Ctl({"--simulate", "--volume", "128", "tune", "95", "signal", "tune", "101.7",
                        "signal", "up", "mute", "status"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList out = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(out.size(), 4);
    EXPECT_EQ(out[1], QStringLiteral("Stereo"));
    EXPECT_EQ(out[3], QStringLiteral("Mono"));
    EXPECT_TRUE(r.out.contains(QStringLiteral("volume: 144")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("muted: yes")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("frequency: 101.700")));
}

TEST(Vantoroctl, WithoutPortAccessExitsThreeAndSaysWhatToDo)
{
    const TRun r = Ctl({"--model", "RadioTrack", "tune", "95"});
    if (r.code == 0) GTEST_SKIP() << "this machine grants port access";
    EXPECT_EQ(r.code, 3);
    // A capability helps only where the kernel has port I/O at all.
    const bool kernelHasPortIo = ioperm(0x30C, 1, 0) == 0 || errno != ENOSYS;
    EXPECT_EQ(r.err.contains(QStringLiteral("CAP_SYS_RAWIO")), kernelHasPortIo)
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("--simulate"))) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
}

TEST(Vantoroctl, HelpAndVersionExitZeroAndUsageErrorsExitTwo)
{
    const TRun help = Ctl({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* command :
         {"presets", "script", "settings", "archive", "rds", "scan", "status", "--version"})
        EXPECT_TRUE(help.out.contains(QLatin1String(command))) << command;
    EXPECT_EQ(Ctl({"-h"}).out, help.out);
    const TRun version = Ctl({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("vantoroctl "))) << version.out.toStdString();
    EXPECT_EQ(Ctl({}).code, 2);
    EXPECT_EQ(Ctl({"--simulate", "fly"}).code, 2);
    EXPECT_EQ(Ctl({"--model", "Nonesuch", "status"}).code, 2);
    EXPECT_EQ(Ctl({"--model", "10", "status"}).code, 2);
    EXPECT_EQ(Ctl({"--simulate", "--port", "3", "status"}).code, 2);
    EXPECT_EQ(Ctl({"--simulate", "tune"}).code, 2);
    for (const char* volume : {"257", "-16"})
        EXPECT_EQ(Ctl({"--simulate", "--volume", volume, "status"}).code, 2) << volume;
    for (const char* volume : {"300", "-1"})
        EXPECT_EQ(Ctl({"--simulate", "volume", volume}).code, 2) << volume;
    EXPECT_EQ(Ctl({"--simulate", "--port", "0", "status"}).code, 2);
    for (const char* text : {"abc", "nan", "inf"})
        EXPECT_EQ(Ctl({"--simulate", "tune", text}).code, 2) << text;
    const TRun am = Ctl({"--simulate", "--band", "am", "tune", "0.6"});
    EXPECT_EQ(am.code, 2);
    EXPECT_TRUE(am.err.contains(QStringLiteral("no AM band"))) << am.err.toStdString();
}

TEST(Vantoroctl, ModelCodesAndNamesAreInterchangeable)
{
    const TRun byName = Ctl({"--simulate", "--model", "ra300", "status"});
    const TRun byCode = Ctl({"--simulate", "--model", "2", "status"});
    ASSERT_EQ(byName.code, 0) << byName.err.toStdString();
    EXPECT_EQ(byName.out, byCode.out);
    EXPECT_TRUE(byName.out.contains(QStringLiteral("Reveal RA300")));
    const TRun models = Ctl({"models"});
    EXPECT_EQ(models.code, 0);
    EXPECT_EQ(models.out.count(QLatin1Char('\n')), 9);
}

TEST(Vantoroctl, ScriptCheckAndShow)
{
    QTemporaryDir dir;
    auto write = [&dir](const char* name, const QByteArray& text) {
        return WriteFile(dir.filePath(QLatin1String(name)), text);
    };
    const QString good =
        write("Morning.vxs", ";Morning\r\nMute off.0645\r\nVolume.0646.12\r\n"
                             "Jump to.0647.098,500.FM.ST\r\nBeep.0700.3.5000.300\r\n"
                             "Preset.0715.7.MN\r\nOff.0800\r\nRecord.2000.7.120\r\n");
    for (const char* lang : {"C", "it_IT.UTF-8"}) {
        const TRun check = Ctl({"script", "check", good}, QLatin1String(lang));
        EXPECT_EQ(check.code, 0) << check.err.toStdString();
        EXPECT_TRUE(check.out.isEmpty());
    }
    const TRun show = Ctl({"script", "show", good});
    ASSERT_EQ(show.code, 0) << show.err.toStdString();
    EXPECT_EQ(
        show.out,
        QStringLiteral("Morning\n06:45 Mute off\n06:46 Volume 12\n06:47 Jump to 098.500 FM ST\n"
                       "07:00 Beep 3 5000 300\n07:15 Preset 7 MN\n08:00 Off\n"
                       "20:00 Record 7 120 min\n"));

    const QString late = write("late.vxs", ";T\r\nOff.0800\r\nMute on.0700\r\n");
    const TRun bad = Ctl({"script", "check", late});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_TRUE(bad.err.contains(QStringLiteral("line 3"))) << bad.err.toStdString();

    EXPECT_EQ(Ctl({"script", "show", dir.filePath(QStringLiteral("none.vxs"))}).code, 2);
}

TEST(Vantoroctl, ArchiveShowPrintsTheTreeInEitherDecimalMarkAndTellsFailures)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Vantoro.db"));
    auto write = [&file](const QByteArray& text) { WriteFile(file, text); };
    const TArgs show{"archive", "show", file};
    const TRun missing = Ctl(show);
    EXPECT_EQ(missing.code, 2);
    EXPECT_TRUE(missing.err.contains(file)) << missing.err.toStdString();
    for (const char* mark : {",", "."}) {
        write(QByteArray("[Archive]\nRows=2\nRow1=1 4 0 X 000") + mark +
              "000 Morning\nRow2=2 7 4 M 088" + mark + "500 City FM\n");
        for (const char* lang : {"C", "it_IT.UTF-8"}) {
            const TRun r = Ctl(show, QLatin1String(lang));
            EXPECT_EQ(r.code, 0) << mark << lang << r.err.toStdString();
            const QString f = QLatin1String(lang) == QLatin1String("C") ? QStringLiteral("088.500")
                                                                        : QStringLiteral("088,500");
            EXPECT_EQ(r.out, QStringLiteral("Morning/\n  City FM  ") + f + QStringLiteral(" FM\n"))
                << mark << lang;
        }
    }
    write("[Archive]\nRows=2\nRow1=1 4 0 X 000,000 Morning\nRow2=2 seven 4 M 088,500 City FM\n");
    TRun r = Ctl(show);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, QString());
    EXPECT_TRUE(r.err.contains(QStringLiteral("Row2"))) << r.err.toStdString();
    // The tree is shown; the rows it cannot take are named.
    write("[Archive]\nRows=2\nRow1=2 5 0 M 090,000 S\nRow2=2 6 5 M 090,000 Under\nRow3=1 7 0 X 0 "
          "Late\n");
    r = Ctl(show);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, QStringLiteral("S  090.000 FM\n"));
    EXPECT_EQ(r.err, file + QStringLiteral(": 2 rows that the tree cannot take (1 beyond the "
                                           "\"Rows\" count, 1 under a station):\n"
                                           "  Row2 (under a station): 2 6 5 M 090,000 Under\n"
                                           "  Row3 (beyond the \"Rows\" count): 1 7 0 X 0 Late\n"));
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    EXPECT_EQ(Ctl(show).code, 2);
}

TEST(Vantoroctl, DrivesTheEmulatedRadioDeviceByPortOrByDevice)
{
    const TRun byPort =
        Ctl({"--simulate", "--model", "V4L2", "--port", "1", "tune", "95.0", "signal"});
    ASSERT_EQ(byPort.code, 0) << byPort.err.toStdString();
    EXPECT_EQ(byPort.out, QStringLiteral("095.000\nStereo\n"));
    const TRun byDevice = Ctl({"--simulate", "--device", "/dev/radio0", "tune", "101.7", "signal"});
    EXPECT_EQ(byDevice.out, QStringLiteral("101.700\nMono\n"));
    const TRun missing = Ctl({"--simulate", "--device", "/dev/radio7", "status"});
    EXPECT_EQ(missing.code, 3);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("/dev/radio7"))) << missing.err.toStdString();
}

TEST(Vantoroctl, UsesTheProgramsCardAndReadsARadioDevicesStatusWithoutSettingIt)
{
    const QDir config(Home().filePath(QStringLiteral("config/vantoro")));
    ASSERT_TRUE(config.mkpath(QStringLiteral(".")));
    const QString ini = WriteFile(config.filePath(QStringLiteral("Vantoro.ini")),
                                  "[Configuration]\nHardware=8\nPort=1\n");
    const QString trace = Home().filePath(QStringLiteral("status.txt"));
    const TRun r = Ctl({"--simulate", "--trace", trace, "status"});
    const TRun settings = Ctl({"settings", "show"});
    QFile::remove(ini);
    QDir(config).removeRecursively();
    const TRun unset = Ctl({"settings", "show"});
    EXPECT_EQ(unset.code, 0) << "no settings folder yet: the defaults";
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    // The emulated device starts on 88.6 MHz at volume 8 of 15, muted.
    EXPECT_EQ(r.out,
              QStringLiteral(
                  "model: Linux V4L2 radio device\nport: radio device 1 (/dev/radio0)\nband: FM\n"
                  "frequency: 088.600\nvolume: 137\nmuted: yes\n"));
    const QStringList calls = Lines(trace);
    ASSERT_FALSE(calls.isEmpty());
    for (const QString& call : calls)
        EXPECT_FALSE(call.startsWith(QLatin1String("ioctl S_"))) << call.toStdString();
    EXPECT_TRUE(
        settings.out.startsWith(QStringLiteral("# settings file: ") + ini + QLatin1Char('\n')))
        << settings.out.toStdString();
}

TEST(Vantoroctl, ScansWithHardwareSeekOneCallPerStationElseStepByStep)
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("t.txt"));
    const TRun up =
        Ctl({"--simulate", "--trace", trace, "--model", "V4L2", "tune", "87.0", "scan", "up"});
    ASSERT_EQ(up.code, 0) << up.err.toStdString();
    EXPECT_EQ(up.out, QStringLiteral("087.000\n088.600 Stereo\n"));
    EXPECT_EQ(Lines(trace).filter(QStringLiteral("ioctl S_HW_FREQ_SEEK 1 0")).size(), 1);

    const TRun all = Ctl({"--simulate", "--model", "V4L2", "scan", "all"});
    EXPECT_EQ(all.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              QStringList({QStringLiteral("088.600 Stereo"), QStringLiteral("091.350 Mono"),
                           QStringLiteral("095.000 Stereo"), QStringLiteral("098.125 Stereo"),
                           QStringLiteral("101.700 Mono"), QStringLiteral("104.250 Stereo"),
                           QStringLiteral("107.900 Stereo")}));
    const TRun top = Ctl({"--simulate", "--model", "V4L2", "tune", "107.9", "scan", "up"});
    EXPECT_EQ(top.code, 1);
    EXPECT_TRUE(top.out.endsWith(QStringLiteral("no station\n")));

    // A card without hardware seek steps through the band.
    const TRun steps = Ctl({"--simulate", "--model", "radiotrack", "--port", "1", "tune", "100",
                            "scan", "down", "scan", "up"});
    EXPECT_EQ(steps.out, QStringLiteral("100.000\n098.125 Stereo\n101.700 Mono\n"));
}

TEST(Vantoroctl, PrintsRdsFromTheCardAndFromALog)
{
    const TRun card = Ctl({"--simulate", "--model", "V4L2", "--port", "1", "rds", "4"});
    ASSERT_EQ(card.code, 0) << card.err.toStdString();
    // The emulated station's clock is the machine's: only its form is known.
    QStringList lines = card.out.split(QLatin1Char('\n'));
    const auto clock = std::find_if(lines.begin(), lines.end(), [](const QString& l) {
        return l.startsWith(QLatin1String("CT "));
    });
    ASSERT_NE(clock, lines.end()) << card.out.toStdString();
    EXPECT_TRUE(
        QRegularExpression(
            QStringLiteral("^CT \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:00([+-]\\d\\d:\\d\\d|Z)$"))
            .match(*clock)
            .hasMatch())
        << clock->toStdString();
    lines.erase(clock);
    EXPECT_EQ(lines.join(QLatin1Char('\n')),
              QStringLiteral("PI C000\nPTY 10 Pop music\nTP on\nTA off\nAF 98.6\n"
                             "PS Harbour \nRT Harbour FM on 88.6 MHz\n"));

    struct Case {
        const char* file;
        const char* out;
    };
    const Case logs[] = {
        {"name-0a-text-cr.spy",
         "PI D3C2\nPTY 10 Pop music\nTP off\nTA off\nPS ANTENNE \nRT Hello from the valley\n"
         "PS BAYERN  \n"},
        {"rtplus-clock-af.spy",
         "PI 2F11\nPTY 10 Pop music\nTP on\nTA off\nAF 87.6 88.5 107.5\nPS PLUS FM \n"
         "CT 2000-01-01T18:45:00-05:00\nRT Now: Blue Monday by New Order\n"
         "RT+ title=Blue Monday artist=New Order\nTA on\n"},
    };
    for (const Case& c : logs) {
        const TRun log =
            Ctl({"rds", "--hex",
                 QStringLiteral(VANTORO_TEST_DATA "/rds/") + QString::fromLatin1(c.file)});
        ASSERT_EQ(log.code, 0) << log.err.toStdString();
        EXPECT_EQ(log.out, QString::fromUtf8(c.out)) << c.file;
    }
    // In North America the programme types have the other table's names.
    const TRun american =
        Ctl({"rds", "--hex", QStringLiteral(VANTORO_TEST_DATA "/rds/rtplus-clock-af.spy")},
            QStringLiteral("en_US.UTF-8"));
    EXPECT_TRUE(american.out.contains(QLatin1String("\nPTY 10 Country\n")))
        << american.out.toStdString();
    EXPECT_EQ(Ctl({"rds", "--hex", "/nonexistent"}).code, 2);
}

TEST(Vantoroctl, FrequenciesArePlainDecimalNumbersInTheUsersMarkOrWithADot)
{
    const QString german = QStringLiteral("de_DE.UTF-8");
    for (const char* text : {"98.125", "98,125"}) {
        const TRun r = Ctl({"--simulate", "tune", text}, german);
        EXPECT_EQ(r.code, 0) << text;
        EXPECT_EQ(r.out, QStringLiteral("098,125\n")) << text;
    }
    EXPECT_EQ(Ctl({"--simulate", "tune", "98.125"}).out, QStringLiteral("098.125\n"));
    for (const char* text :
         {"98,125", "1,098.5", "1e2", "-95", "+95", " 95", "95.", ".5", "0x60"}) {
        const TRun r = Ctl({"--simulate", "tune", text});
        EXPECT_EQ(r.code, 2) << text;
        EXPECT_TRUE(r.out.isEmpty()) << text;
    }
    EXPECT_EQ(Ctl({"--simulate", "tune", "1.098,5"}, german).code, 2);
}

TEST(Vantoroctl, TheWholeCommandLineIsCheckedBeforeTheCardIsTouched)
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("t.txt"));
    const TRun r = Ctl({"--simulate", "--trace", trace, "tune", "95", "bogus"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(Lines(trace).isEmpty());

    // A trace that cannot be written is an error, not a run without one.
    EXPECT_EQ(Ctl({"--simulate", "--trace", "/dev/full", "tune", "95"}).code, 2);
}

TEST(Vantoroctl, AFrequencyOutsideTheBandAndATooLongRdsTimeAreUsageErrors)
{
    const struct {
        TArgs args;
        const char* said;
    } rows[] = {
        {{"--simulate", "tune", "95", "tune", "999"},
         "999.000 MHz is outside the Radiotrack's FM band (087.000 to 108.000 MHz)"},
        {{"--simulate", "tune", "86.9"}, "outside"},
        {{"--simulate", "rds", "99999999999"},
         "rds takes a number of seconds from 0 to 86400, not 99999999999"},
        {{"--simulate", "rds", "86401"}, "from 0 to 86400"},
    };
    for (const auto& row : rows) {
        const TRun r = Ctl(row.args);
        const std::string name = row.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.code, 2) << name;
        EXPECT_EQ(r.out, QString()) << name << " ran a command";
        EXPECT_TRUE(r.err.contains(QLatin1String(row.said))) << name << ": " << r.err.toStdString();
    }
    // The band's own limit is a frequency like any other.
    EXPECT_EQ(Ctl({"--simulate", "tune", "108"}).code, 0);
}

TEST(Vantoroctl, TheCardStartsOnTheBandGivenAndInTheAudioStateAsked)
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("t.txt"));
    const TRun r = Ctl({"--simulate", "--trace", trace, "signal", "status"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("band: FM")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("muted: no")));
    EXPECT_TRUE(Lines(trace).contains(QStringLiteral("out 030C F8")))
        << "the signal check must ask the card";
    EXPECT_EQ(Lines(trace).mid(0, 2),
              (QStringList{QStringLiteral("out 030C 00"), QStringLiteral("out 030C D8")}));

    const TRun muted = Ctl({"--simulate", "--trace", trace, "--muted", "status"});
    ASSERT_EQ(muted.code, 0) << muted.err.toStdString();
    EXPECT_TRUE(muted.out.contains(QStringLiteral("muted: yes")));
    EXPECT_EQ(Lines(trace),
              (QStringList{QStringLiteral("out 030C 00"), QStringLiteral("out 030C D0")}));
}

TEST(Vantoroctl, SerialDevicesFollowTheSettingsFileOrTheDeviceOption)
{
    // A copy of the tool in a folder of its own, whose settings file maps COM5.
    QTemporaryDir dir;
    const QString tool = dir.filePath(QStringLiteral("vantoroctl"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTOROCTL), tool));
    WriteFile(dir.filePath(QStringLiteral("Vantoro.ini")),
              "[Serial]\nCom5=/nonexistent/usb-adapter\n");
    auto run = [&](const TArgs& args) {
        QProcess p;
        p.start(tool, args);
        p.waitForFinished(30000);
        return TRun{p.exitCode(), QString(), QString::fromLocal8Bit(p.readAllStandardError())};
    };
    const TArgs wizard{"--model", "wizard", "--port", "5"};
    const TRun mapped = run(wizard + TArgs{"status"});
    EXPECT_EQ(mapped.code, 3);
    EXPECT_TRUE(mapped.err.contains(QStringLiteral("/nonexistent/usb-adapter")))
        << mapped.err.toStdString();
    const TRun given = run(wizard + TArgs{"--device", "/nonexistent/given", "status"});
    EXPECT_EQ(given.code, 3);
    EXPECT_TRUE(given.err.contains(QStringLiteral("/nonexistent/given")))
        << given.err.toStdString();
    EXPECT_EQ(run({"--model", "radiotrack", "--device", "/dev/null", "status"}).code, 2)
        << "the ISA cards have no device";
}

TEST(Vantoroctl, SettingsShowPrintsAnUnsetModelAsTheProgramSeesIt)
{
    QTemporaryDir dir;
    const TRun r = Ctl({"settings", "show", dir.path()});
    ASSERT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("Configuration/Hardware=0\n")))
        << r.out.toStdString();
}

// A file that says it is empty but fails to read is a read error with the
// system's reason, never an empty or a wrong file.
TEST(Vantoroctl, AFileThatFailsToReadIsExitTwoWithTheReason)
{
    const QString mem = QStringLiteral("/proc/self/mem");
    const TArgs commands[] = {
        {"presets", "check", mem}, {"script", "check", mem}, {"rds", "--hex", mem}};
    const QString reason = QString::fromLocal8Bit(std::strerror(EIO));
    for (const TArgs& args : commands) {
        const TRun r = Ctl(args);
        const std::string name = args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.code, 2) << name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(reason)) << name << ": " << r.err.toStdString();
        EXPECT_EQ(r.out, QString()) << name;
    }
}

TEST(Vantoroctl, EveryFileCommandRefusesAFifoOrADeviceAtOnceOnStderr)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.vxp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& node : {fifo, QStringLiteral("/dev/zero")}) {
        // The settings file of a folder of its own is a link to the node.
        const QString settingsDir =
            dir.filePath(QStringLiteral("settings-") + QFileInfo(node).fileName());
        ASSERT_TRUE(QDir().mkpath(settingsDir));
        QFile::link(node, settingsDir + QStringLiteral("/Vantoro.ini"));
        const struct {
            TArgs args;
            int code;
        } rows[] = {{{"presets", "check", node}, 2},
                    {{"presets", "show", node}, 2},
                    {{"presets", "copy", node, dir.filePath(QStringLiteral("o.vxp"))}, 2},
                    {{"script", "check", node}, 2},
                    {{"script", "show", node}, 2},
                    {{"archive", "show", node}, 2},
                    {{"rds", "--hex", node}, 2},
                    {{"--simulate", "--stations", node, "status"}, 2},
                    {{"settings", "show", settingsDir}, 0}};
        for (const auto& row : rows) {
            const std::string name = row.args.join(QLatin1Char(' ')).toStdString();
            QElapsedTimer timer;
            timer.start();
            const TRun r = Ctl(row.args);
            EXPECT_LT(timer.elapsed(), 5000) << name; // a blocked open never returns
            EXPECT_EQ(r.code, row.code) << name << ": " << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(QStringLiteral("not a regular file")))
                << name << ": " << r.err.toStdString();
            if (row.code != 0) {
                EXPECT_EQ(r.out, QString()) << name;
            }
        }
    }

    // Every error goes to stderr, stdout holds only results.
    const QString bad =
        WriteFile(dir.filePath(QStringLiteral("bad.vxp")), "001.088,500.XX.Wrong band\r\n");
    TRun r = Ctl({"presets", "check", bad});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, QString());
    EXPECT_TRUE(r.err.contains(QStringLiteral("The presets file is corrupt")))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("line 1: the band must be FM or AM")))
        << r.err.toStdString();
    // Nothing but a regular file is replaced by a save; the FIFO stays one.
    const QString good =
        WriteFile(dir.filePath(QStringLiteral("good.vxp")), "001.088,500.FM.Harbour\r\n");
    r = Ctl({"presets", "check", good});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("1 preset\n"));
    r = Ctl({"presets", "copy", good, fifo});
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(r.out, QString());
    EXPECT_TRUE(r.err.contains(QStringLiteral("Presets write error"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("not a regular file"))) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

TEST(Vantoroctl, AReceiverThatGoesAwayEndsTheScanWithExitThree)
{
    TPtyPair pty;
    ASSERT_TRUE(pty.Valid());
    QProcess p;
    p.start(QStringLiteral(VANTOROCTL),
            {QStringLiteral("--model"), QStringLiteral("wizard"), QStringLiteral("--device"),
             pty.SlavePath(), QStringLiteral("scan"), QStringLiteral("up")});
    // The scan is under way once its first frames arrive; then the line goes.
    ASSERT_FALSE(pty.Read(8).isEmpty());
    pty.CloseMaster();
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(p.exitCode(), 3);
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("stopped answering"))) << err.toStdString();
}

namespace
{

// rtl_tcp_sim on a free port, killed and reaped on every path.
class TRtlTcpSim
{
public:
    explicit TRtlTcpSim(const QStringList& args = {})
    {
        process_.start(QStringLiteral(RTL_TCP_SIM), args);
        if (process_.waitForReadyRead(10000))
            port_ = QString::fromLatin1(process_.readLine()).trimmed().toInt();
    }
    ~TRtlTcpSim()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }
    QString Source() const { return QStringLiteral("rtl_tcp:127.0.0.1:%1").arg(port_); }
    int Port() const { return port_; }

private:
    QProcess process_;
    int port_ = 0;
};

} // namespace

TEST(VantoroctlSdr, TunesHearsAndRecordsFromAnRtlTcpServer)
{
    TRtlTcpSim server;
    ASSERT_GT(server.Port(), 0);
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("out.wav"));
    const TRun r = Ctl({"--model", "SDR", "--device", server.Source(), "--deemphasis", "50", "tune",
                        "88.6", "signal", "tune", "91.35", "signal", "tune", "90", "signal",
                        "record", wav, "1", "status"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList out = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(out.size(), 7);
    EXPECT_EQ(out.mid(0, 7), (QStringList{QStringLiteral("088.600"), QStringLiteral("Stereo"),
                                          QStringLiteral("091.350"), QStringLiteral("Mono"),
                                          QStringLiteral("090.000"), QStringLiteral("?????"),
                                          wav + QStringLiteral(": 1.00 s")}));
    EXPECT_TRUE(
        r.out.contains(QStringLiteral("port: the source setting (%1)").arg(server.Source())));
    // A header of a few chunks, then one second of 48 kHz 16-bit stereo.
    const qint64 header = QFileInfo(wav).size() - 48000 * 4;
    EXPECT_GE(header, 44);
    EXPECT_LT(header, 256);
}

TEST(VantoroctlSdr, ASourceThatGoesEndsWithStatusThreeAndOneLine)
{
    struct tCase {
        const char* name;
        TArgs serverArgs;
        const char* said;
    };
    for (const tCase& c :
         {tCase{"closes", {"--close-after", "0.5"}, "closed the connection."},
          tCase{"stalls", {"--stall-after", "0.5"}, "sent no samples for 2 seconds."},
          tCase{"wrong header", {"--bad-header"}, "does not begin with \"RTL0\""}}) {
        SCOPED_TRACE(c.name);
        TRtlTcpSim server(c.serverArgs);
        ASSERT_GT(server.Port(), 0);
        const TRun r =
            Ctl({"--model", "sdr", "--device", server.Source(), "tune", "95", "rds", "10"});
        EXPECT_EQ(r.code, 3);
        const QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << r.err.toStdString();
        EXPECT_TRUE(lines[0].startsWith(QLatin1String("vantoroctl: "))) << r.err.toStdString();
        EXPECT_TRUE(lines[0].contains(QLatin1String(c.said))) << r.err.toStdString();
    }
}

TEST(VantoroctlSdr, RefusesWrongOptionsBeforeAnythingOpens)
{
    struct tCase {
        TArgs args;
        const char* said;
    };
    const std::vector<tCase> cases = {
        {{"--sample-rate", "1000000"}, "--sample-rate takes one of"},
        {{"--gain", "loud"}, "--gain takes auto or a value in dB"},
        {{"--deemphasis", "60"}, "--deemphasis takes 50 or 75"},
        {{"--device", "rtl_tcp:host"}, "rtl_tcp:HOST:PORT"},
        {{"--device", "rtlsdr:x"}, "rtlsdr:N"},
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const TRun r = Ctl(TArgs{"--model", "SDR"} + c.args + TArgs{"signal"});
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.err.contains(QLatin1String(c.said))) << r.err.toStdString();
    }
    const TRun other = Ctl({"--simulate", "record", "x.wav", "1"});
    EXPECT_EQ(other.code, 2);
    EXPECT_TRUE(other.err.contains(QLatin1String("record goes with the SDR receiver")));
}

// The end of a recording ends the run without fault; the receiver's own
// reason (told from its thread) and a usage error follow the language.
TEST(VantoroctlSdr, TheEndOfARecordingEndsTheRunMessagesFollowTheLanguage)
{
    QTemporaryDir dir;
    const QString iq = SilentRecording(dir);
    const struct {
        const char* language;
        const char* ended;
        const char* badGain;
        const char* usage;
    } cases[] = {
        {"en", "vantoroctl: The I/Q recording ended.\n",
         "--gain takes auto or a value in dB, not \"loud\"", "usage: vantoroctl"},
        {"de", "vantoroctl: Die I/Q-Aufzeichnung ist zu Ende.\n",
         "--gain erwartet auto oder einen Wert in dB, nicht \"loud\"", "Aufruf: vantoroctl"},
        {"fr", "vantoroctl: L'enregistrement I/Q est terminé.\n",
         "--gain attend auto ou une valeur en dB, pas \"loud\"", "usage : vantoroctl"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        const TRun r = Ctl({"--model", "SDR", "--device", iq, "--center", "95.25", "tune", "95",
                            "signal", "rds", "10", "status"},
                           QStringLiteral("C"), QLatin1String(c.language));
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QStringLiteral("095.000\n?????\n"));
        EXPECT_EQ(r.err.toStdString(), c.ended);
        const TRun wrong = Ctl({"--model", "SDR", "--gain", "loud", "signal"}, QStringLiteral("C"),
                               QLatin1String(c.language));
        EXPECT_EQ(wrong.code, 2);
        EXPECT_TRUE(wrong.err.contains(QString::fromUtf8(c.badGain))) << wrong.err.toStdString();
        EXPECT_TRUE(wrong.err.contains(QString::fromUtf8(c.usage))) << wrong.err.toStdString();
    }
}
