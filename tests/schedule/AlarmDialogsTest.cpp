#include "AlarmDialog.h"
#include "AlarmSetting.h"
#include "Display.h"
#include "PresetsFile.h"
#include "SleepDialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

tPresets Bank()
{
    tPresets presets;
    auto set = [&](int n, double f, std::uint8_t band, const char* name) {
        presets[n] = {QLatin1String(name), f, band, 0, 1};
    };
    set(3, 80.0, 1, "Tokai");
    set(7, 95.0, 1, "Classic");
    set(12, 0.999, 0, "Coastal");
    set(100, 108.0, 1, "Edge");
    return presets;
}

std::vector<int> Offered(const tAlarmBands& bands)
{
    std::vector<int> numbers;
    for (const tAlarmEntry& e : AlarmPresets(Bank(), bands)) numbers.push_back(e.Preset);
    return numbers;
}

QString Cells(const TAlarmDialog& dialog)
{
    QString text;
    for (const char* name : {"H1", "H2", "M1", "M2"})
        text += QLatin1Char(dialog.findChild<TDisplay*>(QLatin1String(name))->Digit());
    return text;
}

} // namespace

TEST(AlarmPresets, OnlyWhatTheCardCanReceive)
{
    EXPECT_EQ(Offered({true, false, 87.0, 108.0}), (std::vector<int>{7, 100}));
    EXPECT_EQ(Offered({true, false, 76.0, 91.0}), (std::vector<int>{3}));
    EXPECT_EQ(Offered({true, true, 87.0, 108.0}), (std::vector<int>{7, 12, 100}));
    EXPECT_EQ(Offered({false, true, 87.0, 108.0}), (std::vector<int>{12}));
    EXPECT_EQ(AlarmPresets(Bank(), {}).back().Text, QStringLiteral("00 - Edge"));
}

TEST(AlarmDialog, OpensWithTheTimeAndTheCurrentStationAndCarriesTheMinute)
{
    const auto entries = AlarmPresets(Bank(), {true, true, 87.0, 108.0});
    TAlarmDialog dialog(entries, 12, 6, 30);
    EXPECT_EQ(Cells(dialog), QStringLiteral("0630"));
    auto* presets = dialog.findChild<QComboBox*>(QStringLiteral("Presets"));
    EXPECT_EQ(presets->currentText(), QStringLiteral("12 - Coastal"));

    auto* hh = dialog.findChild<QSpinBox*>(QStringLiteral("HH"));
    auto* mm = dialog.findChild<QSpinBox*>(QStringLiteral("MM"));
    mm->setValue(59);
    mm->stepUp();
    EXPECT_EQ(hh->value(), 7);
    EXPECT_EQ(mm->value(), 0);
    hh->setValue(23);
    mm->setValue(60);
    EXPECT_EQ(Cells(dialog), QStringLiteral("0000"));

    presets->setCurrentIndex(2);
    dialog.findChild<QPushButton*>(QStringLiteral("btOk"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Hour(), 0);
    EXPECT_EQ(dialog.Minute(), 0);
    EXPECT_EQ(dialog.Preset(), 100);
}

TEST(AlarmDialog, OkNeedsAChosenPreset)
{
    TAlarmDialog none({}, 0, 6, 30);
    EXPECT_FALSE(none.findChild<QPushButton*>(QStringLiteral("btOk"))->isEnabled());

    TAlarmDialog unlisted(AlarmPresets(Bank(), {}), 3, 6, 30); // the current station is not offered
    auto* ok = unlisted.findChild<QPushButton*>(QStringLiteral("btOk"));
    EXPECT_FALSE(ok->isEnabled());
    unlisted.findChild<QComboBox*>(QStringLiteral("Presets"))->setCurrentIndex(0);
    EXPECT_TRUE(ok->isEnabled());
}

TEST(SleepDialog, OffersOneToHundredTwentyMinutes)
{
    TSleepDialog dialog(500);
    auto* minutes = dialog.findChild<QSpinBox*>(QStringLiteral("sMinutes"));
    EXPECT_EQ(minutes->value(), 120);
    EXPECT_EQ(minutes->minimum(), 1);
    minutes->setValue(45);
    dialog.findChild<QPushButton*>(QStringLiteral("btOk"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Minutes(), 45);
}
