#pragma once
// The about box: the program's name and version, what it is for, and a link
// to its home page.

#include <QDialog>
#include <QUrl>

class TLinkLabel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(const QString& version, const QUrl& homePage, QWidget* parent = nullptr);
    TLinkLabel* Link() const { return link_; }

private:
    TLinkLabel* link_ = nullptr;
};
