#pragma once
// The tip of the day: one tip at a time from the tips file, a "Next" button
// and the "Show tips at start-up" box whose state the caller saves.
//
// Tips file format (UTF-8 text): tips are separated by one or more blank
// lines; the lines of one tip are joined with a space, so a long tip may be
// wrapped in the file. Lines whose first character is "#" are comments.
// Leading and trailing blanks of each line are dropped.

#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;

class TTipOfDay : public QDialog {
    Q_OBJECT
public:
    explicit TTipOfDay(QWidget* parent = nullptr);

    // The tips found in a file's text, in file order.
    static QStringList ParseTips(const QString& text);

    // Reads the tips file. A file that is missing, unreadable or holds no tip
    // leaves the dialog with a short note instead of a tip, and gives false.
    bool LoadTips(const QString& fileName);
    void SetTips(const QStringList& tips);
    int TipCount() const { return int(tips_.size()); }

    // Which tip is shown; wraps around after the last.
    void SetCurrentTip(int index);
    int CurrentTip() const { return current_; }
    QString CurrentText() const; // the tip as in the file, or the note shown instead
    void NextTip();

    void SetShowAtStart(bool show);
    bool ShowAtStart() const;

    // Shows the dialog over `fileName`, starting at a tip chosen at random, and
    // gives back the start-up flag as the user left it (also after the
    // window's close box or Escape).
    static bool Run(const QString& fileName, bool showAtStart, QWidget* parent = nullptr);

private:
    void ShowCurrent();

    QStringList tips_;
    int current_ = 0;
    QString missingNote_;
    QLabel* text_;
    QCheckBox* showAtStart_;
    QPushButton* next_;
};
