// The readers of orvia-test's files over any bytes. A test file: its errors are
// few and stand on lines it has; one read without error is written back as
// test lines and read again to the same conversations. A sentences file: every
// line that is neither blank nor a comment is one sentence, in order.
#include "FuzzSupport.h"

#include "cli/ConvoFile.h"
#include "cli/SentencesFile.h"

#include <QStringList>

namespace {

// The conversations as test lines, the way a botmaster would write them.
QString Written(const ConvoFile &file)
{
    QStringList lines;
    for (const ScriptedConversation &c : file.Conversations()) {
        if (c.hasName)
            lines << QStringLiteral("name: ") + c.sName;
        for (const ConvoTurn &t : c.turns) {
            lines << (t.sSay.isEmpty() ? QStringLiteral(">") : QStringLiteral("> ") + t.sSay);
            for (const Expectation &e : t.expectations)
                lines << QStringLiteral("< ") + ExpectationText(e);
        }
        lines << QString();
    }
    return lines.join(QLatin1Char('\n'));
}

bool SameConversations(const ConvoFile &a, const ConvoFile &b)
{
    if (a.Conversations().size() != b.Conversations().size())
        return false;
    for (qsizetype i = 0; i < a.Conversations().size(); ++i) {
        const ScriptedConversation &x = a.Conversations()[i], &y = b.Conversations()[i];
        if (x.hasName != y.hasName || x.sName != y.sName || x.turns.size() != y.turns.size())
            return false;
        for (qsizetype j = 0; j < x.turns.size(); ++j) {
            const ConvoTurn &s = x.turns[j], &t = y.turns[j];
            if (s.sSay != t.sSay || s.expectations.size() != t.expectations.size())
                return false;
            for (qsizetype k = 0; k < s.expectations.size(); ++k) {
                const Expectation &e = s.expectations[k], &f = t.expectations[k];
                if (e.kind != f.kind || e.sText != f.sText || e.sFile != f.sFile || e.nLine != f.nLine)
                    return false;
            }
        }
    }
    return true;
}

int LineCount(QByteArrayView bytes)
{
    int n = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        n += bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
    return n + (bytes.isEmpty() || bytes.back() == '\n' || bytes.back() == '\r' ? 0 : 1);
}

void CheckTestFile(QByteArrayView bytes)
{
    const ConvoFile file = ConvoFile::Parse(bytes);
    const int nLines = LineCount(bytes);
    FUZZ_CHECK(file.Errors().size() <= ConvoFile::kMaxErrors, QString::number(file.Errors().size()));
    for (const ConvoFile::Error &e : file.Errors())
        FUZZ_CHECK(e.nLine >= 0 && e.nLine <= nLines && !e.sMessage.isEmpty(), QStringLiteral("%1 of %2: %3").arg(e.nLine).arg(nLines).arg(e.sMessage));
    FUZZ_CHECK(file.UnreadLines() == 0 || file.Errors().size() == ConvoFile::kMaxErrors, QString::number(file.UnreadLines()));
    if (!file.Ok())
        return;
    FUZZ_CHECK(!file.Conversations().isEmpty(), QString());
    int nLast = 0;
    for (const ScriptedConversation &c : file.Conversations()) {
        FUZZ_CHECK(!c.turns.isEmpty() && c.nSourceLine > nLast, QString::number(c.nSourceLine));
        for (const ConvoTurn &t : c.turns) {
            FUZZ_CHECK(t.nSourceLine >= c.nSourceLine && t.nSourceLine <= nLines, QString::number(t.nSourceLine));
            nLast = t.nSourceLine;
        }
    }
    const QString sWritten = Written(file);
    const ConvoFile again = ConvoFile::Parse(sWritten.toUtf8());
    FUZZ_CHECK(again.Ok() && SameConversations(file, again), sWritten);
}

void CheckSentencesFile(QByteArrayView bytes)
{
    const SentencesFile file = SentencesFile::Parse(bytes);
    int nLast = 0;
    for (const SentencesFile::Conversation &c : file.Conversations()) {
        FUZZ_CHECK(!c.isEmpty(), QString());
        for (const SentencesFile::Sentence &s : c) {
            FUZZ_CHECK(s.nLine > nLast && !s.sText.trimmed().isEmpty(), s.sText);
            nLast = s.nLine;
        }
    }
    FUZZ_CHECK(nLast <= LineCount(bytes), QString::number(nLast));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    CheckTestFile(bytes);
    CheckSentencesFile(bytes);
    return 0;
}
