#include "SleepDialog.h"

#include "AlarmSetting.h"
#include "PictureDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

namespace {

// The dialog's picture: a crescent moon.
QPixmap MoonPicture()
{
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath moon;
    moon.addEllipse(QPointF(30, 32), 24, 24);
    QPainterPath bite;
    bite.addEllipse(QPointF(42, 24), 20, 20);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(240, 220, 90));
    p.drawPath(moon.subtracted(bite));
    return picture;
}

} // namespace

TSleepDialog::TSleepDialog(int minutes, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SleepDialog"));
    setWindowTitle(tr("Sleep"));

    auto* picture = new QLabel(this);
    picture->setPixmap(MoonPicture());
    auto* group = new QGroupBox(tr("Turn off radio after"), this);
    sMinutes = new QSpinBox(group);
    sMinutes->setObjectName(QStringLiteral("sMinutes"));
    sMinutes->setRange(SleepMin, SleepMax);
    sMinutes->setValue(std::clamp(minutes, SleepMin, SleepMax));
    sMinutes->findChild<QLineEdit*>()->setMaxLength(3);
    auto* row = new QHBoxLayout(group);
    row->addWidget(sMinutes);
    row->addWidget(new QLabel(tr("Minutes"), group));

    auto* btOk = LayOutPictureDialog(this, picture, group, OnHelp, QStringLiteral("Sleep_function"));
    connect(btOk, &QPushButton::clicked, this, [this] {
        minutes_ = sMinutes->value();
        accept();
    });
}
