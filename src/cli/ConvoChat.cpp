#include "cli/ConvoChat.h"

#include "engine/Reply.h"

namespace {

const QString kBotPrefix = QStringLiteral("<Orvia> ");

// The block the watch-word shortcut answers from, which leaves no trace of its own.
ReplyTrace WatchWordTrace()
{
    ReplyTrace trace;
    trace.match = WatchWordMatch();
    return trace;
}

}  // namespace

void ConvoChat::Start()
{
    m_turn.Load();
}

void ConvoChat::GiveName(const QString &sName)
{
    m_turn.GiveName(sName);
}

TurnOutcome ConvoChat::Say(const QString &sLine)
{
    TurnOutcome outcome;
    outcome.nameTurn = !m_turn.InputMode.isEmpty();
    outcome.sPreviousKeyword = m_turn.State().lastMatch.sKeyword;
    m_sShortcutLine.clear();
    if (!TypeLine(sLine)) {
        outcome.watchWord = true;
        outcome.nameTurn = false;
        outcome.sReply = m_sShortcutLine;
        outcome.trace = WatchWordTrace();
        outcome.sUserName = m_turn.State().sUserName;
        return outcome;
    }
    m_turn.KeyPress(13);
    outcome.sUserName = m_turn.State().sUserName;
    outcome.sReply = m_sLastBotLine;
    outcome.trace = m_turn.LastTrace;
    return outcome;
}

QList<TurnOutcome> ConvoChat::AnswerAll(const SentencesFile &sentences, const std::optional<QString> &name)
{
    QList<TurnOutcome> outcomes;
    ConvoChat chat;
    for (const SentencesFile::Conversation &conversation : sentences.Conversations()) {
        chat.Start();
        if (name)
            chat.GiveName(*name);
        for (const SentencesFile::Sentence &sentence : conversation)
            outcomes.append(chat.Say(sentence.sText));
    }
    return outcomes;
}

void ConvoChat::AddColoredText(const QString &sText, LineColor sColor)
{
    CountLine(sText);
    if (sColor == kBotColor && sText.startsWith(kBotPrefix))
        m_sLastBotLine = sText.sliced(kBotPrefix.size());
}

void ConvoChat::AddtoResponseArea(const QString &sText)
{
    CountLine(sText);
    m_sShortcutLine = sText;
}
