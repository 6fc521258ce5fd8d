#include "TipOfDay.h"

#include "RegularFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

TTipOfDay::TTipOfDay(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TipOfDay"));
    setWindowTitle(tr("Tip of the day"));

    auto* heading = new QLabel(tr("Did you know..."), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);

    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("lbTip"));
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setTextFormat(Qt::PlainText);
    text_->setMinimumSize(400, 100);
    text_->setFrameShape(QFrame::StyledPanel);
    text_->setMargin(8);

    showAtStart_ = new QCheckBox(tr("Show tips at start-up"), this);
    showAtStart_->setObjectName(QStringLiteral("cbShowAtStart"));
    next_ = new QPushButton(tr("&Next tip"), this);
    next_->setObjectName(QStringLiteral("btNext"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("btClose"));
    close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showAtStart_);
    buttons->addStretch(1);
    buttons->addWidget(next_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);

    connect(next_, &QPushButton::clicked, this, &TTipOfDay::NextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    ShowCurrent();
}

QStringList TTipOfDay::ParseTips(const QString& text)
{
    QStringList tips;
    QStringList lines;
    auto flush = [&] {
        if (!lines.isEmpty()) tips.append(lines.join(QLatin1Char(' ')));
        lines.clear();
    };
    const QStringList all = text.split(QLatin1Char('\n'));
    for (const QString& raw : all) {
        if (raw.startsWith(QLatin1Char('#'))) continue;
        const QString line = raw.trimmed(); // also drops the CR of CR LF files
        if (line.isEmpty()) flush();
        else lines.append(line);
    }
    flush();
    return tips;
}

bool TTipOfDay::LoadTips(const QString& fileName)
{
    // A tips file is a few KiB; nothing that is not a regular file, or is
    // far larger, is taken for one.
    QByteArray text;
    QStringList tips;
    if (ReadRegularFile(fileName, 1024 * 1024, text)) tips = ParseTips(QString::fromUtf8(text));
    if (tips.isEmpty())
        missingNote_ = tr("No tips to show: the tips file %1 is missing or empty.")
                           .arg(QDir::toNativeSeparators(fileName));
    SetTips(tips);
    return !tips.isEmpty();
}

void TTipOfDay::SetTips(const QStringList& tips)
{
    tips_ = tips;
    current_ = 0;
    ShowCurrent();
}

void TTipOfDay::SetCurrentTip(int index)
{
    if (tips_.isEmpty()) return;
    const int n = int(tips_.size());
    current_ = ((index % n) + n) % n;
    ShowCurrent();
}

QString TTipOfDay::CurrentText() const
{
    if (tips_.isEmpty()) return text_->text();
    return tips_.at(current_);
}

void TTipOfDay::NextTip() { SetCurrentTip(current_ + 1); }

void TTipOfDay::SetShowAtStart(bool show) { showAtStart_->setChecked(show); }
bool TTipOfDay::ShowAtStart() const { return showAtStart_->isChecked(); }

void TTipOfDay::ShowCurrent()
{
    if (tips_.isEmpty()) {
        text_->setText(missingNote_.isEmpty() ? tr("No tips to show.") : missingNote_);
        next_->setEnabled(false);
        return;
    }
    // Non-breaking hyphens, so "--simulate" is never split across two lines.
    QString shown = tips_.at(current_);
    shown.replace(QLatin1Char('-'), QChar(0x2011));
    text_->setText(shown);
    next_->setEnabled(tips_.size() > 1);
}

bool TTipOfDay::Run(const QString& fileName, bool showAtStart, QWidget* parent)
{
    TTipOfDay dialog(parent);
    if (dialog.LoadTips(fileName))
        dialog.SetCurrentTip(int(QRandomGenerator::global()->bounded(dialog.TipCount())));
    dialog.SetShowAtStart(showAtStart);
    dialog.exec();
    return dialog.ShowAtStart();
}
