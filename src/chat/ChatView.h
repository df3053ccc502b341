#pragma once

#include "common/FailureNotice.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// A line colour as a 32-bit value with red in the low byte, green in the next
// and blue in the third.
using LineColor = quint32;

constexpr LineColor Rgb(int r, int g, int b)
{
    return LineColor(r & 0xFF) | (LineColor(g & 0xFF) << 8) | (LineColor(b & 0xFF) << 16);
}

// What the conversation classes need of a window's transcript.
class TranscriptView {
public:
    virtual ~TranscriptView() = default;

    // Appends sText as one new line in the colour given (AddColoredText).
    virtual void AddColoredText(const QString &sText, LineColor sColor) = 0;
    // Replaces the transcript by its plain text plus one new line (AddtoResponseArea).
    virtual void AddtoResponseArea(const QString &sText) = 0;
    virtual void ClearTranscript() = 0;
    // In characters, each line break counted as a carriage return and a line feed.
    virtual qsizetype TranscriptLength() const = 0;
    // Tells the user of a failure the conversation met; returns when the user has seen it.
    virtual void ShowFailure(const FailureNotice &notice) = 0;

    void ShowFailures(const QList<FailureNotice> &notices)
    {
        for (const FailureNotice &notice : notices)
            ShowFailure(notice);
    }
};

// A chat window: a transcript and a single-line input box.
class ChatView : public TranscriptView {
public:
    virtual QString InputText() const = 0;
    virtual void SetInputText(const QString &sText) = 0;
};

// A self-conversation window: a transcript and a timer.
class SelfTalkView : public TranscriptView {
public:
    virtual void SetTimerEnabled(bool bEnabled) = 0;
    virtual bool TimerEnabled() const = 0;
};
