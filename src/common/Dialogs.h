#pragma once

#include "common/FailureNotice.h"

#include <QString>

// Logic links Qt6::Core only and hands its failures up as values.
#ifndef QT_WIDGETS_LIB
#error "common/Dialogs.h is for window code only"
#endif

// Every message box, input box and file dialog goes through here, so that
// tests can answer them and headless tools never block.
namespace Dialogs {

enum class Icon { None, Information, Warning, Question, Critical };

class Provider {
public:
    virtual ~Provider() = default;
    virtual void ShowMessage(const QString &sText, const QString &sTitle, Icon icon) = 0;
    // Cancel yields an empty text.
    virtual QString AskText(const QString &sPrompt, const QString &sTitle, const QString &sDefault) = 0;
    // Empty when the user cancels.
    virtual QString AskSaveFile(const QString &sTitle, const QString &sSuggestedPath) = 0;
};

// The provider stays owned by the caller; nullptr restores the silent default.
void Install(Provider *provider);

inline const QString AppTitle = QStringLiteral("Orvia");

// A message box given no title shows the application's title.
void MsgBox(const QString &sText, const QString &sTitle = QString(), Icon icon = Icon::None);
QString InputBox(const QString &sPrompt, const QString &sTitle = QString(), const QString &sDefault = QString());
QString SaveFileBox(const QString &sTitle, const QString &sSuggestedPath);

// The message box that tells of a failure the logic returned.
void ShowFailure(const FailureNotice &notice);

}  // namespace Dialogs
