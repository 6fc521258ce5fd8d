// The recorder against real files: tones written in every format decode back
// to the same pitch and level, and a failing disk leaves a playable file.

#include "FileSizeLimit.h"
#include "Recorder.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <sndfile.h>
#include <thread>
#include <vector>

namespace {

constexpr int Rate = TRecorder::Rate;

// Interleaved stereo: a different tone on each side, at `amplitude` of full scale.
std::vector<std::int16_t> Tones(double seconds, double left, double right, double amplitude)
{
    const std::size_t frames = std::size_t(seconds * Rate);
    std::vector<std::int16_t> samples(frames * 2);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(i) / Rate;
        samples[2 * i] = std::int16_t(std::lround(32767 * amplitude * std::sin(2 * std::numbers::pi * left * t)));
        samples[2 * i + 1] = std::int16_t(std::lround(32767 * amplitude * std::sin(2 * std::numbers::pi * right * t)));
    }
    return samples;
}

// Feeds the recorder the way the audio thread does, in 10 ms pieces; waits
// for room rather than dropping, so the whole signal is recorded. Stops
// early when the recording ends.
void Feed(TRecorder& recorder, const std::vector<std::int16_t>& samples, int channels)
{
    const std::size_t frames = samples.size() / std::size_t(channels);
    constexpr std::size_t Piece = Rate / 100;
    for (std::size_t at = 0; at < frames && recorder.Recording(); at += Piece) {
        const std::uint64_t before = recorder.Dropped();
        recorder.Write(samples.data() + at * std::size_t(channels), std::min(Piece, frames - at), channels);
        while (recorder.Dropped() != before && recorder.Recording()) { // full: offer it again
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            const std::uint64_t again = recorder.Dropped();
            recorder.Write(samples.data() + at * std::size_t(channels), std::min(Piece, frames - at), channels);
            if (recorder.Dropped() == again) break;
        }
    }
}

struct tDecoded {
    int rate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved
    QString title;
    std::size_t Frames() const { return channels ? samples.size() / std::size_t(channels) : 0; }
};

tDecoded Decode(const QString& path)
{
    tDecoded decoded;
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) return decoded;
    decoded.rate = info.samplerate;
    decoded.channels = info.channels;
    std::vector<float> block(4096 * std::size_t(info.channels));
    for (sf_count_t got; (got = sf_readf_float(file, block.data(), 4096)) > 0;)
        decoded.samples.insert(decoded.samples.end(), block.begin(), block.begin() + got * info.channels);
    if (const char* title = sf_get_string(file, SF_STR_TITLE)) decoded.title = QString::fromUtf8(title);
    sf_close(file);
    return decoded;
}

// The length of the data chunk a WAV file's header gives; -1 without one.
std::int64_t WavDataBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.read(4096);
    const qsizetype data = bytes.indexOf("data");
    if (data < 0 || bytes.size() < data + 8) return -1;
    const auto* size = reinterpret_cast<const unsigned char*>(bytes.constData() + data + 4);
    return std::int64_t(size[0] | size[1] << 8 | size[2] << 16 | std::uint32_t(size[3]) << 24);
}

struct tTone {
    double frequency;
    double rms;
};

// Pitch (from rising zero crossings) and level of one channel between two
// frames, away from the codecs' start-up and padding.
tTone Measure(const tDecoded& decoded, int channel, std::size_t from, std::size_t to)
{
    double sum = 0;
    int crossings = 0;
    std::size_t first = 0, last = 0;
    for (std::size_t i = from; i < to; ++i) {
        const float now = decoded.samples[i * std::size_t(decoded.channels) + std::size_t(channel)];
        sum += double(now) * now;
        const float before = decoded.samples[(i - 1) * std::size_t(decoded.channels) + std::size_t(channel)];
        if (before < 0 && now >= 0) {
            if (crossings == 0) first = i;
            last = i;
            ++crossings;
        }
    }
    const double frequency = crossings > 1 ? (crossings - 1) * double(Rate) / double(last - first) : 0;
    return {frequency, std::sqrt(sum / double(to - from))};
}

class RecorderTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString PathOf(const QString& name) const { return dir.filePath(name); }
};

TEST_F(RecorderTest, ListsFlacFirstAndTheFormatsEveryBuildHas)
{
    const QStringList extensions = TRecorder::Extensions();
    ASSERT_FALSE(extensions.isEmpty());
    EXPECT_EQ(extensions.first(), QStringLiteral("flac"));
    for (const char* always : {"ogg", "wav"}) EXPECT_TRUE(extensions.contains(QLatin1String(always))) << always;
    EXPECT_TRUE(TRecorder::Writable(QStringLiteral("/x/Station - 2026-12-07 20-00.FLAC")));
    EXPECT_FALSE(TRecorder::Writable(QStringLiteral("/x/station.aiff")));
    EXPECT_FALSE(TRecorder::Writable(QStringLiteral("/x/station")));
}

// Every format the library writes here: the left channel's 1 kHz and the
// right's 1.5 kHz at half scale come back at their pitch and level, with the
// station's name in the tags where the format keeps them.
TEST_F(RecorderTest, EveryFormatDecodesBackToTheSameTonesAtTheSameLevel)
{
    const auto tones = Tones(2.0, 1000, 1500, 0.5);
    const double rms = 0.5 / std::sqrt(2.0);
    for (const QString& extension : TRecorder::Extensions()) {
        SCOPED_TRACE(extension.toStdString());
        const QString path = PathOf(QStringLiteral("tone.") + extension);
        TRecorder recorder;
        QString error;
        ASSERT_TRUE(recorder.Open(path, 2, &error, QStringLiteral("Radio Eins"), QStringLiteral("2026-12-07"))) << error.toStdString();
        Feed(recorder, tones, 2);
        ASSERT_TRUE(recorder.Close(&error)) << error.toStdString();
        EXPECT_EQ(recorder.Frames(), tones.size() / 2);
        EXPECT_EQ(recorder.Dropped(), 0u);

        const tDecoded decoded = Decode(path);
        ASSERT_EQ(decoded.rate, Rate);
        ASSERT_EQ(decoded.channels, 2);
        // Lossy codecs pad the start and end by some milliseconds.
        EXPECT_NEAR(double(decoded.Frames()), double(tones.size() / 2), 0.05 * Rate);
        ASSERT_GT(decoded.Frames(), std::size_t(1.5 * Rate));
        const tTone left = Measure(decoded, 0, Rate / 4, Rate * 5 / 4);
        const tTone right = Measure(decoded, 1, Rate / 4, Rate * 5 / 4);
        EXPECT_NEAR(left.frequency, 1000, 5);
        EXPECT_NEAR(right.frequency, 1500, 7.5);
        // The lossless formats to a hundredth of a decibel, the lossy ones to one.
        const bool lossless = extension == QStringLiteral("flac") || extension == QStringLiteral("wav");
        const double decibels = lossless ? 0.01 : 1.0;
        EXPECT_NEAR(20 * std::log10(left.rms / rms), 0, decibels);
        EXPECT_NEAR(20 * std::log10(right.rms / rms), 0, decibels);
        if (QStringList{QStringLiteral("flac"), QStringLiteral("ogg"), QStringLiteral("wav")}.contains(extension)) {
            EXPECT_EQ(decoded.title, QStringLiteral("Radio Eins"));
        }
    }
}

// WAV keeps the samples exactly: the channel conversions are checked to the bit.
TEST_F(RecorderTest, ConvertsBetweenMonoAndStereo)
{
    const std::vector<std::int16_t> stereo{1000, 3000, -2000, -4000, 32767, 32767, -32768, -32768};
    const std::vector<std::int16_t> mono{1000, -2000, 32767, -32768};
    struct tCase {
        int recorded, played;
        std::vector<std::int16_t> in, out;
    } cases[] = {
        {1, 2, stereo, {2000, -3000, 32767, -32768}},
        {2, 1, mono, {1000, 1000, -2000, -2000, 32767, 32767, -32768, -32768}},
        {2, 2, stereo, stereo},
        {1, 1, mono, mono},
    };
    int n = 0;
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.recorded * 10 + c.played);
        const QString path = PathOf(QString(QStringLiteral("conversion%1.wav")).arg(++n));
        TRecorder recorder;
        ASSERT_TRUE(recorder.Open(path, c.recorded, nullptr));
        recorder.Write(c.in.data(), c.in.size() / std::size_t(c.played), c.played);
        ASSERT_TRUE(recorder.Close());
        SF_INFO info{};
        SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(info.channels, c.recorded);
        std::vector<std::int16_t> out(c.out.size() + 8);
        out.resize(std::size_t(sf_read_short(file, out.data(), sf_count_t(out.size()))));
        sf_close(file);
        EXPECT_EQ(out, c.out);
    }
}

TEST_F(RecorderTest, RefusesWithoutTouchingAnyFile)
{
    QFile existing(PathOf(QStringLiteral("taken.flac")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    struct tCase {
        QString path;
        int channels;
        QString says;
    } cases[] = {
        {PathOf(QStringLiteral("taken.flac")), 2, QStringLiteral("File exists")},
        {PathOf(QStringLiteral("song.aiff")), 2, QStringLiteral("Cannot record into a .aiff file here; use one of: flac, ogg")},
        {PathOf(QStringLiteral("six.flac")), 6, QStringLiteral("Cannot record 6 channels.")},
        {PathOf(QStringLiteral("missing/folder.flac")), 2, QStringLiteral("No such file or directory")},
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        TRecorder recorder;
        QString error;
        EXPECT_FALSE(recorder.Open(c.path, c.channels, &error));
        EXPECT_TRUE(error.contains(c.says)) << error.toStdString();
        EXPECT_FALSE(recorder.Recording());
    }
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), "keep me");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("taken.flac")});
}

// A queue that cannot take a piece drops it whole and counts it; everything
// is either in the file or counted as dropped.
TEST_F(RecorderTest, DropsWhatTheQueueCannotHoldAndCountsIt)
{
    const auto tones = Tones(1.0, 440, 440, 0.25);
    TRecorder recorder(1000);
    ASSERT_TRUE(recorder.Open(PathOf(QStringLiteral("drops.wav")), 2, nullptr));
    recorder.Write(tones.data(), 1001, 2); // more than the queue holds at all
    EXPECT_EQ(recorder.Dropped(), 1001u);
    std::size_t offered = 1001;
    for (std::size_t at = 0; at + 480 <= tones.size() / 2; at += 480, offered += 480)
        recorder.Write(tones.data() + 2 * at, 480, 2);
    ASSERT_TRUE(recorder.Close());
    EXPECT_EQ(recorder.Frames() + recorder.Dropped(), offered);
    EXPECT_EQ(Decode(PathOf(QStringLiteral("drops.wav"))).Frames(), recorder.Frames());
}

// A killed program leaves what the header last said: a WAV still being
// written reads back all but its last couple of seconds.
TEST_F(RecorderTest, WavHeaderKeepsUpWhileRecording)
{
    const auto tones = Tones(5.0, 1000, 1000, 0.5);
    TRecorder recorder;
    const QString path = PathOf(QStringLiteral("open.wav"));
    ASSERT_TRUE(recorder.Open(path, 2, nullptr));
    Feed(recorder, tones, 2);
    ASSERT_TRUE(WaitFor([&] { return recorder.Frames() == tones.size() / 2; }));
    // What the header says, as a player that trusts it reads it (the
    // library itself would fall back on the file's length).
    const std::int64_t said = WavDataBytes(path);
    EXPECT_GE(said, 3 * Rate * 4);
    EXPECT_LE(said, 5 * Rate * 4);
    EXPECT_TRUE(recorder.Close());
    EXPECT_EQ(Decode(path).Frames(), tones.size() / 2);
}

// A disk that fills (a file size limit in a child process): the recording
// ends with the system's reason, and the file holds the tone up to there.
TEST_F(RecorderTest, FullDiskEndsTheRecordingWithAPlayableFile)
{
    const auto tones = Tones(20.0, 1000, 1000, 0.5);
    // Limits that hold a second or more of each format's tone.
    const struct {
        const char* extension;
        rlim_t limit;
    } cases[] = {{"wav", 300 * 1024}, {"flac", 64 * 1024}, {"ogg", 16 * 1024}};
    for (const auto& [extension, limit] : cases) {
        SCOPED_TRACE(extension);
        const QString path = PathOf(QStringLiteral("full.") + QLatin1String(extension));
        const auto done = RunWithFileSizeLimit(limit, [&] {
            TRecorder recorder;
            if (!recorder.Open(path, 2, nullptr)) return false;
            Feed(recorder, tones, 2);
            if (!WaitFor([&] { return !recorder.Recording(); })) return false;
            QString error;
            return !recorder.Close(&error) && error.contains(QStringLiteral("File too large")) && recorder.Frames() > 0;
        });
        ASSERT_TRUE(done.has_value());
        EXPECT_TRUE(*done);
        const tDecoded decoded = Decode(path);
        ASSERT_EQ(decoded.channels, 2);
        ASSERT_GT(decoded.Frames(), std::size_t(Rate / 2));
        EXPECT_LT(decoded.Frames(), tones.size() / 2);
        // A WAV header finalised to what was written.
        if (QLatin1String(extension) == QLatin1String("wav")) {
            EXPECT_EQ(WavDataBytes(path) / 4, std::int64_t(decoded.Frames()));
        }
        const tTone tone = Measure(decoded, 0, Rate / 4, decoded.Frames() - Rate / 10);
        EXPECT_NEAR(tone.frequency, 1000, 5);
        EXPECT_NEAR(20 * std::log10(tone.rms / (0.5 / std::sqrt(2.0))), 0, 0.5);
    }
}

TEST_F(RecorderTest, RemovedFolderEndsTheRecording)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("gone")));
    const auto tones = Tones(4.0, 1000, 1000, 0.5);
    TRecorder recorder;
    ASSERT_TRUE(recorder.Open(PathOf(QStringLiteral("gone/radio.flac")), 2, nullptr));
    ASSERT_TRUE(QDir(PathOf(QStringLiteral("gone"))).removeRecursively());
    Feed(recorder, tones, 2);
    ASSERT_TRUE(WaitFor([&] { return !recorder.Recording(); }));
    QString error;
    EXPECT_FALSE(recorder.Close(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("was removed, or its folder"))) << error.toStdString();
}

} // namespace
