#include "Recorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct tFormat {
    const char* extension;
    int major;
    int subtype;
};

// In the order Extensions lists them; FLAC is the default.
constexpr tFormat Formats[] = {
    {"flac", SF_FORMAT_FLAC, SF_FORMAT_PCM_16},
    {"ogg", SF_FORMAT_OGG, SF_FORMAT_VORBIS},
    {"opus", SF_FORMAT_OGG, SF_FORMAT_OPUS},
    {"wav", SF_FORMAT_WAV, SF_FORMAT_PCM_16},
    {"mp3", SF_FORMAT_MPEG, SF_FORMAT_MPEG_LAYER_III},
};

// How often a WAV file's header is brought up to date.
constexpr std::uint64_t HeaderFrames = 2 * TRecorder::Rate;
// How often the encoder looks whether its file is still where it was made.
constexpr std::uint64_t PlaceFrames = TRecorder::Rate;

bool Listed(int command, int countCommand, int format)
{
    int count = 0;
    sf_command(nullptr, countCommand, &count, sizeof count);
    for (int i = 0; i < count; ++i) {
        SF_FORMAT_INFO info{};
        info.format = i;
        if (sf_command(nullptr, command, &info, sizeof info) == 0 && info.format == format) return true;
    }
    return false;
}

// Whether this build of the library writes the format: both halves must be
// compiled in (MP3 and Opus are optional there) and the pair must be valid.
bool Available(const tFormat& format)
{
    if (!Listed(SFC_GET_FORMAT_MAJOR, SFC_GET_FORMAT_MAJOR_COUNT, format.major)) return false;
    if (!Listed(SFC_GET_FORMAT_SUBTYPE, SFC_GET_FORMAT_SUBTYPE_COUNT, format.subtype)) return false;
    SF_INFO info{};
    info.samplerate = TRecorder::Rate;
    info.channels = 2;
    info.format = format.major | format.subtype;
    return sf_format_check(&info) != 0;
}

const tFormat* FormatOf(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const tFormat& format : Formats)
        if (extension == QLatin1String(format.extension)) return Available(format) ? &format : nullptr;
    return nullptr;
}

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace

TRecorder::TRecorder(std::size_t queueFrames) : queueFrames_(std::max<std::size_t>(queueFrames, 1)) {}

TRecorder::~TRecorder() { Close(); }

QStringList TRecorder::Extensions()
{
    QStringList extensions;
    for (const tFormat& format : Formats)
        if (Available(format)) extensions << QLatin1String(format.extension);
    return extensions;
}

bool TRecorder::Writable(const QString& path) { return FormatOf(path) != nullptr; }

bool TRecorder::Open(const QString& path, int channels, QString* error, const QString& title, const QString& date)
{
    auto refuse = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (thread_.joinable())
        return refuse(QCoreApplication::translate("TRecorder", "A recording is already open."));
    const tFormat* format = FormatOf(path);
    if (!format)
        return refuse(QCoreApplication::translate(
                          "TRecorder", "Cannot record into a .%1 file here; use one of: %2.")
                          .arg(QFileInfo(path).suffix(), Extensions().join(QStringLiteral(", "))));
    if (channels != 1 && channels != 2)
        return refuse(
            QCoreApplication::translate("TRecorder", "Cannot record %1 channels.").arg(channels));

    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return refuse(QCoreApplication::translate("TRecorder", "Cannot create %1: %2")
                          .arg(path, SystemError(errno)));
    struct stat place {};
    fstat(fd, &place);

    SF_INFO info{};
    info.samplerate = Rate;
    info.channels = channels;
    info.format = format->major | format->subtype;
    SNDFILE* file = sf_open_fd(fd, SFM_WRITE, &info, SF_TRUE);
    if (!file) {
        const QString why = QString::fromUtf8(sf_strerror(nullptr));
        ::close(fd); // not taken over when the library refuses
        ::unlink(name.constData());
        return refuse(
            QCoreApplication::translate("TRecorder", "Cannot record into %1: %2").arg(path, why));
    }
    // Tags go in before the first frame: several formats write them with
    // their header.
    if (!title.isEmpty()) sf_set_string(file, SF_STR_TITLE, title.toUtf8().constData());
    if (!date.isEmpty()) sf_set_string(file, SF_STR_DATE, date.toUtf8().constData());
    sf_set_string(file, SF_STR_SOFTWARE, "Vantoro");
    wav_ = format->major == SF_FORMAT_WAV;
    floats_ = format->major == SF_FORMAT_MPEG;

    file_ = file;
    path_ = path;
    channels_ = channels;
    device_ = place.st_dev;
    inode_ = place.st_ino;
    queue_.assign(queueFrames_ * std::size_t(channels), 0);
    head_ = 0;
    tail_ = 0;
    frames_ = 0;
    dropped_ = 0;
    headerFrames_ = 0;
    stop_ = false;
    {
        std::lock_guard lock(errorMutex_);
        error_.clear();
    }
    recording_ = true;
    open_ = true;
    thread_ = std::thread(&TRecorder::Run, this);
    return true;
}

bool TRecorder::Close(QString* error)
{
    if (!thread_.joinable()) return true;
    open_ = false;
    {
        std::lock_guard lock(wakeMutex_);
        stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
    recording_ = false;
    const QString why = Error();
    if (why.isEmpty()) return true;
    if (error) *error = why;
    return false;
}

QString TRecorder::Error() const
{
    std::lock_guard lock(errorMutex_);
    return error_;
}

void TRecorder::Write(const std::int16_t* samples, std::size_t frames, int channels)
{
    if (!open_ || frames == 0 || channels < 1) return;
    const std::size_t head = head_.load(std::memory_order_relaxed);
    const std::size_t tail = tail_.load(std::memory_order_acquire);
    if (frames > queueFrames_ - (head - tail)) {
        dropped_ += frames;
        return;
    }
    const int ours = channels_;
    for (std::size_t i = 0; i < frames; ++i) {
        const std::int16_t* in = samples + i * std::size_t(channels);
        std::int16_t* out = &queue_[((head + i) % queueFrames_) * std::size_t(ours)];
        if (ours == 1)
            out[0] = channels == 1 ? in[0] : std::int16_t((int(in[0]) + int(in[1])) / 2);
        else {
            out[0] = in[0];
            out[1] = channels == 1 ? in[0] : in[1];
        }
    }
    head_.store(head + frames, std::memory_order_release);
}

void TRecorder::Fail(const QString& why)
{
    {
        std::lock_guard lock(errorMutex_);
        error_ = why;
    }
    open_ = false;
    recording_ = false;
}

bool TRecorder::Vanished() const
{
    struct stat place {};
    if (::stat(QFile::encodeName(path_).constData(), &place) != 0) return true;
    return std::uint64_t(place.st_dev) != device_ || std::uint64_t(place.st_ino) != inode_;
}

void TRecorder::Run()
{
    std::uint64_t placeChecked = 0;
    for (;;) {
        const std::size_t head = head_.load(std::memory_order_acquire);
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        if (head == tail) {
            std::unique_lock lock(wakeMutex_);
            if (stop_) break;
            wake_.wait_for(lock, std::chrono::milliseconds(10));
            continue;
        }
        const std::size_t start = tail % queueFrames_;
        const std::size_t count = std::min(head - tail, queueFrames_ - start);
        errno = 0;
        const std::int16_t* samples = &queue_[start * std::size_t(channels_)];
        sf_count_t written;
        if (floats_) {
            // The library's MP3 encoder mangles 16-bit stereo (it copies half
            // of each block); its float path is sound.
            scratch_.resize(count * std::size_t(channels_));
            for (std::size_t i = 0; i < scratch_.size(); ++i) scratch_[i] = float(samples[i]) / 32768.0f;
            written = sf_writef_float(file_, scratch_.data(), sf_count_t(count));
        } else {
            written = sf_writef_short(file_, samples, sf_count_t(count));
        }
        if (written != sf_count_t(count)) {
            const int system = errno;
            frames_ += std::uint64_t(std::max<sf_count_t>(written, 0));
            Fail(QCoreApplication::translate("TRecorder", "Writing %1 failed: %2")
                     .arg(path_,
                          system ? SystemError(system) : QString::fromUtf8(sf_strerror(file_))));
            break;
        }
        tail_.store(tail + count, std::memory_order_release);
        frames_ += count;
        if (wav_ && frames_ - headerFrames_ >= HeaderFrames) {
            sf_command(file_, SFC_UPDATE_HEADER_NOW, nullptr, 0);
            headerFrames_ = frames_;
        }
        if (frames_ - placeChecked >= PlaceFrames) {
            placeChecked = frames_;
            if (Vanished()) {
                Fail(QCoreApplication::translate("TRecorder",
                                                 "The file %1 was removed, or its folder.")
                         .arg(path_));
                break;
            }
        }
    }
    // Closing writes the header's final lengths: what was written plays.
    if (sf_close(file_) != 0 && Error().isEmpty())
        Fail(QCoreApplication::translate("TRecorder", "Closing %1 failed: %2")
                 .arg(path_, QString::fromUtf8(sf_strerror(nullptr))));
    file_ = nullptr;
}
