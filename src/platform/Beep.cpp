#include "Beep.h"

#include <alsa/asoundlib.h>
#include <cmath>
#include <fcntl.h>
#include <linux/input.h>
#include <memory>
#include <numbers>
#include <string>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct TFd {
    int fd = -1;
    ~TFd()
    {
        if (fd >= 0) ::close(fd);
    }
};

bool SendTone(int fd, int pitch)
{
    input_event event{};
    event.type = EV_SND;
    event.code = SND_TONE;
    event.value = pitch;
    return ::write(fd, &event, sizeof event) == ssize_t(sizeof event);
}

// The first event device that can sound a tone and that we may write.
bool SpeakerTone(int pitch, int ms)
{
    for (int n = 0; n < 32; ++n) {
        const std::string path = "/dev/input/event" + std::to_string(n);
        TFd device{::open(path.c_str(), O_WRONLY | O_CLOEXEC)};
        if (device.fd < 0) continue;
        unsigned long bits = 0;
        if (::ioctl(device.fd, EVIOCGBIT(EV_SND, sizeof bits), &bits) < 0 || !(bits & (1UL << SND_TONE))) continue;
        if (!SendTone(device.fd, pitch)) continue;
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        SendTone(device.fd, 0);
        return true;
    }
    return false;
}

struct TPcmClose {
    void operator()(snd_pcm_t* pcm) const { snd_pcm_close(pcm); }
};

bool SineTone(int pitch, int ms)
{
    constexpr unsigned rate = 44100;
    snd_pcm_t* raw = nullptr;
    if (snd_pcm_open(&raw, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) return false;
    const std::unique_ptr<snd_pcm_t, TPcmClose> pcm(raw);
    if (snd_pcm_set_params(pcm.get(), SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, rate, 1, 100000) < 0)
        return false;
    std::vector<std::int16_t> samples(std::size_t(rate) * unsigned(ms) / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = std::int16_t(12000 * std::sin(2 * std::numbers::pi * pitch * double(i) / rate));
    std::size_t done = 0;
    while (done < samples.size()) {
        snd_pcm_sframes_t n = snd_pcm_writei(pcm.get(), samples.data() + done, samples.size() - done);
        if (n < 0) n = snd_pcm_recover(pcm.get(), int(n), 1);
        if (n < 0) return false;
        done += std::size_t(n);
    }
    snd_pcm_drain(pcm.get());
    return true;
}

} // namespace

bool PlayTone(int pitch, int ms)
{
    if (pitch <= 0 || ms <= 0) return true;
    return SpeakerTone(pitch, ms) || SineTone(pitch, ms);
}
