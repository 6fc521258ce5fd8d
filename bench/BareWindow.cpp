// A bare Qt window, the yardstick of the program's start-up: it says on the
// error output when it is first painted, as vantoro does under
// VANTORO_TRACE_STARTUP, and ends. With --text it holds a line of text, so
// it also loads the system's fonts before it shows, as any window with words
// in it must.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

namespace
{

class TBare final : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (painted_) return;
        painted_ = true;
        std::fputs("first paint\n", stderr);
        std::fflush(stderr);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TBare window;
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        (new QVBoxLayout(&window))->addWidget(new QLabel(QStringLiteral("88.000 MHz"), &window));
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(613, 211);
    window.show();
    return QApplication::exec();
}
