#include "cli/ConvoFile.h"

#include "cli/ByteLines.h"
#include "common/TextFile.h"
#include "engine/Blanks.h"

namespace {

bool IsBlankOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView TrimBlanksAndTabs(QStringView s)
{
    while (!s.isEmpty() && IsBlankOrTab(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && IsBlankOrTab(s.back()))
        s.chop(1);
    return s;
}

const QString kKinds = QStringLiteral("code, line, follow-up, fallback, ~, !~, = or any");

}  // namespace

ConvoFile ConvoFile::Parse(QByteArrayView bytes)
{
    ConvoFile file;
    ByteLines lines(bytes);
    int nLine = 0;
    while (!lines.AtEnd()) {
        if (file.m_errors.size() >= kMaxErrors) {
            file.m_nUnreadLines = lines.CountRest();
            return file;
        }
        const QByteArrayView raw = lines.Next();
        ++nLine;
        if (!TextFile::IsUtf8(raw)) {
            file.AddError(nLine, QStringLiteral("not UTF-8: save the test file as UTF-8"));
            continue;
        }
        if (raw.contains('\0')) {
            file.AddError(nLine, QStringLiteral("a NUL character, which no test line holds"));
            continue;
        }
        file.ReadLine(QString::fromUtf8(raw), nLine);
    }
    file.EndConversation();
    if (file.m_conversations.isEmpty() && file.m_errors.isEmpty())
        file.AddError(0, QStringLiteral("holds no conversation: write \"> \" and a sentence"));
    return file;
}

void ConvoFile::ReadLine(QStringView sLine, int nLine)
{
    const QStringView s = TrimBlanksAndTabs(sLine);
    if (s.isEmpty()) {
        EndConversation();
        return;
    }
    if (s.startsWith(u'#'))
        return;
    if (!s.startsWith(u'>') && !s.startsWith(u'<') && !s.startsWith(u"name:")) {
        AddError(nLine, QStringLiteral("not a test line: it begins with \"> \" (a sentence), \"< \" (an expectation), \"name: \", "
                                       "\"#\" (a comment), or is blank (a new conversation)"));
        return;
    }
    if (!m_inConversation) {
        m_open = ScriptedConversation{nLine, false, QString(), {}};
        m_inConversation = true;
    }
    if (s.startsWith(u'>')) {
        // One blank after ">" belongs to the mark; the rest is what is typed.
        QStringView sSay = s.sliced(1);
        if (sSay.startsWith(u' '))
            sSay = sSay.sliced(1);
        m_open.turns.append(ConvoTurn{sSay.toString(), nLine, {}});
    } else if (s.startsWith(u'<')) {
        if (m_open.turns.isEmpty())
            AddError(nLine, QStringLiteral("an expectation before any sentence: write \"> \" and what the user says first"));
        else
            ReadExpectation(TrimBlanks(s.sliced(1)), nLine);
    } else {
        const QString sName = TrimBlanks(s.sliced(5)).toString();
        if (!m_open.turns.isEmpty() || m_open.hasName)
            AddError(nLine, QStringLiteral("\"name:\" only opens a conversation: put a blank line before it"));
        else if (sName.isEmpty())
            AddError(nLine, QStringLiteral("\"name:\" without a name"));
        else {
            m_open.hasName = true;
            m_open.sName = sName;
        }
    }
}

void ConvoFile::ReadExpectation(QStringView sRest, int nLine)
{
    Expectation e;
    e.nSourceLine = nLine;
    // The text marks need no blank after them: "~topping" reads as "~ topping".
    for (const auto &[sMark, kind] : {std::pair{u"!~", Expectation::HoldsNot}, {u"~", Expectation::Holds}, {u"=", Expectation::Equals}}) {
        if (!sRest.startsWith(sMark))
            continue;
        e.kind = kind;
        e.sText = TrimBlanks(sRest.sliced(QStringView(sMark).size())).toString();
        if (e.sText.isEmpty() && kind != Expectation::Equals)
            return AddError(nLine, QStringLiteral("\"%1\" without a text to look for").arg(sMark));
        m_open.turns.last().expectations.append(e);
        return;
    }
    const qsizetype nBlank = sRest.indexOf(u' ');
    const QStringView sKind = nBlank < 0 ? sRest : sRest.first(nBlank);
    const QStringView sArg = nBlank < 0 ? QStringView() : TrimBlanks(sRest.sliced(nBlank));
    if (sKind == u"fallback" || sKind == u"any") {
        if (!sArg.isEmpty())
            return AddError(nLine, QStringLiteral("\"%1\" takes nothing after it").arg(sKind));
        e.kind = sKind == u"any" ? Expectation::Any : Expectation::Fallback;
    } else if (sKind == u"code") {
        const qsizetype nCodeEnd = sArg.indexOf(u' ');
        e.kind = Expectation::Code;
        e.sText = (nCodeEnd < 0 ? sArg : sArg.first(nCodeEnd)).toString();
        e.sFile = nCodeEnd < 0 ? QString() : TrimBlanks(sArg.sliced(nCodeEnd)).toString();
        if (e.sText.isEmpty() || e.sText.size() > 4)
            return AddError(nLine, QStringLiteral("\"code\" needs a code of one to four characters, then the response file if you like"));
    } else if (sKind == u"line") {
        e.kind = Expectation::Line;
        const qsizetype nColon = sArg.lastIndexOf(u':');
        bool ok = true;
        e.nLine = nColon < 0 ? 0 : sArg.sliced(nColon + 1).toInt(&ok);
        e.sText = (nColon < 0 ? sArg : sArg.first(nColon)).toString();
        if (e.sText.isEmpty() || !ok || (nColon >= 0 && e.nLine < 1))
            return AddError(nLine, QStringLiteral("\"line\" needs an index file and a line number from 1: \"line keywords.txt:12\""));
    } else if (sKind == u"follow-up") {
        e.kind = Expectation::FollowUp;
        e.sText = sArg.toString();
        if (e.sText.isEmpty())
            return AddError(nLine, QStringLiteral("\"follow-up\" needs the index file the answer leaves for the next sentence"));
    } else if (sKind.isEmpty()) {
        return AddError(nLine, QStringLiteral("\"<\" alone: write what the reply must satisfy after it: %1").arg(kKinds));
    } else {
        return AddError(nLine, QStringLiteral("\"%1\" is no expectation: write %2").arg(sKind.left(40), kKinds));
    }
    m_open.turns.last().expectations.append(e);
}

void ConvoFile::EndConversation()
{
    if (!m_inConversation)
        return;
    m_inConversation = false;
    if (m_open.turns.isEmpty())
        AddError(m_open.nSourceLine, QStringLiteral("a conversation without a sentence: write \"> \" and what the user says"));
    else
        m_conversations.append(m_open);
}

void ConvoFile::AddError(int nLine, const QString &sMessage)
{
    // The conversation closed at the end may add one past the limit.
    if (m_errors.size() >= kMaxErrors)
        return;
    m_errors.append({nLine, sMessage});
}

QString ExpectationText(const Expectation &e)
{
    switch (e.kind) {
    case Expectation::Code:
        return e.sFile.isEmpty() ? QStringLiteral("code ") + e.sText : QStringLiteral("code %1 %2").arg(e.sText, e.sFile);
    case Expectation::Line:
        return e.nLine ? QStringLiteral("line %1:%2").arg(e.sText).arg(e.nLine) : QStringLiteral("line ") + e.sText;
    case Expectation::FollowUp:
        return QStringLiteral("follow-up ") + e.sText;
    case Expectation::Fallback:
        return QStringLiteral("fallback");
    case Expectation::Holds:
        return QStringLiteral("~ ") + e.sText;
    case Expectation::HoldsNot:
        return QStringLiteral("!~ ") + e.sText;
    case Expectation::Equals:
        return e.sText.isEmpty() ? QStringLiteral("=") : QStringLiteral("= ") + e.sText;
    case Expectation::Any:
        break;
    }
    return QStringLiteral("any");
}
