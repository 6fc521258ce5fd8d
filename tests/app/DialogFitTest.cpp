// Every window the program opens lies within the screen's available area with
// its buttons on it, in English and in every translation (German runs about a
// third longer). ctest runs this twice: on a 1024x600 screen at 96 DPI and on a
// 1280x800 screen at 144 DPI (QT_FONT_DPI), see CMakeLists.txt.

#include "MainDialogs.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "Translations.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>

namespace
{

QString Text(const QRect& r)
{
    return QStringLiteral("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

bool InScrollArea(QWidget* widget)
{
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<QScrollArea*>(w)) return true;
    return false;
}

// The window's frame and every push button outside a scroll area lie on the
// screen's available area.
void ExpectOnScreen(QWidget* window, const QString& what, bool hasButtons = true)
{
    ASSERT_NE(window, nullptr) << qPrintable(what);
    const QRect area = window->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << qPrintable(what) << ": " << qPrintable(Text(window->frameGeometry())) << " on "
        << qPrintable(Text(area));
    int buttons = 0;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (!button->isVisible() || InScrollArea(button)) continue;
        ++buttons;
        const QRect r(button->mapToGlobal(QPoint(0, 0)), button->size());
        EXPECT_TRUE(area.contains(r)) << qPrintable(what) << ": " << qPrintable(button->text())
                                      << " at " << qPrintable(Text(r));
    }
    EXPECT_EQ(buttons > 0, hasButtons) << qPrintable(what);
}

// A page in a scroll area shows its whole width: only scrolling down is
// left to the user on a small screen.
void ExpectNoSidewaysScrolling(QWidget* page, const QString& what)
{
    auto* scroll = qobject_cast<QScrollArea*>(page);
    ASSERT_NE(scroll, nullptr) << qPrintable(what);
    ASSERT_NE(scroll->widget(), nullptr) << qPrintable(what);
    EXPECT_LE(scroll->widget()->minimumSizeHint().width(), scroll->viewport()->width())
        << qPrintable(what) << ": the page needs " << scroll->widget()->minimumSizeHint().width()
        << " pixels, " << scroll->viewport()->width() << " are shown";
}

class DialogFit : public MainWindowTest, public ::testing::WithParamInterface<const char*>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UseLanguage(QLatin1String(GetParam())));
        // The dialogs below are in that language, not English.
        if (QLatin1String(GetParam()) != QLatin1String("en")) {
            ASSERT_NE(QCoreApplication::translate("TSettingsDialog", "Start minimized"), QStringLiteral("Start minimized"));
        }
    }
    void TearDown() override { UseLanguage(QStringLiteral("en")); }

    // The window with the dialogs the user sees, not the test's answers.
    TMainWindow& StartWithRealDialogs()
    {
        TMainEnv env;
        env.ProgramDir = dir.path();
        env.Hardware = hardware;
        env.Prompts = &prompts;
        env.Dialogs = &real;
        env.Now = [this] { return now; };
        env.BeforeOpen = [this](tModel model) { hw.InsertCard(model); };
        env.OnError = [this](const QString& what) { errors << what; };
        window = std::make_unique<TMainWindow>(std::move(env));
        EXPECT_TRUE(window->Start());
        window->AfterFirstPaint();
        return *window;
    }

    TQtMainDialogs real;
};

TEST_P(DialogFit, EveryDialogLiesWithinTheScreen)
{
    WriteConfigured("TipOfTheDay=1\nShutDown=2\n");
    // The tip of the day comes up during the start.
    WhenModal([](QWidget* d) {
        ExpectOnScreen(d, QStringLiteral("tip of the day"));
        d->close();
    });
    TMainWindow& w = StartWithRealDialogs();

    const auto closeIt = [](QWidget* d) { d->close(); };
    const struct {
        const char* name;
        std::function<void(TMainWindow&)> open;
        std::function<void(QWidget*)> answer;
    } dialogs[] = {
        // The name prompt stores preset 1, which the later dialogs need.
        {"name prompt",
         [](TMainWindow& m) {
             m.Stations_Memory();
             m.btRadioClick(1);
         },
         [](QWidget* d) { static_cast<QDialog*>(d)->accept(); }},
        {"mixer", [](TMainWindow& m) { m.Volume_Mixer(); }, closeIt},
        {"about", [](TMainWindow& m) { m.Help_About(); }, closeIt},
        {"alarm", [](TMainWindow& m) { m.Actions_Alarm(); }, closeIt},
        {"sleep", [](TMainWindow& m) { m.Actions_Sleep(); }, closeIt},
        {"script editor", [](TMainWindow& m) { m.Actions_Prog(); }, closeIt},
        {"presets editor", [](TMainWindow& m) { m.Stations_EditPresets(); }, closeIt},
        {"archive dialog", [](TMainWindow& m) { m.Stations_Organize(); }, closeIt},
        {"jump to", [](TMainWindow& m) { m.Actions_Jump(); }, closeIt},
        {"settings", [](TMainWindow& m) { m.Options_Settings(); },
         [](QWidget* d) {
             auto* pages = d->findChild<QTabWidget*>(QStringLiteral("Pages"));
             ASSERT_NE(pages, nullptr);
             for (int i = 0; i < pages->count(); ++i) {
                 pages->setCurrentIndex(i);
                 QApplication::processEvents();
                 ExpectOnScreen(d, QStringLiteral("settings, page ") + pages->tabText(i));
                 ExpectNoSidewaysScrolling(pages->currentWidget(),
                                           QStringLiteral("settings, page ") + pages->tabText(i));
             }
             // The first page with the receiver's group, which shows only
             // when the SDR is chosen.
             auto* models = d->findChild<QListWidget*>(QStringLiteral("HwList"));
             auto* receiver = d->findChild<QGroupBox*>(QStringLiteral("gSdr"));
             ASSERT_NE(models, nullptr);
             ASSERT_NE(receiver, nullptr);
             pages->setCurrentIndex(0);
             models->setCurrentRow(int(mSdr));
             QApplication::processEvents();
             EXPECT_TRUE(receiver->isVisible());
             ExpectOnScreen(d, QStringLiteral("settings, receiver"));
             ExpectNoSidewaysScrolling(pages->currentWidget(),
                                       QStringLiteral("settings, receiver"));
             d->close();
         }},
        {"exit question", [](TMainWindow& m) { m.close(); }, closeIt},
    };
    for (const auto& row : dialogs) {
        bool seen = false;
        WhenModal([&row, &seen](QWidget* d) {
            seen = true;
            ExpectOnScreen(d, QLatin1String(row.name));
            row.answer(d);
        });
        row.open(w);
        EXPECT_TRUE(seen) << row.name;
    }
    EXPECT_EQ(window->Presets().UsedCount(), 1);

    // The help window, also when the size it had last time is too large.
    for (const QSize saved : {QSize(), QSize(3000, 2000)}) {
        window.reset();
        WriteConfigured(qPrintable(QStringLiteral("[Help]\nWidth=%1\nHeight=%2\n")
                                       .arg(saved.width())
                                       .arg(saved.height())));
        StartWithRealDialogs().Help_Topics();
        QWidget* help = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("HelpWindow") && top->isVisible()) help = top;
        ExpectOnScreen(
            help,
            QStringLiteral("help window, saved size %1x%2").arg(saved.width()).arg(saved.height()),
            false);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogFit, ::testing::Values("en", "de", "fr", "it", "es"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
