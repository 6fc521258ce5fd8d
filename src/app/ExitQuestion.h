#pragma once
// The shutdown question: leave the radio playing after the program ends,
// switch it off, or do not exit at all.

#include <QDialog>

class QPushButton;

enum class tExitAnswer { Yes, No, Abort }; // play on, switch off, keep running

class TExitQuestion : public QDialog {
    Q_OBJECT
public:
    // `forcedMuteOnExit`: the card cannot play on once the program has let go
    // of it, so "&Yes" is not offered.
    explicit TExitQuestion(bool forcedMuteOnExit, QWidget* parent = nullptr);

    // The answer of the last run. Closing the window or Escape counts as
    // "Not &exit": nothing is switched off by a dismissed question.
    tExitAnswer Answer() const { return answer_; }
    tExitAnswer Ask(); // runs the dialog modally

    QPushButton* YesButton() const { return yes_; }
    QPushButton* NoButton() const { return no_; }
    QPushButton* NotExitButton() const { return notExit_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Finish(tExitAnswer answer);

    tExitAnswer answer_ = tExitAnswer::Abort;
    QPushButton* yes_;
    QPushButton* no_;
    QPushButton* notExit_;
};
