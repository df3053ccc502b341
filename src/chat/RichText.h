#pragma once

#include "chat/ChatView.h"
#include "common/Dialogs.h"

#include <QColor>
#include <QString>
#include <QTextEdit>

QColor ToQColor(LineColor color);

// Appends sText as one new line; only the appended characters take the colour.
void AddColoredText(const QString &sText, LineColor sColor, QTextEdit *sTarget);
// Rewrites the transcript as plain text plus one new line: earlier colours are
// dropped and everything shows in the area's default character format.
void AddtoResponseArea(const QString &sText, QTextEdit *sTarget);
// In characters, with each line break counted as a carriage return and a line feed.
qsizetype TranscriptLength(const QTextEdit *sTarget);

// The transcript part of a window's view, over the window's text area: one
// routine for the chat and the self-conversation windows.
template <class View>
class TextEditTranscript : public View {
public:
    void AddColoredText(const QString &sText, LineColor sColor) override { ::AddColoredText(sText, sColor, TranscriptArea()); }
    void AddtoResponseArea(const QString &sText) override { ::AddtoResponseArea(sText, TranscriptArea()); }
    void ClearTranscript() override { TranscriptArea()->clear(); }
    qsizetype TranscriptLength() const override { return ::TranscriptLength(TranscriptArea()); }
    void ShowFailure(const FailureNotice &notice) override { Dialogs::ShowFailure(notice); }

protected:
    virtual QTextEdit *TranscriptArea() const = 0;
};
