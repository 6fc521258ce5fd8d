#pragma once
// The prompts as the user sees them: Qt message boxes and file dialogs.

#include "Prompts.h"

class QWidget;

class TQtPrompts final : public TPrompts {
public:
    // Boxes and dialogs are centred on the modal dialog that is up, else on
    // `parent` (may be null).
    explicit TQtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(const QString& title, const QString& text, tPromptIcon icon) override;
    bool AskYesNo(const QString& title, const QString& text, tPromptIcon icon) override;
    int Choose(const QString& title, const QString& text, tPromptIcon icon,
               const QStringList& buttons, int escape) override;
    QString OpenFileName(const tFileDialogRequest& request) override;
    QString SaveFileName(const tFileDialogRequest& request) override;
    void Beep() override;

    // The window the next box or file dialog opens over.
    QWidget* Owner() const;

private:
    QWidget* parent_; // not owned
};
