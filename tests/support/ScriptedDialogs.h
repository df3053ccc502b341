#pragma once

#include "common/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Records every dialog shown and answers input boxes from a script; installs
// itself for its lifetime.
class ScriptedDialogs final : public Dialogs::Provider {
public:
    struct Shown {
        QString sText;
        QString sTitle;
        Dialogs::Icon icon;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void ShowMessage(const QString &sText, const QString &sTitle, Dialogs::Icon icon) override;
    QString AskText(const QString &sPrompt, const QString &sTitle, const QString &sDefault) override;
    QString AskSaveFile(const QString &sTitle, const QString &sSuggestedPath) override;

    // Answers for the next input boxes / save dialogs, in order; an exhausted
    // script answers as Cancel does (an empty text).
    QStringList answers;
    QStringList saveAnswers;

    QList<Shown> messages;

    // Called while a message box is "open", to act as the user would then.
    std::function<void(const Shown &)> onMessage;
};
