// The audio loop on ALSA's null and file plugins, from a private
// configuration, so no sound card is needed.

#include "AudioLoop.h"
#include "TestSupport.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <alsa/asoundlib.h>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr long SourceFrames = 48000;

struct TConfigDelete {
    void operator()(snd_config_t* config) const { snd_config_delete(config); }
};
using TConfig = std::unique_ptr<snd_config_t, TConfigDelete>;

TConfig LoadConfig(const QByteArray& text)
{
    snd_config_t* top = nullptr;
    snd_input_t* input = nullptr;
    EXPECT_EQ(snd_config_top(&top), 0);
    TConfig config(top);
    EXPECT_EQ(snd_input_buffer_open(&input, text.constData(), text.size()), 0);
    EXPECT_EQ(snd_config_load(top, input), 0);
    snd_input_close(input);
    return config;
}

// A stream that answers from a script on its n-th transfer, and otherwise
// passes to the real one; a stalled stream moves nothing.
class TScriptedStream final : public TAudioStream {
public:
    TScriptedStream(std::unique_ptr<TAudioStream> inner, int failAt, long error, std::atomic<bool>* stalled)
        : inner_(std::move(inner)), failAt_(failAt), error_(error), stalled_(stalled)
    {
    }
    long Transfer(std::int16_t* samples, long frames) override
    {
        if (stalled_ && *stalled_) {
            ++stalls;
            return 0;
        }
        if (++calls_ == failAt_) return error_;
        return inner_->Transfer(samples, frames);
    }
    int Wait(int ms) override { return stalled_ && *stalled_ ? 0 : inner_->Wait(ms); }
    int Recover(int error) override { return inner_->Recover(error); }
    static inline std::atomic<int> stalls{0};

private:
    std::unique_ptr<TAudioStream> inner_;
    int calls_ = 0;
    const int failAt_;
    const long error_;
    std::atomic<bool>* stalled_;
};

class AudioLoop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QByteArray ramp;
        for (long i = 0; i < SourceFrames * AudioChannels; ++i) {
            const auto sample = std::int16_t(i % 30011 - 15000);
            ramp.append(reinterpret_cast<const char*>(&sample), sizeof sample);
        }
        QFile in(dir_.filePath(QStringLiteral("in.raw")));
        ASSERT_TRUE(in.open(QIODevice::WriteOnly));
        ASSERT_EQ(in.write(ramp), ramp.size());
        in.close();
        source_ = ramp;
        config_ = LoadConfig("pcm.source { type file slave.pcm { type null } file \"/dev/null\" infile \"" +
                             in.fileName().toUtf8() + "\" format raw }\n"
                             "pcm.sink { type file slave.pcm { type null } file \"" +
                             dir_.filePath(QStringLiteral("out.raw")).toUtf8() + "\" format raw }\n");
    }

    // An opener over the private configuration; the end named `scripted`
    // ("source" or "sink") is wrapped in the script.
    tAudioOpener Opener(const std::string& scripted = {}, int failAt = 0, long error = 0,
                        std::atomic<bool>* stalled = nullptr)
    {
        return [=, this](const std::string& name, bool capture, std::string* why) -> std::unique_ptr<TAudioStream> {
            auto stream = OpenAlsaStream(name, capture, why, config_.get());
            if (stream && name == scripted) return std::make_unique<TScriptedStream>(std::move(stream), failAt, error, stalled);
            return stream;
        };
    }

    QByteArray Played() const
    {
        QFile out(dir_.filePath(QStringLiteral("out.raw")));
        return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    QByteArray source_;
    TConfig config_;
};

TEST_F(AudioLoop, PlaysEveryFrameRecordedAtItsVolumeAndRecoversFromRuns)
{
    const struct {
        const char* name;
        std::string end;
        long error;
        unsigned recoveries;
        int volume = 256;
    } cases[] = {
        {"clean", {}, 0, 0},
        {"playback under-run", "sink", -EPIPE, 1},
        {"playback suspended", "sink", -ESTRPIPE, 1},
        {"capture over-run", "source", -EPIPE, 1},
        {"at a quarter of the volume", {}, 0, 0, 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(dir_.filePath(QStringLiteral("out.raw")));
        TAudioLoop loop("source", "sink", Opener(c.end, 3, c.error));
        loop.SetVolume(c.volume);
        loop.Start();
        ASSERT_TRUE(WaitFor([&] { return loop.Frames() >= SourceFrames || !loop.Running(); }));
        EXPECT_TRUE(loop.Running()) << loop.Error();
        loop.Stop();
        EXPECT_FALSE(loop.Running());
        EXPECT_EQ(loop.Recoveries(), c.recoveries);
        QByteArray expected = source_;
        auto* samples = reinterpret_cast<std::int16_t*>(expected.data());
        for (qsizetype i = 0; i < expected.size() / 2; ++i)
            samples[i] = std::int16_t(samples[i] * c.volume / 256);
        EXPECT_EQ(Played().left(expected.size()), expected) << "frames lost or changed";
    }
}

TEST_F(AudioLoop, FailuresEndTheLoopAndAreKept)
{
    const struct {
        const char* name;
        std::string capture, playback, end;
        long error;
        const char* said;
    } cases[] = {
        {"no such capture device", "nosuch", "sink", {}, 0, "nosuch"},
        {"no such playback device", "source", "nosuch", {}, 0, "nosuch"},
        {"playback device unplugged", "source", "sink", "sink", -ENODEV, "sink: No such device"},
        {"capture device unplugged", "source", "sink", "source", -ENODEV, "source: No such device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TAudioLoop loop(c.capture, c.playback, Opener(c.end, 2, c.error));
        loop.Start();
        ASSERT_TRUE(WaitFor([&] { return !loop.Running(); }));
        EXPECT_NE(loop.Error().find(c.said), std::string::npos) << loop.Error();
        loop.Stop();
    }
}

TEST_F(AudioLoop, StopsWhilePlaybackStallsAndStartsAgain)
{
    std::atomic<bool> stalled{true};
    TAudioLoop loop("source", "sink", Opener("sink", 0, 0, &stalled));
    TScriptedStream::stalls = 0;
    loop.Start();
    ASSERT_TRUE(WaitFor([] { return TScriptedStream::stalls > 0; }));
    loop.Stop(); // must not hang on the stalled device
    EXPECT_EQ(loop.Frames(), 0u);
    EXPECT_FALSE(loop.Running());

    stalled = false;
    loop.Start();
    EXPECT_TRUE(WaitFor([&] { return loop.Frames() > 0; }));
    EXPECT_TRUE(loop.Running()) << loop.Error();
}

} // namespace
