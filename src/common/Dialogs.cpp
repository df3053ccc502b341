#include "common/Dialogs.h"

namespace Dialogs {

namespace {

// Used until the application installs the real one: shows nothing, answers Cancel.
class SilentProvider final : public Provider {
public:
    void ShowMessage(const QString &, const QString &, Icon) override {}
    QString AskText(const QString &, const QString &, const QString &) override { return {}; }
    QString AskSaveFile(const QString &, const QString &) override { return {}; }
};

SilentProvider silent;
Provider *current = &silent;

QString TitleOrDefault(const QString &sTitle)
{
    return sTitle.isEmpty() ? AppTitle : sTitle;
}

}  // namespace

void Install(Provider *provider)
{
    current = provider ? provider : &silent;
}

void MsgBox(const QString &sText, const QString &sTitle, Icon icon)
{
    current->ShowMessage(sText, TitleOrDefault(sTitle), icon);
}

QString InputBox(const QString &sPrompt, const QString &sTitle, const QString &sDefault)
{
    return current->AskText(sPrompt, TitleOrDefault(sTitle), sDefault);
}

QString SaveFileBox(const QString &sTitle, const QString &sSuggestedPath)
{
    return current->AskSaveFile(TitleOrDefault(sTitle), sSuggestedPath);
}

void ShowFailure(const FailureNotice &notice)
{
    switch (notice.kind) {
    case FailureNotice::Kind::Plain: return MsgBox(notice.sText, notice.sTitle);
    case FailureNotice::Kind::Warning: return MsgBox(notice.sText, notice.sTitle, Icon::Warning);
    case FailureNotice::Kind::Critical: return MsgBox(notice.sText, notice.sTitle, Icon::Critical);
    }
}

}  // namespace Dialogs
