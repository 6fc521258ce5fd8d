// The Zoltrix sequences byte for byte, and the emulated card understanding them.

#include "RadioCards.h"
#include "StationList.h"
#include "TestHardware.h"
#include "ZoltrixEmulator.h"

#include <gtest/gtest.h>

namespace {
int WordW(std::uint64_t word)
{
    // L at positions 10..17 and H at 19..26, position 1 leftmost of 64 bits.
    const int low = int((word >> (64 - 17)) & 0xFF);
    const int high = int((word >> (64 - 26)) & 0xFF);
    return (high << 8) | low;
}
QString Out(const char* value) { return QStringLiteral("out 030C ") + QLatin1String(value); }
QString In(const char* port, const char* value)
{
    return QStringLiteral("in %1 %2").arg(QLatin1String(port), QLatin1String(value));
}
} // namespace

TEST(ZoltrixWord, CarriesTheFrequencyAndTheStereoBit)
{
    EXPECT_EQ(WordW(ZoltrixTuningWord(87.0, false)), 19530);
    EXPECT_EQ(WordW(ZoltrixTuningWord(100.0, false)), 22130);
    EXPECT_EQ(WordW(ZoltrixTuningWord(108.0, false)), 23730);
    EXPECT_EQ(WordW(ZoltrixTuningWord(95.005, false)), 21131);
    for (double f : {87.0, 95.005, 100.0, 108.0})
        EXPECT_EQ(ZoltrixTuningWord(f, true) ^ ZoltrixTuningWord(f, false), std::uint64_t(1) << (64 - 33)) << f;
    // Away from the inserted fields the template stays as it is.
    const std::uint64_t fields = (std::uint64_t(0xFF) << (64 - 17)) | (std::uint64_t(0xFF) << (64 - 26))
                                 | (std::uint64_t(1) << (64 - 33));
    EXPECT_EQ(ZoltrixTuningWord(100.0, true) & ~fields, 0xC480402C10080000ULL);
}

class Zoltrix : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto emulator = std::make_unique<TZoltrixEmulator>(stations);
        zx = emulator.get();
        hw.bus.Insert(0x30C, std::move(emulator));
        card.SetModel(mZoltrix);
        card.SetPort(1);
        card.SetVolumeLine(vlNative);
    }
    void Open(int volume = 128)
    {
        card.InitVolume(volume);
        card.Open();
        hw.log.clear();
    }
    TStationList stations = TStationList::BuiltIn();
    TTestHardware hw;
    TRadioCard card{hw};
    TZoltrixEmulator* zx = nullptr;
};

TEST_F(Zoltrix, TuneClocksOutFortyFiveBits)
{
    Open();
    card.Unmute();
    hw.log.clear();
    card.Tune(false, bFM, 100.0);
    const QStringList log = hw.Take();
    ASSERT_EQ(log.size(), 3 + 2 + 45 * 3 + 3 + 2);
    EXPECT_EQ(log.mid(0, 5), (QStringList{Out("00"), Out("00"), In("030F", "FF"), Out("40"), Out("C0")}));
    const std::uint64_t word = ZoltrixTuningWord(100.0, false);
    for (int p = 1; p <= 45; ++p) {
        const bool one = (word >> (64 - p)) & 1;
        const QStringList bit = one ? QStringList{Out("80"), Out("00"), Out("80")}
                                    : QStringList{Out("C0"), Out("40"), Out("C0")};
        EXPECT_EQ(log.mid(5 + 3 * (p - 1), 3), bit) << "bit " << p;
    }
    // 128 / 16 - 1 = level 7, then enable.
    EXPECT_EQ(log.mid(140), (QStringList{Out("80"), Out("C0"), Out("40"), Out("07"), In("030E", "FF")}));
    EXPECT_TRUE(zx->Tuned());
    EXPECT_EQ(zx->W(), 22130);
    EXPECT_DOUBLE_EQ(zx->FrequencyMHz(), 100.0);
    EXPECT_FALSE(zx->StereoWanted());
    EXPECT_EQ(zx->RejectedWords(), 0);
    EXPECT_FALSE(zx->Muted());
    EXPECT_EQ(zx->Level(), 7);
}

TEST_F(Zoltrix, EmulatorDecodesTheBandEdgesAndStereo)
{
    Open();
    card.Tune(true, bFM, 87.0);
    EXPECT_EQ(zx->W(), 19530);
    EXPECT_TRUE(zx->StereoWanted());
    card.Tune(false, bFM, 108.0);
    EXPECT_EQ(zx->W(), 23730);
    EXPECT_FALSE(zx->StereoWanted());
    card.Tune(false, bFM, 98.1249); // snapped to the 5 kHz step
    EXPECT_DOUBLE_EQ(card.Frequency(), 98.125);
    EXPECT_EQ(zx->W(), 21755);
}

TEST_F(Zoltrix, MutedTuneLeavesTheLevelAlone)
{
    Open();
    card.Mute();
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("00"), In("030F", "FF")}));
    EXPECT_TRUE(zx->Muted());
    card.Tune(false, bFM, 95.0);
    const QStringList log = hw.Take();
    EXPECT_EQ(log.size(), 143);
    EXPECT_EQ(log.last(), Out("40"));
    EXPECT_TRUE(zx->Muted());
}

TEST_F(Zoltrix, SetVolumeRoundsHalvesToEven)
{
    Open();
    card.SetVolume(8); // 0.5 steps -> 0: silence
    EXPECT_EQ(card.Volume(), 0);
    EXPECT_TRUE(card.Muted());
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("00"), In("030F", "FF")}));
    EXPECT_TRUE(zx->Muted());

    card.SetVolume(24); // 1.5 steps -> 2: level 1, after waking the card from silence
    EXPECT_EQ(card.Volume(), 32);
    EXPECT_FALSE(card.Muted());
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), QStringLiteral("wait 10"), In("030E", "FF"), Out("01"),
                                      In("030C", "FF")}));
    EXPECT_FALSE(zx->Muted());
    EXPECT_EQ(zx->Level(), 1);

    card.SetVolume(56); // 3.5 -> 4, not muted: the level alone
    EXPECT_EQ(card.Volume(), 64);
    EXPECT_EQ(hw.Take(), (QStringList{Out("03"), In("030C", "FF")}));
}

TEST_F(Zoltrix, VolumeStepsAndTheirLimits)
{
    Open(256);
    card.VolumeUp();
    EXPECT_TRUE(hw.Take().isEmpty());
    EXPECT_EQ(card.Volume(), 256);

    card.VolumeDown();
    EXPECT_EQ(card.Volume(), 240);
    EXPECT_EQ(hw.Take(), (QStringList{Out("0E"), In("030C", "FF")}));
    EXPECT_FALSE(card.Muted());

    card.SetVolume(16);
    hw.log.clear();
    card.VolumeDown();
    EXPECT_EQ(card.Volume(), 0);
    EXPECT_TRUE(card.Muted());
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("00"), In("030F", "FF")}));
    card.VolumeDown();
    EXPECT_TRUE(hw.Take().isEmpty());

    card.VolumeUp();
    EXPECT_EQ(card.Volume(), 16);
    EXPECT_FALSE(card.Muted());
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), In("030C", "FF")}));
}

TEST_F(Zoltrix, UnmuteAtZeroWritesNothing)
{
    Open(0);
    card.Unmute();
    EXPECT_TRUE(hw.Take().isEmpty());

    card.InitVolume(40); // 2.5 steps -> 2
    card.Unmute();
    EXPECT_EQ(card.Volume(), 32);
    EXPECT_FALSE(card.Muted());
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("01"), In("030E", "FF")}));
}

TEST_F(Zoltrix, VolumeBelowOneStepWritesTheLowestLevel)
{
    // Opened unmuted with a stored volume of 0: tuning and the signal check
    // write a level, and a wrapped 0xFF would turn the card up to the top.
    Open(0);
    ASSERT_FALSE(card.Muted());
    card.Tune(false, bFM, 95.0);
    const QStringList tune = hw.Take();
    EXPECT_EQ(tune.mid(tune.size() - 2), (QStringList{Out("00"), In("030E", "FF")}));
    EXPECT_EQ(zx->Level(), 0);
    card.CheckSignal();
    const QStringList check = hw.Take();
    EXPECT_EQ(check.mid(0, 2), (QStringList{Out("00"), Out("00")}));
    EXPECT_EQ(check.mid(check.size() - 2), (QStringList{Out("00"), In("030E", "FF")}));
    EXPECT_EQ(zx->Level(), 0);

    // Through a sound-card line the card sits at its top level whatever the volume.
    card.SetVolumeLine(vlLineIn);
    card.Tune(false, bFM, 95.0);
    EXPECT_EQ(hw.Take().mid(143), (QStringList{Out("0F"), In("030E", "FF")}));
    card.InitVolume(256);
    card.Tune(false, bFM, 95.0);
    EXPECT_EQ(hw.Take().mid(143), (QStringList{Out("0F"), In("030E", "FF")}));
}

TEST_F(Zoltrix, SignalCheckReadsTwiceAndRestores)
{
    // The check compares with the Stereo property; the word carries what the
    // tuning was given. Both are kept equal here, as the program does.
    card.SetStereo(false);
    Open();
    card.Unmute();
    card.Tune(false, bFM, 95.0); // Vantoro Classic, stereo broadcast
    hw.log.clear();
    EXPECT_EQ(card.CheckSignal(), sgTuned);
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), Out("07"), QStringLiteral("wait 10"), In("030C", "DF"),
                                      QStringLiteral("wait 1"), In("030C", "DF"), Out("07"),
                                      In("030E", "FF")}));

    // Stereo asked for and broadcast: 0xEF.
    card.SetStereo(true);
    card.Tune(true, bFM, 95.0);
    EXPECT_EQ(card.CheckSignal(), sgTuned);
    // Stereo asked for on a mono station: the card says mono, not what was asked.
    card.Tune(true, bFM, 101.7);
    EXPECT_EQ(card.CheckSignal(), sgNone);
    card.SetStereo(false);
    card.Tune(false, bFM, 101.7);
    EXPECT_EQ(card.CheckSignal(), sgTuned);
    card.Tune(false, bFM, 90.0);
    EXPECT_EQ(card.CheckSignal(), sgNone);

    // Muted: zeros instead of the level, silence to restore.
    card.Tune(false, bFM, 95.0);
    card.Mute();
    hw.log.clear();
    EXPECT_EQ(card.CheckSignal(), sgTuned);
    const QStringList log = hw.Take();
    EXPECT_EQ(log.mid(0, 2), (QStringList{Out("00"), Out("00")}));
    EXPECT_EQ(log.mid(6), (QStringList{Out("00"), Out("00"), In("030F", "FF")}));
    EXPECT_TRUE(zx->Muted());
}

TEST_F(Zoltrix, WithoutAVolumeLineNoLevelIsWritten)
{
    card.SetVolumeLine(vlNone);
    card.Open();
    card.Unmute();
    hw.log.clear();
    card.Tune(false, bFM, 100.0);
    const QStringList log = hw.Take();
    EXPECT_EQ(log.size(), 143);
    EXPECT_EQ(zx->W(), 22130);
}

TEST(ZoltrixCard, AbsentCardGivesNoSignal)
{
    TTestHardware hw;
    TRadioCard card(hw);
    card.SetModel(mZoltrix);
    card.SetPort(2);
    card.SetVolumeLine(vlNative);
    card.Open();
    card.Tune(false, bFM, 95.0);
    EXPECT_EQ(card.CheckSignal(), sgNone);
}

TEST(ZoltrixEmulatorAlone, RejectsAWordWithWrongFixedBits)
{
    const TStationList stations = TStationList::BuiltIn();
    TZoltrixEmulator zx(stations);
    auto clock = [&](std::uint64_t word45) {
        zx.Write(0, 0x40);
        zx.Write(0, 0xC0);
        for (int p = 1; p <= 45; ++p) {
            const bool one = (word45 >> (45 - p)) & 1;
            for (std::uint8_t v : one ? std::array<std::uint8_t, 3>{0x80, 0x00, 0x80}
                                      : std::array<std::uint8_t, 3>{0xC0, 0x40, 0xC0})
                zx.Write(0, v);
        }
        zx.Write(0, 0x80);
        zx.Write(0, 0xC0);
        zx.Write(0, 0x40);
    };
    const std::uint64_t good = ZoltrixTuningWord(88.6, false) >> (64 - 45);
    clock(good ^ 1); // the last sent bit is fixed in the template
    EXPECT_FALSE(zx.Tuned());
    EXPECT_EQ(zx.RejectedWords(), 1);
    clock(good);
    EXPECT_TRUE(zx.Tuned());
    EXPECT_NEAR(zx.FrequencyMHz(), 88.6, 1e-9);
    EXPECT_EQ(zx.Read(0), 0xDF); // Harbour FM
}

TEST_F(Zoltrix, OpeningUnmutedWakesTheCardThroughBPlus2)
{
    card.InitVolume(128);
    card.Open();
    EXPECT_EQ(hw.Take(), (QStringList{Out("00"), In("030E", "FF")}));
    EXPECT_FALSE(card.Muted());
    EXPECT_FALSE(zx->Muted());
}

TEST(ZoltrixOnALine, KeepsTheUsersVolumeAndTheCardAtItsOwnTopLevel)
{
    TStationList stations = TStationList::BuiltIn();
    TTestHardware hw;
    auto emulator = std::make_unique<TZoltrixEmulator>(stations);
    TZoltrixEmulator* zx = emulator.get();
    hw.bus.Insert(0x30C, std::move(emulator));
    TRadioCard card(hw);
    card.SetModel(mZoltrix);
    card.SetPort(1);
    card.SetVolumeLine(vlLineIn); // no mixer here: the line's own writes go nowhere
    card.InitVolume(100);
    card.Open();
    card.Mute();
    card.Unmute();
    EXPECT_EQ(card.Volume(), 100);
    card.Tune(false, bFM, 95.0);
    EXPECT_EQ(zx->Level(), 15);
    EXPECT_FALSE(zx->Muted());
    EXPECT_TRUE(hw.Take().contains(Out("0F")));
}
