#pragma once
// An emulated sound card with the lines a mixer looks for, and the handles
// programs open on its mixer. A change made through one handle, or "from
// outside" through the card itself, is announced to every open handle the
// way an ALSA card does: its descriptor turns readable, and HandleEvents()
// then names the element.

#include "MixerDevice.h"

#include <QString>
#include <memory>
#include <vector>

class TEmulatedMixerDevice;

class TEmulatedSoundCard {
public:
    struct TElement {
        QString name;
        bool hasVolume = false;
        bool volumeUniform = false;
        long minimum = 0;
        long maximum = 0;
        long volume[2] = {0, 0};
        bool hasSwitch = false;
        bool switchUniform = false;
        long on[2] = {1, 1}; // a switch is on while the sound plays
    };

    explicit TEmulatedSoundCard(QString name, std::vector<TElement> elements = {});
    // A card with every line the program uses, ranges as real cards have them
    // (0..31, 0..255, 0..65535), mono and two-channel controls, and one line
    // ("Headphone") the program does not use.
    static std::shared_ptr<TEmulatedSoundCard> Standard();

    QString Name() const { return name_; }
    // Takes a line off the card; only before any handle is opened.
    void Remove(const QString& element);
    int Find(const QString& element) const;
    const TElement* Element(const QString& element) const;
    long Volume(const QString& element, int channel) const;
    bool SwitchOn(const QString& element, int channel) const;

    // Changes made by another program; every open handle hears of them.
    void SetVolume(const QString& element, long left, long right);
    void SetSwitch(const QString& element, bool on);

    // Writes made through handles, for tests that count them.
    int Writes() const { return writes_; }

private:
    friend class TEmulatedMixerDevice;
    void Changed(int element);

    QString name_;
    std::vector<TElement> elements_;
    std::vector<TEmulatedMixerDevice*> handles_;
    int writes_ = 0;
};

class TEmulatedMixerDevice final : public TMixerDevice {
public:
    explicit TEmulatedMixerDevice(std::shared_ptr<TEmulatedSoundCard> card);
    ~TEmulatedMixerDevice() override;
    TEmulatedMixerDevice(const TEmulatedMixerDevice&) = delete;
    TEmulatedMixerDevice& operator=(const TEmulatedMixerDevice&) = delete;

    int Open(int card) override;
    void Close() override;
    bool IsOpen() const override { return event_ >= 0; }
    QString CardName() const override { return card_->Name(); }
    int FindElement(const QString& name) const override;
    bool Has(int element, TMixerPart part) const override;
    bool Uniform(int element, TMixerPart part) const override;
    int Range(int element, long* minimum, long* maximum) override;
    int Get(int element, TMixerPart part, int channel, long* value) override;
    int Set(int element, TMixerPart part, int channel, long value) override;
    std::vector<int> PollDescriptors() const override;
    int HandleEvents() override;

private:
    friend class TEmulatedSoundCard;
    void Notify(int element);
    TEmulatedSoundCard::TElement* Element(int element) const;

    std::shared_ptr<TEmulatedSoundCard> card_;
    int event_ = -1; // an eventfd, owned; -1 while closed
    std::vector<int> pending_;
};
