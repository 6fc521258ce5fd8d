#pragma once
// A grid of the sixteen palette colours in which the user picks two of them:
// a foreground colour (left click, or Space / Return on the focused cell) and
// a background colour (right click, or Shift with Space / Return). The arrow
// keys move the focus between the cells. The picks are marked "FG" and "BG".
// Each pick, even of the colour already picked, is followed by Change; the
// setters, used by the program itself, send nothing.

#include <QWidget>

class TColorGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int Columns = 4;
    static constexpr int Rows = 4;

    explicit TColorGrid(QWidget* parent = nullptr);

    int ForegroundIndex() const { return foreground_; }
    void SetForegroundIndex(int index);
    int BackgroundIndex() const { return background_; }
    void SetBackgroundIndex(int index);
    // A grid without a background choice (only FG is picked and shown).
    bool BackgroundEnabled() const { return backgroundEnabled_; }
    void SetBackgroundEnabled(bool enabled);

    // The cell of a palette index, in widget coordinates.
    QRect CellRect(int index) const;
    QSize sizeHint() const override { return {4 * 22 + 1, 4 * 22 + 1}; }

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int IndexAt(const QPoint& point) const;
    void Pick(int index, bool background);

    int foreground_ = 0;
    int background_ = 15;
    int focus_ = 0;
    bool backgroundEnabled_ = true;
};
