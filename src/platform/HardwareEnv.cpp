#include "HardwareEnv.h"

#include "AlsaMixerDevice.h"
#include "Beep.h"
#include "UsbSound.h"

#include <QDir>
#include <algorithm>
#include <utility>
#include <vector>

THardwareEnv::THardwareEnv(const QString& traceFile)
{
    if (!traceFile.isEmpty()) trace_ = std::make_unique<TTraceLog>(traceFile);
}

THardwareEnv::~THardwareEnv() = default;

void THardwareEnv::Attach(TPortAccess& ports, TWaiter& waiter)
{
    if (TTraceLog* log = Trace()) {
        tracedPorts_ = std::make_unique<TTracingPortAccess>(ports, *log);
        tracedWaiter_ = std::make_unique<TTracingWaiter>(waiter, *log);
        ports_ = tracedPorts_.get();
        waiter_ = tracedWaiter_.get();
    } else {
        ports_ = &ports;
        waiter_ = &waiter;
    }
}

QStringList ListSerialAdapters(const QString& dir)
{
    QStringList paths;
    for (const QString& prefix : {QStringLiteral("ttyUSB"), QStringLiteral("ttyACM")}) {
        std::vector<std::pair<int, QString>> found;
        for (const QString& name :
             QDir(dir).entryList({prefix + QLatin1Char('*')}, QDir::System | QDir::Files)) {
            bool ok = false;
            const int number = name.mid(prefix.size()).toInt(&ok);
            if (ok && number >= 0) found.emplace_back(number, QDir(dir).filePath(name));
        }
        std::sort(found.begin(), found.end());
        for (const auto& entry : found)
            paths << entry.second;
    }
    return paths;
}

QString THardwareEnv::ComDevice(int n) const
{
    const auto it = comMap_.find(n);
    if (it != comMap_.end()) return *it;
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

bool THardwareEnv::Beep(int pitch, int ms)
{
    if (TTraceLog* log = Trace()) log->Beep(pitch, ms);
    return Tone(pitch, ms);
}

QString THardwareEnv::RadioDevice(int n) const
{
    const auto it = radioMap_.find(n);
    if (it != radioMap_.end()) return *it;
    return RadioDevices().value(n - 1);
}

std::unique_ptr<TV4l2Device> THardwareEnv::OpenRadioDevice(const QString& path, int* error)
{
    auto device = OpenRadioRaw(path, error);
    if (device && Trace()) device = std::make_unique<TTracingV4l2Device>(std::move(device), *Trace());
    return device;
}

TRealHardware::TRealHardware(const QString& traceFile) : THardwareEnv(traceFile)
{
    Attach(direct_, sleeper_);
}

bool TRealHardware::PortAccess(QString* reason) { return PortAccessAvailable(direct_, reason); }

std::unique_ptr<TMixerDevice> TRealHardware::MixerDevice()
{
    if (!SoundCardPresent()) return nullptr;
    return std::make_unique<TAlsaMixerDevice>();
}

std::unique_ptr<TAudioLoop> TRealHardware::UsbAudioLoop(const QString& radioDevice)
{
    const QString capture = UsbCaptureDevice(radioDevice);
    if (capture.isEmpty()) return nullptr;
    return std::make_unique<TAudioLoop>(capture.toStdString(), "default");
}

bool TRealHardware::Tone(int pitch, int ms) { return PlayTone(pitch, ms); }
