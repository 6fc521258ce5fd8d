#pragma once
// A line of text that scrolls when it is longer than the line: it waits a
// moment at its start, moves left a step a tick until its end has come into
// view, waits again and starts over. A text that fits stands still. The
// widget keeps its size whatever the text, so nothing around it moves.

#include <QWidget>

class QTimer;

class TScrollingText : public QWidget {
    Q_OBJECT

public:
    explicit TScrollingText(QWidget* parent = nullptr);

    // A new text starts at its beginning; the same text again goes on scrolling.
    void SetText(const QString& text);
    const QString& Text() const { return text_; }
    void SetColour(const QColor& colour);

    // How far the text is moved left, in pixels.
    int Offset() const { return offset_; }
    // One step of the scrolling (the timer's tick).
    void Tick();
    // Ticks of the waits at the start and at the end.
    static constexpr int PauseTicks = 20;
    static constexpr int StepPixels = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // How far the text must move for its end to show; 0 when it fits.
    int Overhang() const;
    void Restart();

    QString text_;
    QTimer* timer_;
    int offset_ = 0;
    int pause_ = 0;
};
