#pragma once

#include "common/Dialogs.h"

// The dialogs a person sees: Qt message boxes, input boxes and file dialogs.
class QtDialogs final : public Dialogs::Provider {
public:
    void ShowMessage(const QString &sText, const QString &sTitle, Dialogs::Icon icon) override;
    QString AskText(const QString &sPrompt, const QString &sTitle, const QString &sDefault) override;
    QString AskSaveFile(const QString &sTitle, const QString &sSuggestedPath) override;
};
