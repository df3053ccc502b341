#include "support/ScriptedDialogs.h"

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::Install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::Install(nullptr);
}

void ScriptedDialogs::ShowMessage(const QString &sText, const QString &sTitle, Dialogs::Icon icon)
{
    messages.append({sText, sTitle, icon});
    if (onMessage)
        onMessage(messages.last());
}

QString ScriptedDialogs::AskText(const QString &, const QString &, const QString &)
{
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QString ScriptedDialogs::AskSaveFile(const QString &, const QString &)
{
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}
