#pragma once
// The serial port list of the settings dialog: a drop-down list that draws
// each entry as a small serial-connector picture followed by the port's name
// ("Com1", "Com2", ...). It does not look for ports; the dialog fills it.

#include <QComboBox>
#include <QPixmap>

class TComCombo : public QComboBox {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 15;
    static constexpr int FontHeight = 15;
    static constexpr int TextGap = 5; // pixels between the picture and the text

    explicit TComCombo(QWidget* parent = nullptr);

    // The "COMPORT" picture every entry shows.
    static QPixmap PortPicture();

protected:
    void paintEvent(QPaintEvent* event) override;
};
