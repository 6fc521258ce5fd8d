#include "ComCombo.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {
// Draws one entry: the picture, then the text TextGap pixels to its right.
void DrawEntry(QPainter& painter, const QRect& rect, const QString& text, const QPalette& palette,
               bool selected)
{
    const QPixmap picture = TComCombo::PortPicture();
    const int top = rect.top() + (rect.height() - picture.height()) / 2;
    painter.drawPixmap(rect.left() + 1, top, picture);
    const QRect textRect(rect.left() + 1 + picture.width() + TComCombo::TextGap, rect.top(),
                         rect.width() - picture.width() - TComCombo::TextGap - 1, rect.height());
    painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
}

class TComComboDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
        painter->setFont(option.font);
        DrawEntry(*painter, option.rect, index.data(Qt::DisplayRole).toString(), option.palette, selected);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(TComCombo::ItemHeight);
        return size;
    }
};
} // namespace

TComCombo::TComCombo(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    QFont f = font();
    f.setPixelSize(FontHeight);
    setFont(f);
    setItemDelegate(new TComComboDelegate(this));
    view()->setFont(f);
    setIconSize(PortPicture().size());
}

QPixmap TComCombo::PortPicture()
{
    // A nine-pin D connector seen from the front: the shell as a trapezoid,
    // five pins over four. Drawn here because the program ships no pictures.
    QPixmap picture(16, 11);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shell;
    shell.moveTo(0.5, 1.5);
    shell.lineTo(15.5, 1.5);
    shell.lineTo(13.0, 9.5);
    shell.lineTo(3.0, 9.5);
    shell.closeSubpath();
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
    painter.setBrush(QColor(190, 190, 200));
    painter.drawPath(shell);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30));
    for (int i = 0; i < 5; ++i) painter.drawEllipse(QRectF(2.6 + i * 2.3, 3.4, 1.6, 1.6));
    for (int i = 0; i < 4; ++i) painter.drawEllipse(QRectF(3.8 + i * 2.3, 6.4, 1.6, 1.6));
    return picture;
}

void TComCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0) DrawEntry(painter, field, currentText(), palette(), false);
}
