#include "QtPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace {

QMessageBox::Icon BoxIcon(tPromptIcon icon)
{
    switch (icon) {
    case tPromptIcon::Error:
    case tPromptIcon::Stop: return QMessageBox::Critical;
    case tPromptIcon::Information: return QMessageBox::Information;
    case tPromptIcon::Warning: return QMessageBox::Warning;
    case tPromptIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// A box titled "Warning" shows the warning sign whatever its caller asked
// for, and a box that asks shows the question mark: the picture never says
// something other than the title and the buttons.
QMessageBox::Icon MessageIcon(const QString& title, tPromptIcon icon)
{
    return title == WarningTitle() ? QMessageBox::Warning : BoxIcon(icon);
}

// Widens a box to its title: a short question under a long title would
// otherwise cut the title short ("Clear ...orites"). The room beside the
// title is for the window's icon and buttons, in lines of the box's font.
void FitTitle(QMessageBox& box)
{
    QFont font = box.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

QString RunFileDialog(QWidget* parent, const tFileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    // A folder that is not there would be taken for a file's name.
    const QString folder = QFileInfo(request.Directory).isDir() ? request.Directory : QDir::homePath();
    QFileDialog dialog(parent, request.Title, folder, request.Filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QWidget* TQtPrompts::Owner() const
{
    // A dialog that asks owns its boxes, so they open over it rather than
    // over the main window, which is hidden while a dialog is up.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_;
}

void TQtPrompts::Message(const QString& title, const QString& text, tPromptIcon icon)
{
    if (title == WarningTitle()) Beep();
    QMessageBox box(MessageIcon(title, icon), title, text, QMessageBox::Ok, Owner());
    FitTitle(box);
    box.exec();
}

bool TQtPrompts::AskYesNo(const QString& title, const QString& text, tPromptIcon icon)
{
    if (title == WarningTitle()) Beep();
    Q_UNUSED(icon);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, Owner());
    FitTitle(box);
    return box.exec() == QMessageBox::Yes;
}

int TQtPrompts::Choose(const QString& title, const QString& text, tPromptIcon icon,
                       const QStringList& buttons, int escape)
{
    if (title == WarningTitle()) Beep();
    QMessageBox box(MessageIcon(title, icon), title, text, QMessageBox::NoButton, parent_);
    std::vector<QAbstractButton*> added;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        added.push_back(box.addButton(buttons[i], i == escape ? QMessageBox::RejectRole
                                                              : QMessageBox::AcceptRole));
    if (escape >= 0 && escape < int(added.size())) box.setEscapeButton(added[std::size_t(escape)]);
    if (!added.empty()) box.setDefaultButton(qobject_cast<QPushButton*>(added.front()));
    box.exec();
    const auto pressed = std::find(added.begin(), added.end(), box.clickedButton());
    return pressed == added.end() ? escape : int(pressed - added.begin());
}

QString TQtPrompts::OpenFileName(const tFileDialogRequest& request)
{
    return RunFileDialog(Owner(), request, QFileDialog::AcceptOpen);
}

QString TQtPrompts::SaveFileName(const tFileDialogRequest& request)
{
    // The save dialog confirms overwriting an existing file by default.
    return RunFileDialog(Owner(), request, QFileDialog::AcceptSave);
}

void TQtPrompts::Beep() { QApplication::beep(); }
