#pragma once
// Records what the card plays into a sound file through libsndfile, the
// format chosen by the file's extension (.flac, .ogg Vorbis, .opus, .wav,
// .mp3 where the library writes it), 48 kHz 16-bit.
//
// Write runs on the audio thread and never waits: it copies into a bounded
// queue and a thread of the recorder's own encodes from it. When the queue is
// full the frames are left out of the recording and counted (Dropped), never
// held back from what is played. A failed write (a full disk, a file grown
// past its limit) or the file vanishing with its folder ends the recording:
// the file is closed with its header finalised, so what was written plays,
// and Error says why. A WAV file's header is brought up to date every few
// seconds, so a killed program still leaves a readable file.

#include "AudioTap.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

typedef struct sf_private_tag SNDFILE;

class TRecorder final : public TAudioTap {
public:
    static constexpr int Rate = 48000;

    // `queueFrames`: how much the queue holds before frames are dropped.
    explicit TRecorder(std::size_t queueFrames = 4 * Rate);
    // Closes a recording still open.
    ~TRecorder() override;
    TRecorder(const TRecorder&) = delete;
    TRecorder& operator=(const TRecorder&) = delete;

    // The extensions (lower case, without the dot) the library writes here,
    // the default first.
    static QStringList Extensions();
    // Whether a file name's extension names a format written here.
    static bool Writable(const QString& path);

    // Creates `path` (never replacing a file that exists) with 1 or 2
    // channels; `title` and `date` go into the file's tags where the format
    // keeps them. False with `*error` saying why.
    bool Open(const QString& path, int channels, QString* error, const QString& title = QString(),
              const QString& date = QString());
    // Encodes what is queued, finalises the file and stops the thread. False
    // with `*error` when the recording ended on a failure or closing failed;
    // the file holds what was written either way. Nothing when not open.
    bool Close(QString* error = nullptr);

    // The audio thread's side: queues `frames` frames; converts between one
    // and two channels.
    void Write(const std::int16_t* samples, std::size_t frames, int channels) override;

    // Between Open and Close, unless a failure ended the recording.
    bool Recording() const { return recording_; }
    // Why the recording ended on its own (empty while it goes on).
    QString Error() const;
    const QString& Path() const { return path_; }
    int Channels() const { return channels_; }
    // Frames written to the file, and frames dropped because the queue was
    // full, since Open.
    std::uint64_t Frames() const { return frames_; }
    std::uint64_t Dropped() const { return dropped_; }

private:
    void Run();
    void Fail(const QString& why);
    bool Vanished() const;

    std::vector<std::int16_t> queue_; // a ring of frames_ * channels_ samples
    std::size_t queueFrames_;
    std::atomic<std::size_t> head_{0}; // frames queued, ever (the audio thread's)
    std::atomic<std::size_t> tail_{0}; // frames taken, ever (the encoder's)
    std::atomic<bool> open_{false};    // Write queues only while open
    std::atomic<bool> stop_{false};
    std::atomic<bool> recording_{false};
    std::atomic<std::uint64_t> frames_{0};
    std::atomic<std::uint64_t> dropped_{0};
    SNDFILE* file_ = nullptr;
    bool wav_ = false;
    bool floats_ = false;         // handed to the library as floats
    std::vector<float> scratch_; // the encoder's
    std::uint64_t device_ = 0, inode_ = 0;
    int channels_ = 2;
    QString path_;
    std::thread thread_;
    std::mutex wakeMutex_;
    std::condition_variable wake_;
    std::uint64_t headerFrames_ = 0; // where the WAV header was last brought up to date
    mutable std::mutex errorMutex_;
    QString error_;
};
