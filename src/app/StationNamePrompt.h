#pragma once
// The name prompt of the presets bank: a small tool window with one field.

#include <QDialog>
#include <QString>
#include <optional>

class QLineEdit;

class TStationNamePrompt : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxNameLength = 40; // characters, not bytes

    explicit TStationNamePrompt(const QString& name, QWidget* parent = nullptr);

    // The field as typed, untrimmed.
    QString Name() const;
    QLineEdit* NameEdit() const { return edit_; }

    // Asks with `name` filled in; the new name trimmed on OK, nothing on Cancel.
    static std::optional<QString> Ask(const QString& name, QWidget* parent = nullptr);

private:
    QLineEdit* edit_;
};
