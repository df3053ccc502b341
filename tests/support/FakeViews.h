#pragma once

#include "chat/ChatView.h"

#include <QList>
#include <QStringList>

#include <functional>

// A transcript kept as lines with their colours; the plain rewrite drops every
// colour. Failures are recorded; onFailure acts as the user would while one is shown.
template <class View>
class FakeTranscript : public View {
public:
    static constexpr LineColor kNoColor = ~LineColor(0);
    QStringList lines;
    QList<LineColor> colors;
    QList<FailureNotice> failures;
    std::function<void(const FailureNotice &)> onFailure;

    void AddColoredText(const QString &sText, LineColor sColor) override
    {
        lines << sText;
        colors << sColor;
    }
    void AddtoResponseArea(const QString &sText) override
    {
        lines << sText;
        colors.fill(kNoColor, lines.size());
    }
    void ClearTranscript() override
    {
        lines.clear();
        colors.clear();
    }
    void ShowFailure(const FailureNotice &notice) override
    {
        failures << notice;
        if (onFailure)
            onFailure(notice);
    }
    qsizetype TranscriptLength() const override
    {
        qsizetype n = 0;
        for (const QString &s : lines)
            n += s.size() + 2;
        return n;
    }
};

struct FakeChat final : FakeTranscript<ChatView> {
    QString input;
    QString InputText() const override { return input; }
    void SetInputText(const QString &sText) override { input = sText; }
};

struct FakeTalk final : FakeTranscript<SelfTalkView> {
    bool timer = false;
    void SetTimerEnabled(bool bEnabled) override { timer = bEnabled; }
    bool TimerEnabled() const override { return timer; }
};
