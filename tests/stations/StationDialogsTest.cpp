#include "FakePrompts.h"
#include "JumpToDialog.h"
#include "NumEdit.h"
#include "PresetsEditor.h"
#include "SimulatedHardware.h"
#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

template <typename T>
T* Child(QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(QLatin1String(name));
    if (!child) throw std::runtime_error(std::string("no widget ") + name); // fails the test, not the run
    return child;
}

TEST(JumpToDialogTest, ReadsTheUsersDecimalMarkOrAPointAndHandsBackTheSnappedFrequency)
{
    const struct {
        const char* locale;
        const char* typed;
    } cases[] = {{"it_IT", "99,1"}, {"de_DE", "99.1"}, {"C", "99.1"}};
    for (const auto& [locale, typed] : cases) {
        TScopedLocale scoped{QLocale(QLatin1String(locale))};
        tJumpCard card;
        card.FMStep = 0.025;
        TJumpToDialog dialog(card);
        EXPECT_FALSE(Child<QToolButton>(dialog, "btAM")->isEnabled());
        EXPECT_EQ(Child<QLabel>(dialog, "LFreq")->text(), QStringLiteral("MHz"));
        auto* freq = Child<TNumEdit>(dialog, "Freq");
        freq->clear();
        QTest::keyClicks(freq, QLatin1String(typed));
        EXPECT_EQ(Child<QSlider>(dialog, "sFreq")->value(), 99100) << locale;
        Child<QPushButton>(dialog, "btOk")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_NEAR(dialog.Frequency(), 99.1, 1e-9) << locale;
    }
}

TEST(JumpToDialogTest, TheEditClampsAndTheSliderWritesBack)
{
    tJumpCard card;
    card.HasAM = true;
    TJumpToDialog dialog(card);
    // "Frequency" keeps clear of the band buttons in the font in use.
    dialog.show();
    const QLabel* label = nullptr;
    for (const QLabel* l : dialog.findChildren<QLabel*>())
        if (l->text() == QLatin1String("Frequency")) label = l;
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->x() + label->fontMetrics().horizontalAdvance(label->text()) + 4,
              Child<QToolButton>(dialog, "btFM")->x());
    auto* freq = Child<TNumEdit>(dialog, "Freq");
    freq->clear();
    QTest::keyClicks(freq, QStringLiteral("150"));
    EXPECT_EQ(Child<QSlider>(dialog, "sFreq")->value(), 108000);
    Child<QSlider>(dialog, "sFreq")->setValue(100013);
    EXPECT_EQ(freq->text(), QLocale().toString(100.0, 'f', 3));
    Child<QToolButton>(dialog, "btAM")->click();
    EXPECT_EQ(freq->maxLength(), 5);
    EXPECT_EQ(freq->text(), QLocale().toString(0.531, 'f', 3));
    Child<QToolButton>(dialog, "btFM")->click();
    EXPECT_EQ(freq->text(), QLocale().toString(100.0, 'f', 3));
}

class PresetsEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hw.InsertCard(mRadioTrack);
        card.SetModel(mRadioTrack);
        card.SetPort(1);
        card.Open();
        card.Tune(false, bFM, 95.0);
        for (int n : {1, 2}) {
            bank[n].Used = 1;
            bank[n].Frequency = n == 1 ? 87.0 : 101.7;
            bank[n].Name = QStringLiteral("Station %1").arg(n);
        }
        setup.StepMax = 40;
    }

    TSimulatedHardware hw{TStationList::BuiltIn(), false};
    TRadioCard card{hw};
    // Jobs run at once on the test's thread: what the editor asks is done when the call returns.
    TCardThread cards{card, TCardThread::tMode::Inline};
    tPresets bank;
    tPresetsDraftSetup setup;
    TFakePrompts prompts;
};

TEST_F(PresetsEditorTest, ADuplicateShowsTheWarningAndDisablesOkAndSave)
{
    TPresetsEditor dialog(bank, setup, cards, prompts);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit presets - Internal"));
    EXPECT_FALSE(Child<QLabel>(dialog, "ErrMsg")->isVisibleTo(&dialog));
    dialog.Editor().Select(3);
    QTest::keyClicks(Child<QLineEdit>(dialog, "StationName"), QStringLiteral("Copy"));
    EXPECT_TRUE(Child<QLabel>(dialog, "ErrMsg")->isVisibleTo(&dialog));
    for (const char* name : {"btOk", "btSave"}) EXPECT_FALSE(Child<QPushButton>(dialog, name)->isEnabled()) << name;
    for (const char* name : {"miSave", "miSaveAs"}) EXPECT_FALSE(Child<QAction>(dialog, name)->isEnabled()) << name;
    EXPECT_EQ(Child<QLabel>(dialog, "StoredEntries")->text(), QStringLiteral("Stored entries: 3"));
    Child<QToolButton>(dialog, "btTuneNext")->click();
    EXPECT_TRUE(Child<QPushButton>(dialog, "btOk")->isEnabled());
}

TEST_F(PresetsEditorTest, TheAmScaleMarksLeaveAGapBetweenThem)
{
    bank[3].Used = 1;
    bank[3].Band = 0;
    bank[3].Frequency = 0.999;
    TPresetsEditor dialog(bank, setup, cards, prompts);
    Child<QListWidget>(dialog, "Presets")->setCurrentRow(2);
    for (int i = 1; i <= 12; ++i) {
        const QLabel* mark =
            dialog.findChild<QLabel*>(QStringLiteral("Freq%1").arg(i, 2, 10, QLatin1Char('0')));
        ASSERT_NE(mark, nullptr);
        ASSERT_TRUE(mark->isVisibleTo(&dialog)) << i;
        // The marks stand 24 pixels apart.
        EXPECT_LE(mark->fontMetrics().horizontalAdvance(mark->text()), 22)
            << mark->text().toStdString();
    }
}

TEST_F(PresetsEditorTest, ListenEndsAfterItsTimerAndTheCardGoesBack)
{
    TPresetsEditor dialog(bank, setup, cards, prompts);
    auto* listen = Child<QPushButton>(dialog, "btListen");
    auto* preview = Child<QTimer>(dialog, "Preview");
    listen->click();
    EXPECT_TRUE(listen->isChecked());
    EXPECT_EQ(card.Frequency(), 87.0);
    ASSERT_TRUE(preview->isActive());
    EXPECT_EQ(preview->interval(), 5000);
    preview->start(0); // the five seconds pass
    ASSERT_TRUE(QTest::qWaitFor([&] { return !listen->isChecked(); }, 2000));
    EXPECT_EQ(card.Frequency(), 95.0);
    EXPECT_EQ(listen->text(), QStringLiteral("Listen"));
}

TEST_F(PresetsEditorTest, CancelWithChangesStaysOpenOnNo)
{
    TPresetsEditor dialog(bank, setup, cards, prompts);
    dialog.show();
    Child<QPushButton>(dialog, "btClear")->click();
    Child<QPushButton>(dialog, "btCancel")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompts.calls.size(), 1u);
    prompts.answers.push_back(true);
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(bank[1].Used);
}

} // namespace
