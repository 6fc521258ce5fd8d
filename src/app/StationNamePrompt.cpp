#include "StationNamePrompt.h"

#include "Helpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// Limits the name by characters: QLineEdit's own limit counts UTF-16 units,
// which would cut a name of accented or non-Latin letters short or split one.
class TCharLimit final : public QValidator {
public:
    TCharLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override
    {
        return CharCount(input) <= limit_ ? Acceptable : Invalid;
    }
    void fixup(QString& input) const override { input = LeftChars(input, limit_); }

private:
    int limit_;
};

} // namespace

TStationNamePrompt::TStationNamePrompt(const QString& name, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("StationNamePrompt"));
    setWindowTitle(tr("Asking for station name"));
    // A small tool window: a title and a close box, nothing to minimise or
    // maximise (without the customise hint the window manager adds both).
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* label = new QLabel(tr("Station name"), this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("sName"));
    // Two UTF-16 units per character at most; the validator counts characters.
    edit_->setMaxLength(2 * MaxNameLength);
    edit_->setValidator(new TCharLimit(MaxNameLength, edit_));
    edit_->setText(LeftChars(name, MaxNameLength));
    edit_->selectAll();
    edit_->setMinimumWidth(260);
    label->setBuddy(edit_);

    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btCancel"));
    cancel->setAutoDefault(false);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TStationNamePrompt::Name() const { return edit_->text(); }

std::optional<QString> TStationNamePrompt::Ask(const QString& name, QWidget* parent)
{
    TStationNamePrompt dialog(name, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return TrimBlanks(dialog.Name());
}
