#include "uSetupStandIn.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

tdSetupStandIn::tdSetupStandIn(tModel model, int port, QWidget* parent)
    : QDialog(parent), table_(BuildModelTable())
{
    setObjectName(QStringLiteral("tdSetup"));
    setWindowTitle(QStringLiteral("Vantoro settings"));

    auto* intro = new QLabel(QStringLiteral("Choose your radio card and the port it is on."), this);
    models_ = new QListWidget(this);
    models_->setObjectName(QStringLiteral("HwList"));
    for (const tDevCap& caps : table_) models_->addItem(ModelText(caps));
    models_->setFixedHeight(models_->sizeHintForRow(0) * ModelCount + 2 * models_->frameWidth() + 4);
    ports_ = new QComboBox(this);
    ports_->setObjectName(QStringLiteral("PortList"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Radio card:"), models_);
    form->addRow(QStringLiteral("Port:"), ports_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);

    const int row = std::clamp(int(model), 0, ModelCount - 1);
    models_->setCurrentRow(row);
    FillPorts(port);
    // Each model has its own ports; a new model starts on its default port.
    connect(models_, &QListWidget::currentRowChanged, this, [this] { FillPorts(0); });
}

QString tdSetupStandIn::ModelText(const tDevCap& caps) { return caps.Maker + QLatin1Char(' ') + caps.Name; }

QStringList tdSetupStandIn::PortTexts(const tDevCap& caps)
{
    QStringList texts;
    for (int i = 1; i <= caps.PortCount && i < int(caps.Ports.size()); ++i) {
        if (caps.Connection == cnIOPort)
            texts.append(QStringLiteral("0x") + QString::number(caps.Ports[i], 16).toUpper());
        else
            texts.append(QStringLiteral("COM") + QString::number(caps.Ports[i]));
    }
    return texts;
}

void tdSetupStandIn::FillPorts(int port)
{
    const tDevCap& caps = table_[std::clamp(models_->currentRow(), 0, ModelCount - 1)];
    const QStringList texts = PortTexts(caps);
    ports_->clear();
    ports_->addItems(texts);
    const int index = port >= 1 && port <= texts.size() ? port : caps.DefaultPort;
    ports_->setCurrentIndex(std::clamp(index, 1, int(texts.size())) - 1);
}

tCardChoice tdSetupStandIn::Choice() const
{
    tCardChoice choice;
    choice.Model = tModel(std::clamp(models_->currentRow(), 0, ModelCount - 1));
    choice.Port = ports_->currentIndex() + 1;
    return choice;
}

std::optional<tCardChoice> tdSetupStandIn::Ask(tModel model, int port, QWidget* parent)
{
    tdSetupStandIn dialog(model, port, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}
