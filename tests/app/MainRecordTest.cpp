// Recording from the window: the Record command on a radio device whose USB
// sound passes through the program, a script's timed recording, and the
// command held back where the sound does not pass through.

#include "FakeTray.h"
#include "MainWindowFixture.h"
#include "ScrollingText.h"
#include "ToneSound.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <chrono>
#include <sndfile.h>
#include <thread>

namespace {

// A radio device with a 440 Hz tone for its USB sound, presets 1 and 2,
// recordings going to the test's folder as WAV.
class MainRecordTest : public MainWindowTest {
protected:
    MainRecordTest()
    {
        hw.UsbAudio = [](const QString&) {
            return std::make_unique<TAudioLoop>("tone", "sink", ToneSoundOpener([] { return 440.0; }));
        };
    }
    void WriteRadio(const char* format = "wav")
    {
        const QByteArray text = "[Configuration]\nHardware=8\nPort=1\nVolumeLine=1\nShutDown=1\n[Audio]\nVolume=128\n"
                                "[Presets]\nList=1,2,\nStation01=M 095.000 Classic\nStation02=M 101.700 Harbour\n"
                                "[Recording]\nFolder=" +
                                QFile::encodeName(Folder()) + "\nFormat=" + format + "\n";
        WriteIni(text.constData());
    }
    QString Folder() const { return dir.filePath(QStringLiteral("Recordings/Radio")); }
    QStringList Recorded() const { return QDir(Folder()).entryList(QDir::Files, QDir::Name); }
    // Waits (in real time: the tone plays in real time) for some sound.
    bool WaitForFrames(std::uint64_t frames)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (window->Recording() && window->Recording()->Frames() < frames) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return window->Recording() != nullptr;
    }
    // Frames and peak of a recording.
    static std::pair<sf_count_t, int> Measure(const QString& path)
    {
        SF_INFO info{};
        SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        if (!file) return {-1, 0};
        std::vector<short> samples(std::size_t(info.frames * info.channels));
        sf_readf_short(file, samples.data(), info.frames);
        sf_close(file);
        int peak = 0;
        for (short s : samples) peak = std::max(peak, std::abs(int(s)));
        return {info.frames, peak};
    }
};

} // namespace

TEST_F(MainRecordTest, RecordStartsAndStopsARecordingNamedAfterTheStation)
{
    WriteRadio();
    withTray = true;
    TMainWindow& w = Started();
    w.btRadioClick(2); // Harbour
    ASSERT_TRUE(AllEnabled("Actions_Record"));
    w.Actions_Record();
    ASSERT_NE(w.Recording(), nullptr);
    ASSERT_TRUE(WaitForFrames(TRecorder::Rate / 2));
    w.ClockTimer();
    EXPECT_TRUE(Child<QLabel>(QStringLiteral("icRecord"))->isVisibleTo(&w));
    EXPECT_TRUE(LabelText("icRecord").startsWith(QStringLiteral("\u25CF REC 00:00:0")));
    for (QAction* item : Items("Actions_Record")) EXPECT_TRUE(item->isChecked());
    ASSERT_NE(tray, nullptr);
    EXPECT_TRUE(tray->Tip().startsWith(QStringLiteral("Recording 00:00:00\n"))) << tray->Tip().toStdString();

    // Muted, the radio goes on recording.
    w.Volume_Mute();
    const std::uint64_t muted = w.Recording()->Frames();
    ASSERT_TRUE(WaitForFrames(muted + TRecorder::Rate / 4));
    w.Volume_Mute();

    w.Actions_Record();
    EXPECT_EQ(w.Recording(), nullptr);
    EXPECT_FALSE(Child<QLabel>(QStringLiteral("icRecord"))->isVisibleTo(&w));
    EXPECT_FALSE(tray->Tip().contains(QStringLiteral("Recording")));
    const QString name = QStringLiteral("Harbour - 2024-05-06 07-05.wav");
    ASSERT_EQ(Recorded(), QStringList{name});
    const auto [frames, peak] = Measure(QDir(Folder()).filePath(name));
    EXPECT_GE(frames, sf_count_t(TRecorder::Rate * 3 / 4));
    EXPECT_NEAR(peak, 0.25 * 32767, 200); // the tone at its own level, not the volume's
    EXPECT_EQ(prompts.calls.size(), 0u); // nothing to tell

    // A second recording in the same minute gets a number.
    w.Actions_Record();
    ASSERT_TRUE(WaitForFrames(1));
    w.Actions_Record();
    EXPECT_EQ(Recorded(), (QStringList{QStringLiteral("Harbour - 2024-05-06 07-05 (2).wav"), name}));
}

TEST_F(MainRecordTest, TheCueSheetNamesTheRadioTextThenTheTaggedSongWithItsArtist)
{
    WriteRadio();
    TMainWindow& w = Started();
    w.btRadioClick(1);
    w.Actions_Record();
    ASSERT_NE(w.Recording(), nullptr);
    const QString path = w.Recording()->Path();
    hw.Clock().Wait(3000); // the text names the station
    w.PollRds();
    w.ClockTimer();
    const QString text = Child<TScrollingText>(QStringLiteral("RdsText"))->Text();
    hw.Clock().Wait(20000); // a tagged song
    w.PollRds();
    w.ClockTimer();
    w.ClockTimer();
    const auto state = w.PlayerHost().PlayerState();
    ASSERT_FALSE(text.isEmpty());
    ASSERT_FALSE(state.RdsTitle.isEmpty());
    ASSERT_FALSE(state.RdsArtist.isEmpty());
    w.Actions_Record();

    QFile cue(QFileInfo(path).dir().filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".cue")));
    ASSERT_TRUE(cue.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(cue.readAll());
    const QString first = QStringLiteral("  TRACK 01 AUDIO\r\n    TITLE \"%1\"\r\n    INDEX 01").arg(text);
    const QString second = QStringLiteral("  TRACK 02 AUDIO\r\n    TITLE \"%1\"\r\n    PERFORMER \"%2\"\r\n")
                               .arg(state.RdsTitle, state.RdsArtist);
    EXPECT_TRUE(sheet.contains(first)) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(second)) << sheet.toStdString();
    EXPECT_FALSE(sheet.contains(QStringLiteral("TRACK 03"))) << sheet.toStdString();
}

TEST_F(MainRecordTest, TuningAwayAsksWhetherToStopOrGoOn)
{
    WriteRadio();
    TMainWindow& w = Started();
    w.btRadioClick(1);
    w.Actions_Record();
    ASSERT_NE(w.Recording(), nullptr);

    prompts.choices.push_back(1); // go on recording
    w.btRadioClick(2);
    EXPECT_NE(w.Recording(), nullptr);
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls.back().Text,
              QStringLiteral("Classic is being recorded.\nStop the recording, or go on recording the new station?"));
    w.btRadioClick(1); // asked once a recording
    EXPECT_EQ(prompts.calls.size(), 1u);
    w.Actions_Record();

    w.Actions_Record();
    prompts.choices.push_back(0); // stop
    w.Actions_TuneNext();
    EXPECT_EQ(w.Recording(), nullptr);
    EXPECT_EQ(Recorded().size(), 2u);
}

TEST_F(MainRecordTest, AScriptRecordsAPresetForItsMinutes)
{
    WriteRadio("flac");
    TMainWindow& w = Started();
    const QString script = dir.filePath(QStringLiteral("evening.vxs"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(";Evening\r\nRecord.2000.2.2\r\nOff.2200\r\n");
    file.close();
    prompts.fileNames.push_back(script);
    w.File_LoadScript();
    ASSERT_TRUE(w.ProgOn());

    now = QDateTime(QDate(2024, 5, 6), QTime(20, 0, 5));
    w.ClockTimer();
    ASSERT_NE(w.Recording(), nullptr);
    EXPECT_EQ(w.CurrentPreset(), 2);
    ASSERT_TRUE(WaitForFrames(TRecorder::Rate / 4));
    now = now.addSecs(119);
    w.ClockTimer();
    EXPECT_NE(w.Recording(), nullptr); // a second before its end
    now = now.addSecs(1);
    w.ClockTimer();
    EXPECT_EQ(w.Recording(), nullptr);
    EXPECT_EQ(Recorded(), QStringList{QStringLiteral("Harbour - 2024-05-06 20-00.flac")});
    EXPECT_GT(Measure(QDir(Folder()).filePath(Recorded().value(0))).first, 0);
}

TEST_F(MainRecordTest, ACardWhoseSoundGoesByCableCannotRecordAndSaysWhy)
{
    WriteConfigured("ShutDown=1\n");
    TMainWindow& w = Started();
    EXPECT_TRUE(NoneEnabled("Actions_Record"));
    for (QAction* item : Items("Actions_Record"))
        EXPECT_EQ(item->toolTip(), QStringLiteral("This card's sound goes to the sound card by a cable, not through "
                                                  "Vantoro: record it with the sound card's own recording tools."));
    w.Actions_Record();
    EXPECT_EQ(w.Recording(), nullptr);
}
