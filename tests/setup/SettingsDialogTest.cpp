// The settings dialog as the user works it: the model list and the port
// groups, the preview, the button rows, the key lists, OK and Cancel.

#include "SettingsDialog.h"

#include "ColorGrid.h"
#include "Display.h"
#include "Glyphs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

tSetupFacts Facts()
{
    tSetupFacts f;
    f.SerialPorts = {{1, QStringLiteral("/dev/ttyS0")}, {4, QStringLiteral("/dev/ttyUSB0")}};
    f.InstalledModel = mRadioTrack;
    f.DefaultKeys = QStringLiteral("UD0XM-+,.SA<>!EIOPQJT123ZCRLYKH678945");
    return f;
}

tSetupValues Values()
{
    tSetupValues v;
    v.Port = 2;
    v.KeyboardCommands = QStringLiteral("WD0XM-+,.SA<>!EIOPQJT123ZCRLYKH678945");
    return v;
}

template <typename T>
T* Find(const QWidget& dialog, const char* name)
{
    T* child = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

} // namespace

TEST(SetupDialog, TheModelListSwitchesThePortGroups)
{
    TSettingsDialog d(Values(), Facts());
    auto* list = Find<QListWidget>(d, "HwList");
    ASSERT_EQ(list->count(), ModelCount);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("AimsLab Radiotrack"));
    EXPECT_EQ(list->item(6)->text(), QStringLiteral("Zoltrix Radio Plus 108"));
    EXPECT_TRUE(Find<QRadioButton>(d, "Port_020C")->isChecked());
    EXPECT_FALSE(Find<QGroupBox>(d, "gPort_030C_020C")->isHidden());
    EXPECT_FALSE(Find<QLabel>(d, "Installed_030C_020C")->isHidden());

    list->setCurrentRow(mRadioMan);
    EXPECT_TRUE(Find<QGroupBox>(d, "gPort_030C_020C")->isHidden());
    EXPECT_FALSE(Find<QGroupBox>(d, "gPort_Serial")->isHidden());
    EXPECT_TRUE(Find<QLabel>(d, "Installed_Serial")->isHidden());
    EXPECT_TRUE(Find<QCheckBox>(d, "xJapFM")->isEnabled());
    auto* ports = Find<QComboBox>(d, "Port_Serial");
    ASSERT_EQ(ports->count(), 2);
    EXPECT_EQ(ports->itemText(1), QStringLiteral("Com4  /dev/ttyUSB0"));
    EXPECT_EQ(d.Values().Port, 1); // COM2 is not offered: the entry shown, Com1, is taken
    ports->setCurrentIndex(1);
    emit ports->activated(1);
    EXPECT_EQ(d.Values().Port, 4);

    list->setCurrentRow(mRadioTrack);
    EXPECT_TRUE(Find<QRadioButton>(d, "Port_020C")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(d, "xJapFM")->isEnabled());
    EXPECT_EQ(d.Values().Model, mRadioTrack);
    EXPECT_EQ(d.Values().Port, 2);

    // The list keeps its width whichever port group a model shows, also the
    // warning of a machine without port access or a long card name.
    tSetupFacts blocked = Facts();
    blocked.PortAccess = false;
    blocked.PortAccessReason =
        QStringLiteral("this kernel offers no I/O port access (ioperm: Function not implemented)");
    blocked.RadioDevices = {
        {0, QStringLiteral("/dev/radio0"), QStringLiteral("Emulated FM receiver with RDS")}};
    TSettingsDialog wide(Values(), blocked);
    auto* models = Find<QListWidget>(wide, "HwList");
    wide.show();
    QApplication::processEvents();
    const int width = models->width();
    for (int row = 0; row < ModelCount; ++row) {
        models->setCurrentRow(row);
        QApplication::processEvents();
        EXPECT_EQ(models->width(), width) << row;
    }
}

TEST(SetupDialog, AnIOPortCardThatCannotBeReachedCannotBeConfirmed)
{
    tSetupFacts facts = Facts();
    facts.PortAccess = false;
    facts.PortAccessReason = QStringLiteral("ioperm: Operation not permitted");
    TSettingsDialog d(Values(), facts);
    EXPECT_FALSE(Find<QGroupBox>(d, "gWinNT")->isHidden());
    EXPECT_TRUE(Find<QGroupBox>(d, "gPort_030C_020C")->isHidden());
    EXPECT_FALSE(Find<QPushButton>(d, "btOk")->isEnabled());
    EXPECT_EQ(Find<QLabel>(d, "LWinNTReason")->text(), facts.PortAccessReason);
    EXPECT_TRUE(Find<QLabel>(d, "LWinNT")->text().contains(QStringLiteral("CAP_SYS_RAWIO")));
    Find<QListWidget>(d, "HwList")->setCurrentRow(mWizard);
    EXPECT_TRUE(Find<QPushButton>(d, "btOk")->isEnabled());
    EXPECT_TRUE(Find<QGroupBox>(d, "gWinNT")->isHidden());
}

TEST(SetupDialog, ThePreviewFollowsStyleAndColours)
{
    TSettingsDialog d(Values(), Facts());
    Find<QRadioButton>(d, "oSeg7")->click();
    auto* cell = Find<TDisplay>(d, "Dig3");
    EXPECT_EQ(cell->DigitStyle(), ds7Seg);
    EXPECT_EQ(cell->SegWidth(), 4);
    EXPECT_EQ(d.Values().Style, 3);

    auto* digits = Find<TColorGrid>(d, "oDigit");
    QTest::mouseClick(digits, Qt::LeftButton, {}, digits->CellRect(12).center());
    QTest::mouseClick(digits, Qt::RightButton, {}, digits->CellRect(4).center());
    EXPECT_EQ(cell->OnColor(), PaletteColour(12));
    EXPECT_EQ(cell->OffColor(), PaletteColour(4));
    EXPECT_EQ(d.Values().Foreground, 12);
    EXPECT_EQ(d.Values().Background, 4);
    auto* panel = Find<TColorGrid>(d, "oPanel");
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->CellRect(7).center());
    EXPECT_EQ(cell->BackColor(), PaletteColour(7));
    EXPECT_EQ(d.Values().ColorPanel, 7);

    // Text colour 3: bright yellow labels; "Tuned" blinks between bright and dim.
    Find<QToolButton>(d, "tbt3")->click();
    EXPECT_EQ(Find<QLabel>(d, "Station")->palette().color(QPalette::WindowText), PaletteColour(11));
    auto* tuned = Find<QLabel>(d, "Tuned");
    auto* alarm = Find<QLabel>(d, "icAlarmOnOff");
    d.TimerTimer();
    const QColor first = tuned->palette().color(QPalette::WindowText);
    const QImage firstPicture = alarm->pixmap().toImage();
    d.TimerTimer();
    EXPECT_NE(tuned->palette().color(QPalette::WindowText), first);
    EXPECT_NE(alarm->pixmap().toImage(), firstPicture);
    EXPECT_TRUE((first == PaletteColour(11)) != (tuned->palette().color(QPalette::WindowText) == PaletteColour(11)));
}

TEST(SetupDialog, PresetRowsGiveUpEachOthersColours)
{
    TSettingsDialog d(Values(), Facts());
    EXPECT_FALSE(Find<QToolButton>(d, "abt0FM")->isEnabled()); // AM holds 0 from the start
    Find<QToolButton>(d, "abt3AM")->click();
    EXPECT_FALSE(Find<QToolButton>(d, "abt3FM")->isEnabled());
    EXPECT_TRUE(Find<QToolButton>(d, "abt0FM")->isEnabled());
    EXPECT_FALSE(Find<QToolButton>(d, "nbt3")->isEnabled());
    EXPECT_TRUE(Find<QToolButton>(d, "gbt3")->isEnabled());
    EXPECT_EQ(d.Values().ButtonColours[brFavAM], 3);
}

TEST(SetupDialog, KeyListsRefuseAKeyInUseAndResetToTheDefaults)
{
    TSettingsDialog d(Values(), Facts());
    auto* mute = Find<QComboBox>(d, "cmMuteOnOff");
    auto* up = Find<QComboBox>(d, "cmVolumeUp");
    EXPECT_EQ(up->currentText(), QStringLiteral("W"));
    EXPECT_EQ(mute->currentText(), QStringLiteral("M"));
    mute->setCurrentIndex(mute->findText(QStringLiteral("W")));
    EXPECT_EQ(mute->currentText(), QStringLiteral("M"));
    EXPECT_EQ(d.Values().KeyboardCommands[4], QLatin1Char('M'));
    mute->setCurrentIndex(mute->findText(QStringLiteral("N")));
    EXPECT_EQ(d.Values().KeyboardCommands[4], QLatin1Char('N'));

    Find<QPushButton>(d, "btDefault")->click();
    EXPECT_EQ(up->currentText(), QStringLiteral("U"));
    EXPECT_EQ(Find<QComboBox>(d, "cmMinimalVolBtnPre")->currentText(), QStringLiteral("5"));
    EXPECT_EQ(mute->currentText(), QStringLiteral("M"));
}

TEST(SetupDialog, OkAcceptsAndHelpOpensTheTopic)
{
    TSettingsDialog d(Values(), Facts());
    QString topic;
    d.OnHelp = [&topic](const QString& t) { topic = t; };
    Find<QPushButton>(d, "btHelp")->click();
    EXPECT_EQ(topic, QStringLiteral("Tuning_the_configuration"));
    Find<QCheckBox>(d, "oStartMuted")->click();
    Find<QRadioButton>(d, "oLeave")->click();
    Find<QPushButton>(d, "btOk")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(d.Values().StartMuted);
    EXPECT_EQ(d.Values().ShutDown, 1);
}

TEST(SetupDialog, ARadioDeviceIsChosenFromTheDevicesFoundWithTheirCardNames)
{
    tSetupFacts facts = Facts();
    facts.PortAccess = false; // radio devices need no I/O ports
    facts.RadioDevices = {{1, QStringLiteral("/dev/radio0"), QStringLiteral("Si470x FM Radio")},
                          {2, QStringLiteral("/dev/radio3"), QStringLiteral("Vantoro emulated radio")}};
    TSettingsDialog d(Values(), facts);
    Find<QListWidget>(d, "HwList")->setCurrentRow(mV4L2);
    EXPECT_FALSE(Find<QGroupBox>(d, "gPort_Radio")->isHidden());
    EXPECT_TRUE(Find<QGroupBox>(d, "gWinNT")->isHidden());
    EXPECT_TRUE(Find<QPushButton>(d, "btOk")->isEnabled());
    auto* radios = Find<QComboBox>(d, "Port_Radio");
    ASSERT_EQ(radios->count(), 2);
    EXPECT_EQ(radios->currentIndex(), 0);
    EXPECT_EQ(radios->itemText(1), QStringLiteral("/dev/radio3  Vantoro emulated radio"));
    emit radios->activated(1);
    EXPECT_EQ(d.Values().Model, mV4L2);
    EXPECT_EQ(d.Values().Port, 2);
}

TEST(SetupDialog, UsbSoundOptionIsForRadioDevicesAndKept)
{
    TSettingsDialog d(Values(), Facts());
    auto* option = Find<QCheckBox>(d, "xUsbAudio");
    EXPECT_TRUE(option->isChecked());
    EXPECT_FALSE(option->isEnabled());
    Find<QListWidget>(d, "HwList")->setCurrentRow(mV4L2);
    ASSERT_TRUE(option->isEnabled());
    option->click();
    EXPECT_FALSE(d.Values().UsbAudio);
}

TEST(SetupDialog, TheVolumePageSpeaksOfASoundCardOnlyWhenThereIsOne)
{
    for (const bool soundCard : {false, true}) {
        tSetupFacts facts = Facts();
        facts.SoundCard = soundCard;
        TSettingsDialog d(Values(), facts);
        const QString text =
            Find<QLabel>(d, "LSoundCards")->text() + Find<QLabel>(d, "LMessage")->text();
        EXPECT_EQ(text.contains(QStringLiteral("sound cards were detected")), soundCard)
            << soundCard;
        EXPECT_EQ(text.contains(QStringLiteral("No sound card is installed")), !soundCard)
            << soundCard;
    }
}
