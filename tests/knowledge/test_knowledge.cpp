// Checks over the knowledge base that ships in data/: every keyword reaches a
// usable answer, no keyword line is hidden by an earlier one, and the
// evaluation sentences are mostly answered from a keyword.
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "chat/ConversationTurn.h"
#include "engine/KeywordIndex.h"
#include "engine/ModFunctions.h"
#include "engine/Reflection.h"
#include "engine/Reply.h"
#include "engine/ResponseFile.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
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

QString ReadData(const QString &sName, QStringList *errors)
{
    TextFile::Failure failure;
    const auto text = TextFile::ReadText(kData + '/' + sName, &failure);
    if (!text)
        *errors << sName + ": cannot be read: " + failure.sDescription;
    return text.value_or(QString());
}

// A phrase that contains an earlier phrase is reached only by the repeat
// search; a comment right above that says "shadow" marks it as meant.
QStringList FindShadowed(const QList<QStringView> &lines)
{
    QStringList found, earlier;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const IndexLine line = ClassifyIndexLine(lines[i]);
        if (line.kind != IndexLine::Keyword)
            continue;
        const QString sPhrase = line.sPhrase.toString().toLower();
        const bool meant = i > 0 && lines[i - 1].startsWith(u'/') && lines[i - 1].contains(u"shadow", Qt::CaseInsensitive);
        for (const QString &sEarlier : std::as_const(earlier))
            if (!meant && sPhrase.contains(sEarlier)) {
                found << QString("line %1 \"%2\" contains \"%3\"").arg(i + 1).arg(sPhrase, sEarlier);
                break;
            }
        earlier << sPhrase;
    }
    return found;
}

struct Block {
    QStringList entries;
    int nStatements = 0, nQuestions = 0;
    std::optional<QString> followUp;
};

// One block of a response file, read as the selection reads it, with what would spoil an answer.
Block CheckBlock(const QString &sFile, const QString &sCode, const QString &sWhere, QStringList *errors)
{
    const QString sText = ReadData(sFile, errors);
    const GatheredBlock b = GatherBlock(TextFile::SplitLines(sText), sCode, 3);
    const QString sBlock = QString("%1 (%2 code %3): ").arg(sWhere, sFile, sCode);
    if (b.nShortAttributeLine || b.entries.isEmpty())
        *errors << sBlock + "no entries or a short attribute line";
    Block block{{}, b.nStatements, b.nQuestions, b.followUp};
    for (const QStringView entry : b.entries) {
        block.entries << entry.toString();
        QString sTags = entry.toString().toLower();
        for (const char *tag : {"[name]", "[keyword]", "[next]", "[following]"})
            sTags.remove(QLatin1String(tag));
        if (entry.size() < 2 || entry.contains(u'{') || sTags.contains('[') || sTags.contains(']'))
            *errors << sBlock + "empty, unknown tag or \"{\" in: " + entry.toString();
    }
    return block;
}

struct Walk {
    QStringList errors, shadowed, thinMainCodes, nameTurnBlocks;
    QSet<QString> followUps;
    QMap<QString, bool> checked;  // "file code" of every block checked
    int nMainLines = 0, nMainCodes = 0;
};

// keywords.txt, preset1.txt and every follow-up index their answers name.
const Walk &ShippedWalk()
{
    static const Walk walk = [] {
        Walk w;
        QStringList queue{"keywords.txt", "preset1.txt"};
        for (qsizetype q = 0; q < queue.size(); ++q) {
            const QString sIndex = queue[q], sText = ReadData(sIndex, &w.errors);
            const QList<QStringView> lines = TextFile::SplitLines(sText);
            for (const QString &s : FindShadowed(lines))
                w.shadowed << sIndex + ": " + s;
            QString sSection;
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const IndexLine line = ClassifyIndexLine(lines[i]);
                const QString sWhere = QString("%1 line %2").arg(sIndex).arg(i + 1);
                if (line.kind == IndexLine::Section)
                    sSection = line.sSection.toString();
                if (line.kind == IndexLine::Malformed || (line.kind == IndexLine::Keyword && (line.sPhrase.isEmpty() || sSection.isEmpty())))
                    w.errors << sWhere + ": malformed, an empty phrase or above every section line";
                if (line.kind != IndexLine::Keyword || sSection.isEmpty())
                    continue;
                const QString sKey = sSection + ' ' + line.sCode.toString();
                w.nMainLines += q == 0;
                if (sIndex == "preset1.txt" && !w.nameTurnBlocks.contains(sKey))
                    w.nameTurnBlocks << sKey;
                if (std::exchange(w.checked[sKey], true))
                    continue;
                const Block b = CheckBlock(sSection, line.sCode.toString(), sWhere, &w.errors);
                w.nMainCodes += q == 0;
                if (q == 0 && (b.entries.size() < 3 || !b.nStatements || !b.nQuestions))
                    w.thinMainCodes << sKey;
                if (b.followUp && !b.followUp->isEmpty()) {
                    w.followUps.insert(*b.followUp);
                    if (!queue.contains(*b.followUp))
                        queue << *b.followUp;
                }
            }
        }
        return w;
    }();
    return walk;
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
    void shippedFilesAreUtf8WithCrLf()
    {
        QStringList errors;
        for (const QString &sPath : ShippedFiles()) {
            const QByteArray bytes = Bytes(sPath);
            QStringDecoder utf8(QStringDecoder::Utf8);
            (void)QString(utf8(bytes));
            const QByteArray rest = QByteArray(bytes).replace("\r\n", "");
            if (utf8.hasError() || rest.contains('\r') || rest.contains('\n') || !bytes.endsWith("\r\n"))
                errors << sPath + ": not UTF-8, or a line not ended by CR LF";
        }
        QVERIFY(ShippedFiles().size() > 10);
        EXPECT_NONE(errors);
    }

    void everyKeywordHasAUsableAnswer()
    {
        const Walk &walk = ShippedWalk();
        QStringList errors = walk.errors;
        for (const auto &[file, code, minEntries] : {std::tuple{"Preset2.txt", "0010", 3}, {"Preset2.txt", "0013", 3},
                                                     {"Preset3.txt", "0002", 3}, {"Preset3.txt", "0001", 3}, {"Preset4.txt", "0001", 15}})
            if (CheckBlock(file, code, "preset", &errors).entries.size() < minEntries)
                errors << QString("%1 %2: fewer than %3 entries").arg(file, code).arg(minEntries);
        QStringList reflectionProblems;
        Reflection::Parse(ReadData("reflections.txt", &errors), &reflectionProblems);
        for (const QString &s : std::as_const(reflectionProblems))
            errors << "reflections.txt " + s;
        EXPECT_NONE(errors);
        QVERIFY2(walk.thinMainCodes.isEmpty(), qPrintable("fewer than three entries or not both kinds: " + walk.thinMainCodes.join(' ')));
        QVERIFY2(walk.nMainLines >= 400 && walk.nMainCodes >= 30 && walk.followUps.size() >= 8, "too small a knowledge base");
        qInfo("keywords.txt: %d keyword lines, %d codes; %d follow-up indexes", walk.nMainLines, walk.nMainCodes,
              int(walk.followUps.size()));
    }

    void noKeywordIsShadowed()
    {
        // The check itself, on small indexes first.
        for (const auto &[sLines, nShadowed] : {std::pair{"0001 cat|0002 cats", 1}, {"0002 cats|0001 cat", 0}, {"0001 Hi |0002 oh hi ", 1},
                                                {"0001 no|[b.txt]|0001 not now", 1}, {"0001 hi |0002 this", 0},
                                                {"0001 cat|/ shadowed on purpose: repeats|0002 cats", 0}, {"0001 cat|/ cats|0002 cats", 1},
                                                {"0001 cat|/ shadowed on purpose||0002 cats", 1}}) {
            const QString sText = QString("[a.txt]|%1").arg(sLines).replace('|', "\r\n");
            QVERIFY2(FindShadowed(TextFile::SplitLines(sText)).size() == nShadowed, sLines);
        }
        EXPECT_NONE(ShippedWalk().shadowed);
    }

    // While the name is asked for, every answer asks for it again.
    void nameTurnAnswersAskForTheName()
    {
        QStringList blocks = ShippedWalk().nameTurnBlocks, errors;
        QVERIFY(blocks.size() > 2);
        blocks << "Preset2.txt 0010" << "Preset2.txt 0013" << "Preset3.txt 0002";
        for (const QString &sBlock : std::as_const(blocks))
            for (const QString &s : CheckBlock(sBlock.section(' ', 0, 0), sBlock.section(' ', 1), "name turn", &errors).entries)
                if (!s.contains("name", Qt::CaseInsensitive) && !s.contains("call you", Qt::CaseInsensitive))
                    errors << sBlock + ": " + s;
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
