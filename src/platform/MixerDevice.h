#pragma once
// A sound card's mixer as the program sees it: named simple elements, each
// with an optional playback volume and playback switch, read and written per
// channel, and a way to learn of changes other programs make. The ALSA card
// and the emulated one both provide it.
//
// Fallible calls return 0 or a negative errno, as ALSA does, and remember the
// name of the library call that failed, so messages can say where it broke.

#include <QString>
#include <functional>
#include <vector>

enum class TMixerPart { Volume, Switch };

class TMixerDevice {
public:
    virtual ~TMixerDevice() = default;

    // Opens the mixer of card n (0 is the first card).
    virtual int Open(int card) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // The card's name, for messages.
    virtual QString CardName() const = 0;

    // The element of that name, or -1 when the card has none. Element numbers
    // stay valid until the device is closed.
    virtual int FindElement(const QString& name) const = 0;
    virtual bool Has(int element, TMixerPart part) const = 0;
    // One value for every channel (a mono or joined control).
    virtual bool Uniform(int element, TMixerPart part) const = 0;
    // The bounds of a playback volume; a switch is always 0..1.
    virtual int Range(int element, long* minimum, long* maximum) = 0;
    // Channel 0 is the left (or only) channel, 1 the right. A switch reads 1
    // when the sound is on, as the card has it.
    virtual int Get(int element, TMixerPart part, int channel, long* value) = 0;
    // channel AllChannels sets every channel of the element at once.
    virtual int Set(int element, TMixerPart part, int channel, long value) = 0;
    static constexpr int AllChannels = -1;

    // Descriptors that become readable when changes are pending; after that
    // HandleEvents() reports each changed element through OnElementChange.
    virtual std::vector<int> PollDescriptors() const = 0;
    virtual int HandleEvents() = 0;
    std::function<void(int element)> OnElementChange;

    QString FailedCall() const { return failedCall_; }

protected:
    int Fail(const char* call, int error)
    {
        failedCall_ = QLatin1String(call);
        return error;
    }

private:
    QString failedCall_;
};
