#pragma once
// A thin bar that fades from one colour at its left end to another at its
// right end: the separator between the read-out panel's digits and its
// station line.

#include <QColor>
#include <QWidget>

class TGradientBar : public QWidget {
    Q_OBJECT
public:
    explicit TGradientBar(QWidget* parent = nullptr);

    void SetColours(const QColor& left, const QColor& right);
    QColor LeftColour() const { return left_; }
    QColor RightColour() const { return right_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor left_ = Qt::white;
    QColor right_ = Qt::black;
};
