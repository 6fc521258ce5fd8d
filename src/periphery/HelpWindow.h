#pragma once
// The help window: the manual "Vantoro.hlp" (an HTML file with one anchor
// per topic) in a text browser, opened at a topic. Links between topics
// follow inside the window; links to the web open in the desktop's browser.
// Closing the window only hides it, so it keeps its place and size.

#include <QStringList>
#include <QWidget>

class QTextBrowser;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(const QString& fileName, QWidget* parent = nullptr);

    // The topics the program's commands and dialogs open.
    static QStringList Topics();

    // Shows the window at `topic` (the top of the manual for a topic it does
    // not hold) and brings it to the front, within the screen's available
    // area (in its middle the first time). Opened from a modal dialog's
    // "Help", the window belongs to that dialog, which then does not block it.
    void ShowTopic(const QString& topic);

    // False when the file could not be read; the window then says so.
    bool Loaded() const { return loaded_; }
    // True when the loaded manual has an anchor named `topic`.
    bool HasTopic(const QString& topic) const;
    // Every in-page link ("#name") of the manual whose anchor is missing.
    QStringList BrokenLinks() const;
    QString CurrentTopic() const;
    QTextBrowser* Browser() const { return browser_; }

private:
    QStringList Anchors() const;

    QString fileName_;
    QTextBrowser* browser_ = nullptr;
    bool loaded_ = false;
    bool placed_ = false; // placed on the screen once; later shows keep the place
};
