#include "LinkLabel.h"

#include <QDesktopServices>

TLinkLabel::TLinkLabel(const QString& caption, const QUrl& target, QWidget* parent)
    : QLabel(parent), Open(&QDesktopServices::openUrl), target_(target)
{
    setTextFormat(Qt::RichText);
    setText(QStringLiteral("<a href=\"%1\">%2</a>")
                .arg(target.toString(QUrl::FullyEncoded).toHtmlEscaped(), caption.toHtmlEscaped()));
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setOpenExternalLinks(false);
    setToolTip(target.toDisplayString());
    connect(this, &QLabel::linkActivated, this, [this] {
        emit Activated(target_);
        if (Open) Open(target_);
    });
}
