// The mixer window over the emulated sound card.

#include "EmulatedMixerDevice.h"
#include "MixerDialog.h"
#include "MixerSupport.h"
#include "RadioCards.h"
#include "SimulatedHardware.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

class MixerDialog : public ::testing::Test {
protected:
    void Open(tVolumeLine line = vlLineIn) { dialog = std::make_unique<TMixerDialog>(OpenOn(card), line); }
    template <typename T> T* Find(const char* name)
    {
        T* widget = dialog->findChild<T*>(QLatin1String(name));
        if (!widget) ADD_FAILURE() << "no " << name;
        return widget;
    }
    QSlider* Slider(const char* name) { return Find<QSlider>(name); }
    long Line(int channel) const { return card->Volume(QStringLiteral("Line"), channel); }

    std::shared_ptr<TEmulatedSoundCard> card = TEmulatedSoundCard::Standard();
    std::unique_ptr<TMixerDialog> dialog;
};

TEST_F(MixerDialog, ShowsTheCardAsItIsAndTheRadiosLineInBold)
{
    card->SetVolume(QStringLiteral("CD"), 10, 20);
    Open(vlCd);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Mixer control"));
    EXPECT_EQ(Slider("mVolume")->orientation(), Qt::Vertical);
    EXPECT_EQ(Slider("mVolume")->maximum(), 31);
    EXPECT_EQ(Slider("LiVolume")->maximum(), 65535);
    EXPECT_EQ(Slider("LiVolume")->value(), 49152);
    EXPECT_EQ(Slider("CdVolume")->value(), 20);
    EXPECT_EQ(Slider("CdPanning")->value(), 50);
    EXPECT_EQ(Slider("LiPanning")->minimum(), -100);
    EXPECT_FALSE(Slider("MicPanning")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("MicMute")->isChecked()) << "the microphone starts muted";
    EXPECT_FALSE(Find<QPushButton>("LiMute")->isChecked());
    EXPECT_EQ(Slider("aBass")->maximum(), 15);
    EXPECT_EQ(Slider("aTreble")->value(), 8);
    EXPECT_TRUE(Find<QLabel>("CdLabel")->font().bold());
    EXPECT_FALSE(Find<QLabel>("LiLabel")->font().bold());
    EXPECT_FALSE(Find<QLabel>("MicLabel")->font().bold());
    EXPECT_EQ(card->Volume(QStringLiteral("CD"), 0), 10) << "showing the card changes nothing";
}

TEST_F(MixerDialog, BalanceSplitsTheVolumeBetweenTheChannels)
{
    EXPECT_EQ(TMixerDialog::ChannelsFromSliders(200, -100), std::make_pair(200, 0));
    EXPECT_EQ(TMixerDialog::ChannelsFromSliders(200, 50), std::make_pair(100, 200));
    EXPECT_EQ(TMixerDialog::BalanceFromChannels(100, 200), 50);
    EXPECT_EQ(TMixerDialog::BalanceFromChannels(200, 0), -100);
    EXPECT_EQ(TMixerDialog::BalanceFromChannels(0, 0), 0);

    Open();
    Slider("LiPanning")->setValue(-100);
    Slider("LiVolume")->setValue(200);
    EXPECT_EQ(Line(0), 200);
    EXPECT_EQ(Line(1), 0);
    Slider("LiPanning")->setValue(50);
    EXPECT_EQ(Line(0), 100);
    EXPECT_EQ(Line(1), 200);
}

TEST_F(MixerDialog, FollowsOutsideChangesAndSilenceKeepsTheBalance)
{
    Open();
    Slider("LiPanning")->setValue(40);
    card->SetVolume(QStringLiteral("Line"), 0, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Slider("LiVolume")->value() == 0; }, 2000));
    EXPECT_EQ(Slider("LiPanning")->value(), 40);
    EXPECT_EQ(Line(0), 0) << "following the card writes nothing back";

    card->SetVolume(QStringLiteral("Line"), 1000, 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Slider("LiVolume")->value() == 1000; }, 2000));
    EXPECT_EQ(Slider("LiPanning")->value(), -50);
    EXPECT_EQ(Line(1), 500);

    card->SetSwitch(QStringLiteral("Line"), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Find<QPushButton>("LiMute")->isChecked(); }, 2000));
    card->SetVolume(QStringLiteral("Tone Control - Bass"), 3, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Slider("aBass")->value() == 3; }, 2000));
}

TEST_F(MixerDialog, ButtonsMuteTheLineAndAskForHelp)
{
    Open();
    QString topic;
    dialog->OnHelp = [&](const QString& t) { topic = t; };
    QTest::mouseClick(Find<QPushButton>("btHelp"), Qt::LeftButton);
    EXPECT_EQ(topic, QStringLiteral("Volume_controls"));

    QTest::mouseClick(Find<QPushButton>("LiMute"), Qt::LeftButton);
    EXPECT_FALSE(card->SwitchOn(QStringLiteral("Line"), 0));
    QTest::mouseClick(Find<QPushButton>("LiMute"), Qt::LeftButton);
    EXPECT_TRUE(card->SwitchOn(QStringLiteral("Line"), 0));

    Slider("aTreble")->setValue(12);
    EXPECT_EQ(card->Volume(QStringLiteral("Tone Control - Treble"), 0), 12);
}

TEST_F(MixerDialog, MissingLineIsDisabledAndTheWindowStillOpens)
{
    card->Remove(QStringLiteral("CD"));
    card->Remove(QStringLiteral("Tone Control - Bass"));
    Open(vlCd);
    for (const char* name : {"CdVolume", "CdPanning", "aBass"})
        EXPECT_FALSE(Slider(name)->isEnabled()) << name;
    EXPECT_FALSE(Find<QPushButton>("CdMute")->isEnabled());
    EXPECT_TRUE(Slider("LiVolume")->isEnabled());
    EXPECT_TRUE(Slider("aTreble")->isEnabled());
    dialog->show();
    EXPECT_TRUE(dialog->isVisible());

    TMixerDialog none(nullptr, vlLineIn);
    EXPECT_FALSE(none.findChild<QSlider*>(QStringLiteral("mVolume"))->isEnabled());
    EXPECT_FALSE(none.findChild<QPushButton*>(QStringLiteral("LiMute"))->isEnabled());
}

TEST_F(MixerDialog, ChangesHereReachTheRadioCard)
{
    TSimulatedHardware sim(TStationList::BuiltIn(), false);
    QString why;
    TRadioCard radio(sim, OpenSoundCardMixer(sim, &why));
    ASSERT_TRUE(radio.SoundCardPresent()) << why.toStdString();
    int volume = -1;
    radio.OnMixerChange = [&](TRadioCard*, int v, bool) { volume = v; };
    radio.SetModel(mRadioTrack);
    radio.SetPort(1);
    radio.SetVolumeLine(vlLineIn);
    radio.Open();

    QString dialogWhy;
    TMixerDialog window(OpenSoundCardMixer(sim, &dialogWhy), radio.VolumeLine());
    window.findChild<QSlider*>(QStringLiteral("LiVolume"))->setValue(255 * 128);
    ASSERT_TRUE(QTest::qWaitFor([&] { return volume == 128; }, 2000));
}
