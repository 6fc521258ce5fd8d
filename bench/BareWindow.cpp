// A bare Qt window, the yardstick of the program's start-up: it says on the
// error output when it is first painted, as vantoro does under
// VANTORO_TRACE_STARTUP, and ends.

#include <QApplication>
#include <QTimer>
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
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(613, 211);
    window.show();
    return QApplication::exec();
}
