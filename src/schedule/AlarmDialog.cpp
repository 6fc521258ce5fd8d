#include "AlarmDialog.h"

#include "Display.h"
#include "PictureDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The dialog's picture: an alarm clock.
QPixmap ClockPicture()
{
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(230, 200, 60));
    p.drawEllipse(QPointF(14, 14), 8, 8);
    p.drawEllipse(QPointF(50, 14), 8, 8);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(32, 36), 24, 24);
    p.drawLine(QPointF(32, 36), QPointF(32, 20));
    p.drawLine(QPointF(32, 36), QPointF(44, 40));
    return picture;
}

TDisplay* Cell(QWidget* parent, const char* name)
{
    auto* cell = new TDisplay(parent);
    cell->setObjectName(QLatin1String(name));
    cell->setFixedSize(22, 34);
    cell->SetOnColor(Qt::green);  // lime
    cell->SetOffColor(QColor(0, 128, 0));
    cell->SetBackColor(Qt::black);
    cell->SetPenOnColor(Qt::black);
    cell->SetPenOffColor(Qt::black);
    cell->SetSegWidth(3);
    cell->SetMargin(3);
    cell->SetDigit('0');
    return cell;
}

// The two lime squares between hours and minutes.
QWidget* Colon(QWidget* parent)
{
    auto* colon = new QWidget(parent);
    colon->setFixedSize(8, 34);
    auto* layout = new QVBoxLayout(colon);
    layout->setContentsMargins(2, 9, 2, 9);
    for (int i = 0; i < 2; ++i) {
        auto* dot = new QWidget(colon);
        dot->setFixedSize(4, 4);
        dot->setStyleSheet(QStringLiteral("background: lime;"));
        layout->addWidget(dot);
    }
    return colon;
}

QSpinBox* Spin(QWidget* parent, const char* name, int max, int value)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, max);
    spin->setValue(value);
    spin->findChild<QLineEdit*>()->setMaxLength(2);
    return spin;
}

} // namespace

TAlarmDialog::TAlarmDialog(const std::vector<tAlarmEntry>& presets, int currentPreset, int hour, int minute,
                 QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AlarmDialog"));
    setWindowTitle(tr("Alarm setting"));

    auto* picture = new QLabel(this);
    picture->setPixmap(ClockPicture());
    picture->setAlignment(Qt::AlignTop);

    auto* group = new QGroupBox(tr("Set alarm time"), this);
    HH = Spin(group, "HH", 23, hour);
    // 60 is only a carry into the next hour.
    MM = Spin(group, "MM", 60, minute);

    auto* panel = new QWidget(group);
    panel->setAutoFillBackground(true);
    panel->setStyleSheet(QStringLiteral("background: black;"));
    auto* cells = new QHBoxLayout(panel);
    cells->setContentsMargins(4, 4, 4, 4);
    cells->setSpacing(2);
    cells_ = {Cell(panel, "H1"), Cell(panel, "H2"), Cell(panel, "M1"), Cell(panel, "M2")};
    cells->addWidget(cells_[0]);
    cells->addWidget(cells_[1]);
    cells->addWidget(Colon(panel));
    cells->addWidget(cells_[2]);
    cells->addWidget(cells_[3]);

    Presets = new QComboBox(group);
    Presets->setObjectName(QStringLiteral("Presets"));
    for (const tAlarmEntry& entry : presets) {
        Presets->addItem(entry.Text, entry.Preset);
        if (entry.Preset == currentPreset) Presets->setCurrentIndex(Presets->count() - 1);
    }
    if (Presets->findData(currentPreset) < 0) Presets->setCurrentIndex(-1);

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Hour"), group), 0, 0);
    grid->addWidget(HH, 0, 1);
    grid->addWidget(panel, 0, 2, 2, 1);
    grid->addWidget(new QLabel(tr("Minutes"), group), 1, 0);
    grid->addWidget(MM, 1, 1);
    grid->addWidget(new QLabel(tr("Jump to"), group), 2, 0);
    grid->addWidget(Presets, 2, 1, 1, 2);

    btOk = LayOutPictureDialog(this, picture, group, OnHelp, QStringLiteral("The_Alarm_function"));
    connect(HH, &QSpinBox::valueChanged, this, &TAlarmDialog::HHChange);
    connect(MM, &QSpinBox::valueChanged, this, &TAlarmDialog::MMChange);
    connect(Presets, &QComboBox::currentIndexChanged, this, &TAlarmDialog::SetOkState);
    connect(btOk, &QPushButton::clicked, this, &TAlarmDialog::btOkClick);
    MMChange(); // a minute of 60 handed in is carried too
}

void TAlarmDialog::ShowTime()
{
    const QString text = QStringLiteral("%1%2").arg(HH->value(), 2, 10, QLatin1Char('0')).arg(MM->value(), 2, 10, QLatin1Char('0'));
    for (int i = 0; i < 4; ++i) cells_[std::size_t(i)]->SetDigit(char(text[i].toLatin1()));
}

void TAlarmDialog::HHChange()
{
    ShowTime();
    SetOkState();
}

void TAlarmDialog::MMChange()
{
    int hour = HH->value(), minute = MM->value();
    CarryMinute(hour, minute);
    if (minute != MM->value()) {
        const QSignalBlocker blockHour(HH), blockMinute(MM);
        HH->setValue(hour);
        MM->setValue(minute);
    }
    HHChange();
}

void TAlarmDialog::SetOkState()
{
    btOk->setEnabled(Presets->count() > 0 && Presets->currentIndex() >= 0 && HH->value() <= 23 &&
                     MM->value() < 60);
}

void TAlarmDialog::btOkClick()
{
    hour_ = HH->value();
    minute_ = MM->value();
    preset_ = EntryPreset(Presets->currentText());
    accept();
}
