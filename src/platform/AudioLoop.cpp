#include "AudioLoop.h"

#include <algorithm>
#include <alsa/asoundlib.h>
#include <cerrno>
#include <vector>

namespace {

constexpr long ChunkFrames = 1024;
// How long a wait may take before the loop looks at its stop flag again.
constexpr int WaitMs = 50;
constexpr unsigned LatencyUs = 100000;

class TAlsaStream final : public TAudioStream {
public:
    TAlsaStream(snd_pcm_t* pcm, bool capture) : pcm_(pcm), capture_(capture) {}
    ~TAlsaStream() override { snd_pcm_close(pcm_); }
    TAlsaStream(const TAlsaStream&) = delete;
    TAlsaStream& operator=(const TAlsaStream&) = delete;

    long Transfer(std::int16_t* samples, long frames) override
    {
        const snd_pcm_sframes_t n = capture_ ? snd_pcm_readi(pcm_, samples, snd_pcm_uframes_t(frames))
                                             : snd_pcm_writei(pcm_, samples, snd_pcm_uframes_t(frames));
        return n == -EAGAIN ? 0 : long(n);
    }
    int Wait(int ms) override
    {
        const int result = snd_pcm_wait(pcm_, ms);
        return result < 0 ? result : 0;
    }
    int Recover(int error) override
    {
        const int result = snd_pcm_recover(pcm_, error, 1);
        // A capture device stays prepared until started; playback starts on the first write.
        if (result == 0 && capture_) return snd_pcm_start(pcm_);
        return result;
    }
    int Start() { return capture_ ? snd_pcm_start(pcm_) : 0; }

private:
    snd_pcm_t* pcm_;
    bool capture_;
};

std::string Describe(const std::string& name, int error)
{
    return name + ": " + snd_strerror(error);
}

} // namespace

std::unique_ptr<TAudioStream> OpenAlsaStream(const std::string& name, bool capture, std::string* error,
                                             snd_config_t* config)
{
    const snd_pcm_stream_t direction = capture ? SND_PCM_STREAM_CAPTURE : SND_PCM_STREAM_PLAYBACK;
    snd_pcm_t* pcm = nullptr;
    int result = config ? snd_pcm_open_lconf(&pcm, name.c_str(), direction, SND_PCM_NONBLOCK, config)
                        : snd_pcm_open(&pcm, name.c_str(), direction, SND_PCM_NONBLOCK);
    if (result < 0) {
        *error = Describe(name, result);
        return nullptr;
    }
    auto stream = std::make_unique<TAlsaStream>(pcm, capture);
    result = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, AudioChannels, AudioRate,
                                1, LatencyUs);
    if (result >= 0) result = stream->Start();
    if (result < 0) {
        *error = Describe(name, result);
        return nullptr;
    }
    return stream;
}

tAudioOpener AlsaOpener(snd_config_t* config)
{
    return [config](const std::string& name, bool capture, std::string* error) {
        return OpenAlsaStream(name, capture, error, config);
    };
}

TAudioLoop::TAudioLoop(std::string capture, std::string playback, tAudioOpener open)
    : capture_(std::move(capture)), playback_(std::move(playback)), open_(std::move(open))
{
}

TAudioLoop::~TAudioLoop() { Stop(); }

void TAudioLoop::Start()
{
    if (running_) return;
    // A loop that ended on a failure has left its thread to be joined.
    if (thread_.joinable()) thread_.join();
    {
        const std::lock_guard lock(mutex_);
        error_.clear();
    }
    stop_ = false;
    frames_ = 0;
    recoveries_ = 0;
    running_ = true;
    thread_ = std::thread(&TAudioLoop::Run, this);
}

void TAudioLoop::Stop()
{
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    running_ = false;
}

std::string TAudioLoop::Error() const
{
    const std::lock_guard lock(mutex_);
    return error_;
}

void TAudioLoop::Fail(const std::string& why)
{
    {
        const std::lock_guard lock(mutex_);
        error_ = why;
    }
    running_ = false;
}

bool TAudioLoop::Check(TAudioStream& stream, long result, const char* what)
{
    if (result >= 0) return true;
    if (result == -EPIPE || result == -ESTRPIPE) {
        const int recovered = stream.Recover(int(result));
        if (recovered == 0) {
            ++recoveries_;
            return true;
        }
        result = recovered;
    }
    Fail(std::string(what) + ": " + snd_strerror(int(result)));
    return false;
}

void TAudioLoop::SetVolume(int volume)
{
    volume_ = std::clamp(volume, 0, 256);
}

void TAudioLoop::SetTap(TAudioTap* tap)
{
    const std::lock_guard lock(tapMutex_);
    tap_ = tap;
}

void TAudioLoop::Run()
{
    std::string why;
    const auto source = open_(capture_, true, &why);
    if (!source) return Fail(why);
    const auto sink = open_(playback_, false, &why);
    if (!sink) return Fail(why);

    std::vector<std::int16_t> samples(std::size_t(ChunkFrames) * AudioChannels);
    while (!stop_) {
        const long got = source->Transfer(samples.data(), ChunkFrames);
        if (!Check(*source, got, capture_.c_str())) return;
        if (got <= 0) {
            if (got == 0 && !Check(*source, source->Wait(WaitMs), capture_.c_str())) return;
            continue;
        }
        {
            const std::lock_guard lock(tapMutex_);
            if (tap_) tap_->Write(samples.data(), std::size_t(got), AudioChannels);
        }
        if (const int volume = silent_ ? 0 : volume_.load(); volume != 256)
            for (long i = 0; i < got * AudioChannels; ++i)
                samples[std::size_t(i)] = std::int16_t(samples[std::size_t(i)] * volume / 256);
        // Every frame read is played, however many tries the device needs.
        long done = 0;
        while (done < got && !stop_) {
            const long put = sink->Transfer(samples.data() + done * AudioChannels, got - done);
            if (!Check(*sink, put, playback_.c_str())) return;
            if (put > 0) {
                done += put;
                frames_ += std::uint64_t(put);
            } else if (put == 0 && !Check(*sink, sink->Wait(WaitMs), playback_.c_str())) {
                return;
            }
        }
    }
}
