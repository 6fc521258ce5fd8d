#include "QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
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
    }
    return QMessageBox::NoIcon;
}

QString RunFileDialog(QWidget* parent, const tFileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.Title, request.Directory, request.Filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

void TQtPrompts::Message(const QString& title, const QString& text, tPromptIcon icon)
{
    if (title == WarningTitle()) Beep();
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool TQtPrompts::AskYesNo(const QString& title, const QString& text, tPromptIcon icon)
{
    if (title == WarningTitle()) Beep();
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

int TQtPrompts::Choose(const QString& title, const QString& text, tPromptIcon icon,
                       const QStringList& buttons, int escape)
{
    if (title == WarningTitle()) Beep();
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::NoButton, parent_);
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
    return RunFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

QString TQtPrompts::SaveFileName(const tFileDialogRequest& request)
{
    // The save dialog confirms overwriting an existing file by default.
    return RunFileDialog(parent_, request, QFileDialog::AcceptSave);
}

void TQtPrompts::Beep() { QApplication::beep(); }
