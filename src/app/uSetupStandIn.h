#pragma once
// The first-run card choice until the full settings dialog exists: the
// receiver model and its port, nothing else. The other settings stay as read.

#include "RadioCards.h"

#include <QDialog>
#include <QStringList>
#include <optional>

class QComboBox;
class QListWidget;

struct tCardChoice {
    tModel Model = mRadioTrack;
    int Port = 1; // index into the model's port list, 1-based
};

class tdSetupStandIn : public QDialog {
    Q_OBJECT
public:
    // `model` and `port` as read from the settings; `port` 0 (not chosen, or
    // out of range for the model) selects the model's default port.
    tdSetupStandIn(tModel model, int port, QWidget* parent = nullptr);

    // Text of one model line ("AimsLab Radiotrack") and of a model's ports
    // ("0x30C", "0x20C"; "COM1".."COM8"), in port-index order.
    static QString ModelText(const tDevCap& caps);
    static QStringList PortTexts(const tDevCap& caps);

    tCardChoice Choice() const;
    QListWidget* ModelList() const { return models_; }
    QComboBox* PortList() const { return ports_; }

    // Runs the dialog; the choice on OK, nothing on Cancel.
    static std::optional<tCardChoice> Ask(tModel model, int port, QWidget* parent = nullptr);

private:
    void FillPorts(int port);

    tDevCaps table_;
    QListWidget* models_;
    QComboBox* ports_;
};
