#pragma once
// The about box: the program's name and version, what it is for, the
// folders its files are kept in, and a link to its home page when it has one.

#include <QDialog>
#include <QUrl>

class TLinkLabel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // `folders`: where the settings and the station archive are (plain text);
    // an empty `homePage` shows no link.
    TAboutBox(const QString& version, const QString& folders, const QUrl& homePage = QUrl(),
              QWidget* parent = nullptr);
    TLinkLabel* Link() const { return link_; } // null without a home page

private:
    TLinkLabel* link_ = nullptr;
};
