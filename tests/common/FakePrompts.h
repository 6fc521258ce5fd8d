#pragma once
// Prompts answered by the test: each call is recorded, and questions and file
// dialogs take their answers from queues (No and "cancelled" when empty).

#include "Prompts.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class TFakePrompts final : public TPrompts {
public:
    struct Call {
        QString Kind; // "Message", "AskYesNo", "Choose", "OpenFileName", "SaveFileName", "Beep"
        QString Title;
        QString Text;
        tPromptIcon Icon = tPromptIcon::Information;
        tFileDialogRequest Request;
    };

    void Message(const QString& title, const QString& text, tPromptIcon icon) override
    {
        if (title == WarningTitle()) ++beeps;
        calls.push_back({QStringLiteral("Message"), title, text, icon, {}});
    }
    bool AskYesNo(const QString& title, const QString& text, tPromptIcon icon) override
    {
        if (title == WarningTitle()) ++beeps;
        calls.push_back({QStringLiteral("AskYesNo"), title, text, icon, {}});
        return Take(answers, false);
    }
    int Choose(const QString& title, const QString& text, tPromptIcon icon,
               const QStringList& buttons, int escape) override
    {
        if (title == WarningTitle()) ++beeps;
        calls.push_back({QStringLiteral("Choose"), title, text, icon, {}});
        offeredButtons = buttons;
        if (whileChoosing) whileChoosing();
        return Take(choices, escape);
    }
    QString OpenFileName(const tFileDialogRequest& request) override
    {
        calls.push_back({QStringLiteral("OpenFileName"), request.Title, {}, {}, request});
        return Take(fileNames, QString());
    }
    QString SaveFileName(const tFileDialogRequest& request) override
    {
        calls.push_back({QStringLiteral("SaveFileName"), request.Title, {}, {}, request});
        return Take(fileNames, QString());
    }
    void Beep() override
    {
        ++beeps;
        calls.push_back({QStringLiteral("Beep"), {}, {}, {}, {}});
    }

    // The texts of the message boxes shown, in order.
    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const Call& call : calls)
            if (call.Kind == QLatin1String("Message")) texts << call.Text;
        return texts;
    }

    std::deque<bool> answers;        // Yes = true
    std::deque<int> choices;         // the button pressed in a Choose box; empty = closed (escape)
    QStringList offeredButtons;      // the buttons of the last Choose box
    std::function<void()> whileChoosing; // runs while a Choose box is up
    std::deque<QString> fileNames;   // empty = cancelled
    std::vector<Call> calls;
    int beeps = 0;                   // explicit beeps and those before "Warning" boxes

private:
    template <typename T>
    static T Take(std::deque<T>& queue, T none)
    {
        if (queue.empty()) return none;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
