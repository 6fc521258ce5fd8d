#pragma once
// Shown at start when the card is driven through I/O ports and the program
// was not given access to them; it ends afterwards.

#include <QDialog>
#include <QString>

class TPortAccessWarning : public QDialog {
    Q_OBJECT
public:
    // `reason`: why the system refused the access, in its own words (may be empty).
    explicit TPortAccessWarning(const QString& reason, QWidget* parent = nullptr);

    // The message as shown, one paragraph a line.
    QString Text() const { return text_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString text_;
};
