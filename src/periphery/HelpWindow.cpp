#include "HelpWindow.h"

#include "WidgetKit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

THelpWindow::THelpWindow(const QString& fileName, QWidget* parent) : QWidget(parent, Qt::Window), fileName_(fileName)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Vantoro Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 520);

    const QFileInfo info(fileName_);
    if (info.isFile() && info.isReadable()) {
        // The file's name does not say HTML; the browser judges its content.
        browser_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
        loaded_ = !browser_->document()->isEmpty();
    }
    if (!loaded_)
        browser_->setPlainText(tr("The help file %1 is missing or cannot be read.")
                                   .arg(QDir::toNativeSeparators(fileName_)));
}

QStringList THelpWindow::Topics()
{
    return {QStringLiteral("Welcome"),         QStringLiteral("Tuning_radio_frequency"),
            QStringLiteral("Volume_controls"), QStringLiteral("Edit_presets"),
            QStringLiteral("The_organizer"),   QStringLiteral("Scripting"),
            QStringLiteral("The_Alarm_function"), QStringLiteral("Sleep_function"),
            QStringLiteral("Tuning_the_configuration")};
}

void THelpWindow::ShowTopic(const QString& topic)
{
    if (loaded_) {
        QUrl url = QUrl::fromLocalFile(QFileInfo(fileName_).absoluteFilePath());
        if (HasTopic(topic)) url.setFragment(topic);
        browser_->setSource(url, QTextDocument::HtmlResource);
        if (!HasTopic(topic)) browser_->verticalScrollBar()->setValue(0);
    }
    // Placed before the native window is made, so the window manager takes
    // the place as the frame's.
    FitOnScreen(this, size(), !placed_);
    placed_ = true;
    // A modal dialog blocks every window but its own; the help it asked for
    // must stay readable and scrollable while it is up.
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* owner = modal && modal != this ? modal->windowHandle() : nullptr;
    if (!windowHandle() || windowHandle()->transientParent() != owner) {
        hide();
        create();
        windowHandle()->setTransientParent(owner);
    }
    show();
    raise();
    activateWindow();
}

QStringList THelpWindow::Anchors() const
{
    QStringList names;
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) names += it.fragment().charFormat().anchorNames();
    return names;
}

bool THelpWindow::HasTopic(const QString& topic) const { return loaded_ && Anchors().contains(topic); }

QStringList THelpWindow::BrokenLinks() const
{
    const QStringList anchors = Anchors();
    QStringList broken;
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (href.startsWith(QLatin1Char('#')) && !anchors.contains(href.mid(1)) && !broken.contains(href))
                broken += href;
        }
    return broken;
}

QString THelpWindow::CurrentTopic() const { return browser_->source().fragment(); }
