#pragma once
// Every question and message the program puts to the user goes through this
// interface, so the logic behind it runs in tests that answer for the user.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

enum class tPromptIcon { Error, Information, Warning, Stop, Question };

// What a file dialog is asked for. `filter` is in the file dialog's own form:
// "Vantoro presets (*.vxp);;Plain text (*.txt);;All files (*)".
struct tFileDialogRequest {
    QString Title;
    QString Filter;
    QString DefaultSuffix; // added to a name typed without one
    QString Directory;
    QString FileName;      // proposed name
};

class TPrompts {
public:
    virtual ~TPrompts() = default;

    // A message box with one OK button. Boxes titled "Warning" sound the
    // default beep first.
    virtual void Message(const QString& title, const QString& text, tPromptIcon icon) = 0;
    // A Yes/No box; true for Yes. Beeps first when titled "Warning".
    virtual bool AskYesNo(const QString& title, const QString& text, tPromptIcon icon) = 0;
    // A box with the buttons named, in order; the index of the one pressed,
    // or `escape` when the box is closed otherwise. Beeps first when titled
    // "Warning".
    virtual int Choose(const QString& title, const QString& text, tPromptIcon icon,
                       const QStringList& buttons, int escape) = 0;
    // The chosen file's full name, or empty when the user cancels.
    virtual QString OpenFileName(const tFileDialogRequest& request) = 0;
    // As above; asks before an existing file is overwritten.
    virtual QString SaveFileName(const tFileDialogRequest& request) = 0;
    // The default beep.
    virtual void Beep() = 0;
};

// The title that makes a box beep first.
inline QString WarningTitle() { return QCoreApplication::translate("Prompts", "Warning"); }
