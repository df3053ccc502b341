#include "cli/LineChatView.h"

LineChatView::LineChatView()
    : m_turn(*this, kBotColor, kUserColor)
{
}

bool LineChatView::TypeLine(const QString &sLine)
{
    if (!sLine.isEmpty())
        m_turn.KeyPress(sLine.front().unicode());
    SetInputText(sLine);
    return sLine.isEmpty() || !m_sInput.isEmpty();
}

void LineChatView::ClearTranscript()
{
    m_nLength = 0;
}

qsizetype LineChatView::TranscriptLength() const
{
    return m_nLength;
}

QString LineChatView::InputText() const
{
    return m_sInput;
}

void LineChatView::SetInputText(const QString &sText)
{
    m_sInput = sText;
    m_turn.InputChanged();
}
