// Checks over the knowledge base that ships in data/: orvia-check finds
// nothing, the house rules hold, and the evaluation sentences are mostly
// answered from a keyword.
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "chat/ConversationTurn.h"
#include "engine/ModFunctions.h"
#include "engine/Reply.h"
#include "engine/ResponseFile.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "tools/KnowledgeCheck.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#define EXPECT_NONE(list) QVERIFY2((list).isEmpty(), qPrintable(QStringList(list).join('\n')))

namespace {

const QString kData = ORVIA_SOURCE_DATA;
const QString kTestData = qEnvironmentVariable("ORVIA_TEST_DATA_DIR", ORVIA_TEST_DATA);

QByteArray Bytes(const QString &sPath)
{
    QFile file(sPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList ShippedFiles()
{
    QStringList files;
    for (QDirIterator it(kData, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next();
    return files;
}

// A program folder holding a copy of data/.
struct ShippedFolder : ProgramFolder {
    ShippedFolder()
    {
        for (const QString &s : ShippedFiles())
            WriteDataBytes(QDir(kData).relativeFilePath(s), Bytes(s));
    }
    ScriptedDialogs dialogs;
};

// orvia-check's walk of data/ as the source tree holds it.
const KnowledgeCheck &ShippedCheck()
{
    static KnowledgeCheck check;
    static const bool ran = [] {
        const QString sProgramFolder = std::exchange(modPublic::ProgramFolder, QFileInfo(kData).absolutePath());
        const bool ok = check.Run();
        modPublic::ProgramFolder = sProgramFolder;
        return ok;
    }();
    if (!ran)
        qFatal("%s", qPrintable(check.IndexError()));
    return check;
}

QStringList Entries(const KnowledgeCheck::UsedBlock &used)
{
    QStringList entries;
    for (const QStringView entry : used.block->gathered.entries)
        entries << entry.toString();
    return entries;
}

QString Name(const KnowledgeCheck::UsedBlock &used)
{
    return used.file->sName + ' ' + used.block->sCode;
}

// Why a reply reads badly: an unfilled tag, two blanks in a row, "i are" or nothing at all.
bool IsBad(const QString &s)
{
    static const QRegularExpression iAre("\\bi are\\b");
    return s.contains('[') || s.contains(']') || s.contains("  ") || iAre.match(s).hasMatch() || s.trimmed().isEmpty();
}

// A chat window without a window: the transcript as plain lines.
struct TranscriptLines : ChatView {
    QStringList lines;
    QString sInput;
    void AddColoredText(const QString &sText, LineColor) override { lines << sText; }
    void AddtoResponseArea(const QString &sText) override { lines << sText; }
    void ClearTranscript() override { lines.clear(); }
    qsizetype TranscriptLength() const override { return lines.join("\r\n").size(); }
    QString InputText() const override { return sInput; }
    void SetInputText(const QString &sText) override { sInput = sText; }
};

// What a reader notices at once: a pronoun that does not agree with its verb or was
// turned only half-way, punctuation doubled or after a blank, a tag left in.
QString Flaw(const QString &s)
{
    static const QRegularExpression kFlaw("\\b((?<!if )i (are|were|aren't|weren't)|you (am|was|wasn't)|am you|are i)\\b|(^|\\s)i( (?!you\\b)[\\w']+){1,2} (me|myself)\\b|"
                                          "\\s[.,;:!?]|[.,;:!?]\\s*[,;:]|[,;:]\\s*[.!?]|(?<!\\.)\\.\\.(?!\\.)|\\.\\s*[?!]|[?!]\\s*\\.|\\?\\s*\\?|[\\[\\]{}]");
    return kFlaw.match(s).captured();
}

}  // namespace

class KnowledgeTest : public QObject {
    Q_OBJECT

private slots:
    // orvia-check finds nothing: every answer usable, no shadowed phrase,
    // no unknown tag, no encoding trouble, nothing unused.
    void shippedDataChecksClean()
    {
        QStringList findings;
        for (const Finding &f : ShippedCheck().Findings())
            findings << QString("%1:%2: %3").arg(f.sFile).arg(f.nLine).arg(f.sMessage);
        EXPECT_NONE(findings);
    }

    // House rules beyond the checker's: UTF-8 with CR LF, no control parts,
    // main codes of three entries or more of both kinds, a base of some size.
    void shippedDataKeepsTheHouseRules()
    {
        const KnowledgeCheck &check = ShippedCheck();
        QStringList errors, thin;
        for (const KnowledgeFile *file : check.Files().Files())
            if (!file->bUtf8 || file->firstLineEnd != KnowledgeFile::CrLf || file->nMixedEndLine)
                errors << file->sName + ": not UTF-8, or a line not ended by CR LF";
        QSet<QString> followUps;
        int nMainCodes = 0;
        for (const KnowledgeCheck::UsedBlock &used : check.UsedBlocks()) {
            const GatheredBlock &b = used.block->gathered;
            for (const QString &s : Entries(used))
                if (s.contains('{'))
                    errors << Name(used) + ": \"{\" in " + s;
            if (used.sIndex != "keywords.txt" && used.sIndex != "preset1.txt" && !used.sIndex.isEmpty())
                followUps.insert(used.sIndex);
            if (used.sIndex == "keywords.txt" && ++nMainCodes && (b.entries.size() < 3 || !b.nStatements || !b.nQuestions))
                thin << Name(used);
            if (used.sIndex.isEmpty() && b.entries.size() < (used.file->sName == "Preset4.txt" ? 15 : 3))
                errors << Name(used) + ": too few entries";
        }
        QVERIFY(check.Files().Files().size() > 10);
        EXPECT_NONE(errors);
        QVERIFY2(thin.isEmpty(), qPrintable("fewer than three entries or not both kinds: " + thin.join(' ')));
        QVERIFY2(check.KeywordLines() >= 400 && nMainCodes >= 30 && followUps.size() >= 8, "too small a knowledge base");
        qInfo("%d keyword lines, %d main codes, %d follow-up indexes", check.KeywordLines(), nMainCodes, int(followUps.size()));
    }

    // While the name is asked for, every answer asks for it again.
    void nameTurnAnswersAskForTheName()
    {
        QStringList errors;
        int nBlocks = 0;
        for (const KnowledgeCheck::UsedBlock &used : ShippedCheck().UsedBlocks()) {
            const QString sName = Name(used);
            if (used.sIndex != "preset1.txt" && sName != "Preset2.txt 0010" && sName != "Preset2.txt 0013" && sName != "Preset3.txt 0002")
                continue;
            ++nBlocks;
            for (const QString &s : Entries(used))
                if (!s.contains("name", Qt::CaseInsensitive) && !s.contains("call you", Qt::CaseInsensitive))
                    errors << sName + ": " + s;
        }
        QVERIFY(nBlocks > 5);
        EXPECT_NONE(errors);
    }

    // The watch word, then the welcome and the answer to its "how are you?".
    void aChatFromTheName()
    {
        ShippedFolder folder;
        const QString sBut = GetRandomEntryFromFile({"<Orvia> But", "0010", "Preset2.txt", ""}, 3).sText;
        QVERIFY2(sBut.startsWith("<orvia> but"), qPrintable(sBut));
        modPublic::UserName = "Zoë";
        for (int i = 0; i < 10; ++i)
            QVERIFY(GetRandomEntryFromFile({"zoë", "0001", "Preset3.txt", "zoë"}, 3).sText.contains("Zoë"));
        QCOMPARE(modPublic::FollowUpFile, "fu_howareyou.txt");
        QVERIFY(!GetReply("good thanks").sText.isEmpty());
        QCOMPARE(modPublic::LastMatch.sKeyword, "good");
        QVERIFY(folder.dialogs.messages.isEmpty());
    }

    // Answers to the name question that are not names are caught; real names,
    // even those holding a short word, are not.
    void nameQuestionAnswers()
    {
        ShippedFolder folder;
        QStringList errors;
        const QStringList caught{"{SILENCE}", "my name is Sam", "call me Al", "I'm Kate", "i am bob", "why?", "what for",
                                 "no thanks", "nope", "hello there", "hi orvia", "who are you", "what's yours",
                                 "none of your business", "guess", "dunno", "it's Jo"};
        const QStringList names{"Sam", "Noah", "Nora", "Archie", "Ayesha", "Cheyenne", "Hannah", "Jonah", "Shirley", "Michiko",
                                "William", "Simone", "Arnold", "Whitney", "Chiara", "Brooke", "Josefine", "Nathan", "Sophie", "Zoë"};
        for (const QString &s : caught + names) {
            const KeywordMatch m = KeywordSearchFile(s.toUpper(), folder.DataPath("preset1.txt"));
            const QString sText = m.sKeyword.isEmpty() ? QString() : GetRandomEntryFromFile(m, 3).sText;
            if (m.sKeyword.isEmpty() == caught.contains(s) || (caught.contains(s) && IsBad(sText)))
                errors << s + " -> \"" + m.sKeyword + "\": " + sText;
        }
        EXPECT_NONE(errors);
        QVERIFY(folder.dialogs.messages.isEmpty());
    }

    // Most sentences are answered from a keyword, and no entry of a block that
    // answers them reads badly once filled. ORVIA_SHOW_REPLIES=1 prints the chat.
    void evaluationSetIsAnsweredFromKeywords_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("minSentences");
        QTest::newRow("eval_sentences") << "eval_sentences.txt" << 200;
        QTest::newRow("eval_holdout") << "eval_holdout.txt" << 50;
    }

    void evaluationSetIsAnsweredFromKeywords()
    {
        QFETCH(QString, file);
        QFETCH(int, minSentences);
        ShippedFolder folder;
        const bool show = qEnvironmentVariableIsSet("ORVIA_SHOW_REPLIES");
        int nSentences = 0, nFromKeyword = 0;
        QStringList bad, fallbacks;
        modPublic::UserName = "Sam";
        const QString sSet = QString::fromUtf8(Bytes(kTestData + '/' + file));
        for (const QStringView line : TextFile::SplitLines(sSet)) {
            if (line.trimmed().isEmpty()) {  // a new conversation
                modPublic::FollowUpFile.clear();
                modPublic::LastMatch = KeywordMatch();
            }
            if (line.trimmed().isEmpty() || line.startsWith(u'/'))
                continue;
            const QString sSentence = line.toString();
            const ReplyResult reply = GetReply(sSentence);
            const KeywordMatch m = modPublic::LastMatch;
            ++nSentences;
            if (!m.sKeyword.isEmpty() && m.sFile != "Preset4.txt")
                ++nFromKeyword;
            else
                fallbacks << sSentence;
            if (show)
                qInfo().noquote() << "<Sam>" << sSentence << "\n<Orvia>" << reply.sText << "   [" << m.sFile << m.sCode
                                  << "\"" + m.sKeyword + "\"]";
            QStringList filled{reply.sText};
            const QString sText = TextFile::ReadText(folder.DataPath(m.sFile)).value_or(QString());
            for (const QStringView entry : GatherBlock(TextFile::SplitLines(sText), m.sCode, 3).entries)
                filled << FillTemplate(entry.toString().toLower().sliced(1), m);
            for (const QString &s : std::as_const(filled)) {
                if (IsBad(s))
                    bad << sSentence + " -> " + s;
                if (qgetenv("ORVIA_SHOW_REPLIES") == "all")
                    qInfo().noquote() << "        or:" << s;
            }
        }
        const double rate = nSentences ? double(nFromKeyword) / nSentences : 0.0;
        qInfo("%s: keyword-answer rate %d of %d sentences (%.1f%%)", qPrintable(file), nFromKeyword, nSentences, 100.0 * rate);
        if (show && !fallbacks.isEmpty())
            qInfo().noquote() << "fallback for:" << fallbacks.join(" | ");
        QVERIFY2(nSentences >= minSentences, qPrintable(QString::number(nSentences)));
        EXPECT_NONE(bad);
        QVERIFY2(rate >= 0.85, qPrintable(fallbacks.join('\n')));
        QVERIFY2(folder.dialogs.messages.isEmpty(), qPrintable(folder.dialogs.messages.value(0).sText));
    }

    // The listening set, each conversation from the greeting and name turn on, as
    // the chat window runs it. ORVIA_TRANSCRIPT=file writes the numbered transcript.
    void listeningConversations()
    {
        ShippedFolder folder;
        TranscriptLines view;
        ConversationTurn turn(view, 0, 0);
        QStringList transcript, flawed;
        int nExchange = 0, nChat = 0, nFromKeyword = 0;
        for (const QString &sChat : QString::fromUtf8(Bytes(kTestData + "/eval_listening.txt")).remove('\r').split("\n\n", Qt::SkipEmptyParts)) {
            turn.Load();  // a new chat window
            modPublic::FollowUpFile.clear();
            modPublic::LastMatch = KeywordMatch();
            transcript << "" << "  (greeting) " + view.lines.last();
            for (const QString &sLine : sChat.split('\n', Qt::SkipEmptyParts)) {
                if (sLine.startsWith('#')) {
                    transcript.insert(transcript.size() - 1, sLine);
                    continue;
                }
                const bool chat = turn.InputMode.isEmpty();
                view.sInput = sLine;
                chat ? turn.ChatTurn() : turn.NameTurn();
                const QString sReply = view.lines.last().mid(8);  // after "<Orvia> "
                transcript << QString("[%1] > %2\n[%1] < %3").arg(++nExchange).arg(sLine, sReply);
                nChat += chat;
                nFromKeyword += chat && !modPublic::LastMatch.sKeyword.isEmpty() && modPublic::LastMatch.sFile != "Preset4.txt";
                if (!Flaw(sReply).isEmpty())
                    flawed << QString("[%1] \"%2\" in: %3").arg(nExchange).arg(Flaw(sReply), sReply);
            }
        }
        if (QFile out(qEnvironmentVariable("ORVIA_TRANSCRIPT")); !out.fileName().isEmpty())
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(transcript.join('\n').trimmed().append('\n').toUtf8()) > 0);
        qInfo("eval_listening.txt: %d of %d chat turns answered from a keyword (%.1f%%)", nFromKeyword, nChat, 100.0 * nFromKeyword / qMax(1, nChat));
        QVERIFY(nExchange >= 150 && nFromKeyword >= 0.9 * nChat && folder.dialogs.messages.isEmpty());
        EXPECT_NONE(flawed);
    }

    void flawsAreSeen()
    {
        for (const auto &[sReply, flawed] : {std::pair{"why do you think i are kind?", true}, {"you was right.", true}, {"i know i don't believe me.", true},
                                              {"what makes you say that ?", true}, {"really.. why?", true}, {"about your exams.?", true}, {"hi [name", true},
                                              {"am i sure? if i were you, i was wrong. in... and out.", false}, {"i know you'd like to tell me!", false}})
            QVERIFY2(Flaw(sReply).isEmpty() != flawed, sReply);
    }
};

QTEST_GUILESS_MAIN(KnowledgeTest)
#include "test_knowledge.moc"
