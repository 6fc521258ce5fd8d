#pragma once
// Two small arrow buttons stacked on each other, as next to the step slider
// and the preset buttons: the upper arrow and the lower arrow each run their
// own command.

#include <QWidget>

class QToolButton;

class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget* parent = nullptr);

    QToolButton* TopButton() const { return top_; }
    QToolButton* BottomButton() const { return bottom_; }

signals:
    void TopClick();
    void BottomClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* top_;
    QToolButton* bottom_;
};
