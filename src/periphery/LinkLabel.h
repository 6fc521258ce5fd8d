#pragma once
// A label that shows an address as a link and opens it in the desktop's
// browser when clicked, or when activated from the keyboard.

#include <QLabel>
#include <QUrl>
#include <functional>

class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    TLinkLabel(const QString& caption, const QUrl& target, QWidget* parent = nullptr);

    QUrl Target() const { return target_; }
    // Opens the target; QDesktopServices::openUrl unless replaced.
    std::function<bool(const QUrl&)> Open;

signals:
    // Emitted with the target each time the link is followed.
    void Activated(const QUrl& target);

private:
    QUrl target_;
};
