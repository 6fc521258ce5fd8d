#include "SdrReceiver.h"

#include "AudioLoop.h"
#include "TunerGains.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace {

using tClock = std::chrono::steady_clock;

// I/Q travels from the source thread to the processing thread in blocks of
// this many bytes (8 ms at 1,024,000 samples/s), from a fixed pool.
constexpr std::size_t BlockBytes = 16384;
// The source's samples may wait this long for the processing before they are dropped.
constexpr double IqBufferSeconds = 0.5;
// Played audio may wait this long; beyond it the oldest is skipped.
constexpr std::size_t AudioBufferFrames = TFmReceiver::AudioRate / 4;
// How long the source may stay silent before it counts as stalled.
constexpr int StallMs = 2000;
constexpr int ReadWaitMs = 100;
// Volume changes, mute and the start of a new station ramp over this many frames.
constexpr int RampFrames = TFmReceiver::AudioRate / 100;
constexpr std::size_t RdsQueueLimit = 1000;

struct tBlock {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(BlockBytes);
    std::size_t count = 0;   // bytes filled
    std::uint64_t tune = 0;  // the tuning it was received under
    double offset = 0;       // the station's offset from the centre then
};

} // namespace

struct TSdrReceiver::tImpl {
    std::unique_ptr<TIqSource> source;
    tSdrSetup setup;
    tAudioOpener openAudio;
    tMultiplexSinkMaker makeSink;

    std::thread sourceThread, dspThread, audioThread;
    std::atomic<bool> stop{false};
    bool running = false;

    // Tuning asked for by the caller, applied by the source thread.
    std::mutex tuneMutex;
    std::uint32_t tuneTo = 0;
    std::uint64_t tuneAsked = 0, tuneApplied = 0;
    std::uint32_t center = 0;   // the source thread's own
    double offset = 0;          // the source thread's own
    std::size_t settleBytes = 0; // still to skip after the dongle moved: its buffers hold the old band

    // I/Q blocks: free ones and filled ones in order.
    std::mutex iqMutex;
    std::condition_variable iqReady;
    std::vector<std::unique_ptr<tBlock>> freeBlocks;
    std::deque<std::unique_ptr<tBlock>> fullBlocks;

    // Played audio, interleaved stereo.
    std::mutex audioMutex;
    std::condition_variable audioReady;
    std::deque<std::int16_t> audio;

    std::atomic<bool> stereo{true};
    std::atomic<int> volume{256};
    std::atomic<bool> muted{false};
    std::atomic<std::uint64_t> dropped{0}, samples{0};
    std::atomic<std::uint64_t> tuneProcessed{0}, sinceTune{0};
    // Held while the tap is called or replaced, so a tap set aside is
    // never called again once SetAudioTap returns.
    std::mutex tapMutex;
    TAudioTap* tap = nullptr;

    mutable std::mutex stateMutex;
    tFmReceiverState state;
    std::string audioError;
    std::optional<tSdrStop> stopped;
    // Groups with the tuning they were received on: what a station sent
    // before a newer tuning was asked for is never handed on.
    std::vector<std::pair<std::uint64_t, tRdsGroup>> rds;

    void SourceLoop();
    void DspLoop();
    void AudioLoop();
    void Halt(bool ended, const std::string& reason);
    void ApplyTune(std::uint32_t hz);
    void DiscardQueued();
};

void TSdrReceiver::tImpl::Halt(bool ended, const std::string& reason)
{
    {
        std::lock_guard lock(stateMutex);
        if (!stopped)
            stopped = tSdrStop{ended, reason};
    }
    stop = true;
    iqReady.notify_all();
    audioReady.notify_all();
}

void TSdrReceiver::tImpl::DiscardQueued()
{
    std::lock_guard lock(iqMutex);
    while (!fullBlocks.empty()) {
        freeBlocks.push_back(std::move(fullBlocks.front()));
        fullBlocks.pop_front();
    }
}

// The dongle sits a quarter of the sample rate above the station, so its DC
// spike stays out of the channel. A station that already lies well inside
// the band received is reached by the receiver alone: no retune, no settling.
void TSdrReceiver::tImpl::ApplyTune(std::uint32_t hz)
{
    const double rate = setup.sampleRate;
    const double edge = rate / 2 - 120000; // the channel's half width and the filter's skirt
    const double dcGap = 100000;
    if (auto fixed = source->FixedCenter(); !fixed) {
        double from = double(hz) - double(center);
        bool inside = center != 0 && std::abs(from) <= edge && std::abs(from) >= dcGap;
        if (!inside) {
            std::uint32_t want = hz + std::uint32_t(rate / 4);
            if (!source->SetCenter(want))
                return Halt(false, source->Error());
            center = want;
            settleBytes = std::size_t(rate * 2 * 0.02) & ~std::size_t(1);
        }
    } else {
        source->SetCenter(hz); // a recording takes its centre from the first tune
    }
    if (auto fixed = source->FixedCenter())
        center = *fixed;
    offset = double(hz) - double(center);
    DiscardQueued();
}

void TSdrReceiver::tImpl::SourceLoop()
{
    auto lastData = tClock::now();
    std::vector<std::uint8_t> spill(BlockBytes);
    std::uint64_t applied = 0;
    while (!stop) {
        {
            std::unique_lock lock(tuneMutex);
            if (tuneAsked != tuneApplied) {
                std::uint32_t hz = tuneTo;
                applied = tuneApplied = tuneAsked;
                lock.unlock();
                ApplyTune(hz);
                if (stop)
                    break;
            }
        }
        std::unique_ptr<tBlock> block;
        {
            std::lock_guard lock(iqMutex);
            if (!freeBlocks.empty()) {
                block = std::move(freeBlocks.back());
                freeBlocks.pop_back();
            }
        }
        // With no free block the processing is behind: read anyway, so the
        // source's own buffers never overflow, and count what is skipped.
        std::uint8_t* into = block ? block->bytes.data() : spill.data();
        long got = source->Read(into, BlockBytes, ReadWaitMs);
        if (got == iqEnd)
            return Halt(true,
                        QCoreApplication::translate("TSdrReceiver", "The I/Q recording ended.")
                            .toStdString());
        if (got == iqFailed || got < 0)
            return Halt(false, source->Error());
        auto now = tClock::now();
        if (got > 0) {
            lastData = now;
        } else if (now - lastData > std::chrono::milliseconds(StallMs)) {
            return Halt(false, QCoreApplication::translate(
                                   "TSdrReceiver", "The source sent no samples for 2 seconds.")
                                   .toStdString());
        }
        std::lock_guard lock(iqMutex);
        if (!block) {
            dropped += std::uint64_t(got) / 2;
            continue;
        }
        std::size_t skip = std::min(settleBytes, std::size_t(got));
        settleBytes -= skip;
        if (std::size_t(got) == skip) {
            freeBlocks.push_back(std::move(block));
            continue;
        }
        if (skip)
            std::memmove(block->bytes.data(), block->bytes.data() + skip, std::size_t(got) - skip);
        block->count = std::size_t(got) - skip;
        block->tune = applied;
        block->offset = offset;
        fullBlocks.push_back(std::move(block));
        iqReady.notify_one();
    }
}

void TSdrReceiver::tImpl::DspLoop()
{
    tFmReceiverSetup fmSetup;
    fmSetup.sampleRate = setup.sampleRate;
    fmSetup.deemphasisUs = setup.deemphasisUs;
    TFmReceiver receiver(fmSetup);
    std::unique_ptr<TMultiplexSink> rdsSink;
    std::uint64_t tune = ~std::uint64_t(0);
    auto takeGroup = [this, &tune](const tRdsGroup& group) {
        std::lock_guard lock(stateMutex);
        if (rds.size() >= RdsQueueLimit)
            rds.erase(rds.begin());
        rds.emplace_back(tune, group);
    };
    receiver.OnMultiplex = [&](const tMultiplex& multiplex) {
        if (!rdsSink && makeSink) {
            rdsSink = makeSink(multiplex.rate);
            if (rdsSink) rdsSink->OnGroup = takeGroup;
        }
        if (rdsSink) rdsSink->Process(multiplex);
    };

    std::vector<float> sound;
    std::vector<std::int16_t> pcm;
    bool stereoNow = true;
    double gain = 0;         // the gain applied now, per frame ramped toward its target
    double tuneFade = 1;     // 0..1: the fade-in after a new station
    while (!stop) {
        std::unique_ptr<tBlock> block;
        {
            std::unique_lock lock(iqMutex);
            iqReady.wait_for(lock, std::chrono::milliseconds(ReadWaitMs),
                             [&] { return stop || !fullBlocks.empty(); });
            if (stop || fullBlocks.empty())
                continue;
            block = std::move(fullBlocks.front());
            fullBlocks.pop_front();
        }
        if (block->tune != tune) {
            tune = block->tune;
            receiver.SetOffset(block->offset);
            if (rdsSink)
                rdsSink->Reset();
            tuneFade = 0;
            sinceTune = 0;
            std::lock_guard lock(audioMutex);
            audio.clear(); // the old station's sound is not played after the new one is asked for
        }
        if (bool s = stereo; s != stereoNow) {
            stereoNow = s;
            receiver.SetStereo(s);
        }
        sound.clear();
        receiver.Process(block->bytes.data(), block->count / 2, sound);
        samples += block->count / 2;
        sinceTune += block->count / 2;
        tuneProcessed = tune;
        {
            std::lock_guard lock(iqMutex);
            freeBlocks.push_back(std::move(block));
        }
        {
            std::lock_guard lock(stateMutex);
            state = receiver.State();
        }
        // Volume, mute and the new station's fade-in, ramped per frame.
        const double target = muted ? 0.0 : volume / 256.0;
        const double step = 1.0 / RampFrames;
        const std::size_t frames = sound.size() / 2;
        pcm.resize(sound.size());
        for (std::size_t i = 0; i < frames; ++i) {
            if (gain < target)
                gain = std::min(target, gain + step);
            else if (gain > target)
                gain = std::max(target, gain - step);
            tuneFade = std::min(1.0, tuneFade + step);
            for (int c = 0; c < 2; ++c) {
                double v = sound[2 * i + std::size_t(c)] * gain * tuneFade * 32767.0;
                pcm[2 * i + std::size_t(c)] = std::int16_t(std::clamp(v, -32768.0, 32767.0));
            }
        }
        {
            const std::lock_guard lock(tapMutex);
            if (tap && frames) tap->Write(pcm.data(), frames, 2);
        }
        if (setup.audioDevice.empty())
            continue;
        std::lock_guard lock(audioMutex);
        audio.insert(audio.end(), pcm.begin(), pcm.end());
        const std::size_t limit = AudioBufferFrames * 2;
        if (audio.size() > limit)
            audio.erase(audio.begin(), audio.begin() + std::ptrdiff_t(audio.size() - limit));
        audioReady.notify_one();
    }
}

void TSdrReceiver::tImpl::AudioLoop()
{
    std::string why;
    std::unique_ptr<TAudioStream> stream = openAudio ? openAudio(setup.audioDevice, &why) : nullptr;
    auto fail = [&](const std::string& reason) {
        std::lock_guard lock(stateMutex);
        if (audioError.empty())
            audioError = reason.empty() ? QCoreApplication::translate("TSdrReceiver",
                                                                      "The sound output %1 failed.")
                                              .arg(QString::fromStdString(setup.audioDevice))
                                              .toStdString()
                                        : reason;
    };
    if (!stream) {
        fail(why);
        // The radio goes on without sound: what would be played is thrown away.
        while (!stop) {
            std::unique_lock lock(audioMutex);
            audioReady.wait_for(lock, std::chrono::milliseconds(ReadWaitMs));
            audio.clear();
        }
        return;
    }
    std::vector<std::int16_t> chunk;
    bool failed = false;
    while (!stop) {
        {
            std::unique_lock lock(audioMutex);
            audioReady.wait_for(lock, std::chrono::milliseconds(ReadWaitMs), [&] { return stop || !audio.empty(); });
            chunk.assign(audio.begin(), audio.end());
            audio.clear();
        }
        if (failed)
            continue;
        long done = 0;
        const long frames = long(chunk.size() / 2);
        while (done < frames && !stop) {
            long put = stream->Transfer(chunk.data() + done * 2, frames - done);
            if (put > 0) {
                done += put;
            } else if (put == 0) {
                int w = stream->Wait(50);
                if (w < 0 && stream->Recover(w) < 0) {
                    failed = true;
                    break;
                }
            } else if (stream->Recover(int(put)) < 0) {
                failed = true;
                break;
            }
        }
        if (failed) {
            fail(QCoreApplication::translate(
                     "TSdrReceiver", "The sound output %1 failed; the radio goes on without sound.")
                     .arg(QString::fromStdString(setup.audioDevice))
                     .toStdString());
            stream.reset();
        }
    }
}

TSdrReceiver::TSdrReceiver(std::unique_ptr<TIqSource> source, const tSdrSetup& setup, tAudioOpener openAudio)
    : impl_(std::make_unique<tImpl>())
{
    impl_->source = std::move(source);
    impl_->setup = setup;
    impl_->openAudio = std::move(openAudio);
}

TSdrReceiver::~TSdrReceiver()
{
    Stop();
}

bool TSdrReceiver::Start(std::string* error)
{
    Stop();
    tImpl& d = *impl_;
    auto refuse = [&](const std::string& why) {
        if (error)
            *error = why;
        d.source->Close();
        return false;
    };
    if (!d.source->Open())
        return refuse(d.source->Error());
    if (!d.source->SetSampleRate(d.setup.sampleRate) ||
        !d.source->SetGain(d.setup.automaticGain, SnapGain(d.source->Gains(), d.setup.gainTenthsDb)) ||
        (d.setup.correctionPpm != 0 && !d.source->SetCorrection(d.setup.correctionPpm)))
        return refuse(d.source->Error());
    std::size_t blocks = std::max<std::size_t>(
        4, std::size_t(d.setup.sampleRate * 2 * IqBufferSeconds) / BlockBytes);
    {
        std::lock_guard lock(d.iqMutex);
        d.fullBlocks.clear();
        d.freeBlocks.clear();
        for (std::size_t i = 0; i < blocks; ++i)
            d.freeBlocks.push_back(std::make_unique<tBlock>());
    }
    {
        std::lock_guard lock(d.stateMutex);
        d.stopped.reset();
        d.audioError.clear();
        d.rds.clear();
        d.state = {};
    }
    d.dropped = 0;
    d.samples = 0;
    d.center = 0;
    d.stop = false;
    d.running = true;
    d.sourceThread = std::thread([&d] { d.SourceLoop(); });
    d.dspThread = std::thread([&d] { d.DspLoop(); });
    if (!d.setup.audioDevice.empty())
        d.audioThread = std::thread([&d] { d.AudioLoop(); });
    return true;
}

void TSdrReceiver::Stop()
{
    tImpl& d = *impl_;
    if (!d.running)
        return;
    d.stop = true;
    d.iqReady.notify_all();
    d.audioReady.notify_all();
    for (std::thread* t : {&d.sourceThread, &d.dspThread, &d.audioThread})
        if (t->joinable())
            t->join();
    d.source->Close();
    d.running = false;
}

void TSdrReceiver::Tune(std::uint32_t hz)
{
    std::lock_guard lock(impl_->tuneMutex);
    impl_->tuneTo = hz;
    ++impl_->tuneAsked;
}

void TSdrReceiver::SetStereo(bool stereo)
{
    impl_->stereo = stereo;
}

void TSdrReceiver::SetVolume(int volume)
{
    impl_->volume = std::clamp(volume, 0, 256);
}

void TSdrReceiver::SetMuted(bool muted)
{
    impl_->muted = muted;
}

tFmReceiverState TSdrReceiver::State() const
{
    std::lock_guard lock(impl_->stateMutex);
    return impl_->state;
}

std::string TSdrReceiver::AudioError() const
{
    std::lock_guard lock(impl_->stateMutex);
    return impl_->audioError;
}

std::optional<tSdrStop> TSdrReceiver::Stopped() const
{
    std::lock_guard lock(impl_->stateMutex);
    return impl_->stopped;
}

std::vector<tRdsGroup> TSdrReceiver::TakeRdsGroups()
{
    std::uint64_t current = 0;
    {
        std::lock_guard lock(impl_->tuneMutex);
        current = impl_->tuneAsked;
    }
    std::lock_guard lock(impl_->stateMutex);
    std::vector<tRdsGroup> groups;
    for (const auto& [tune, group] : impl_->rds)
        if (tune == current) groups.push_back(group);
    impl_->rds.clear();
    return groups;
}

std::uint64_t TSdrReceiver::Dropped() const
{
    return impl_->dropped;
}

std::uint64_t TSdrReceiver::SamplesSinceTune() const
{
    std::lock_guard lock(impl_->tuneMutex);
    return impl_->tuneProcessed == impl_->tuneAsked ? impl_->sinceTune.load() : 0;
}

std::uint64_t TSdrReceiver::Samples() const
{
    return impl_->samples;
}

void TSdrReceiver::SetMultiplexSink(tMultiplexSinkMaker maker)
{
    impl_->makeSink = std::move(maker);
}

void TSdrReceiver::SetAudioTap(TAudioTap* tap)
{
    const std::lock_guard lock(impl_->tapMutex);
    impl_->tap = tap;
}
