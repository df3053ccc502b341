// Checks over the knowledge base that ships in data/: the house rules hold,
// the name question catches what is no name, and the evaluation sets are
// mostly answered from a keyword with answers that read right.
#include "chat/ConversationTurn.h"
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "engine/KeywordSearch.h"
#include "engine/Randomizer.h"
#include "engine/ResponseFile.h"
#include "engine/ResponseSelection.h"
#include "engine/Templates.h"
#include "support/FakeViews.h"
#include "support/ProgramFolder.h"
#include "logs/LogWriter.h"
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

// A program folder holding a copy of data/.
struct ShippedFolder : ProgramFolder {
    ShippedFolder()
    {
        for (QDirIterator it(kData, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString s = it.next();
            WriteDataBytes(QDir(kData).relativeFilePath(s), Bytes(s));
        }
    }
    // Every failure of the engine leaves an entry here.
    bool Failed() const { return !LogLines(ErrorLogFileName).isEmpty(); }
};

// What a reader notices at once: a pronoun that does not agree with its verb or was
// turned only half-way, punctuation doubled or after a blank, a tag left in, two
// blanks in a row, nothing at all.
QString Flaw(const QString &s)
{
    static const QRegularExpression kFlaw("\\b((?<!if )i (are|were|aren't|weren't)|you (am|was|wasn't)|am you|are i)\\b|(^|\\s)i( (?!you\\b)[\\w']+){1,2} me\\b|"
                                          "\\s[.,;:!?]|[.,;:!?]\\s*[,;:]|[,;:]\\s*[.!?]|(?<!\\.)\\.\\.(?!\\.)|\\.\\s*[?!]|[?!]\\s*\\.|\\?\\s*\\?|[\\[\\]{}]|  ");
    return s.trimmed().isEmpty() ? QStringLiteral("(nothing)") : kFlaw.match(s).captured();
}

}  // namespace

class KnowledgeTest : public QObject {
    Q_OBJECT

private slots:
    // House rules beyond orvia-check's: UTF-8 with CR LF,
    // no control parts, main codes of three entries or more of both kinds, a base
    // of some size; while the name is asked for, every answer asks for it again.
    void shippedDataKeepsTheHouseRules()
    {
        KnowledgeCheck check;
        modPublic::ProgramFolder = QFileInfo(kData).absolutePath();
        QVERIFY2(check.Run(), qPrintable(check.IndexError()));
        QStringList errors, thin;
        for (const KnowledgeFile *file : check.Files().Files())
            if (file->bExists && (!file->bUtf8 || file->firstLineEnd != KnowledgeFile::CrLf || file->nMixedEndLine))
                errors << file->sName + ": not UTF-8, or a line not ended by CR LF";
        QSet<QString> followUps;
        int nMainCodes = 0, nNameBlocks = 0;
        for (const KnowledgeCheck::UsedBlock &used : check.UsedBlocks()) {
            const GatheredBlock &b = used.block->gathered;
            const QString sName = used.file->sName + ' ' + used.block->sCode;
            // A block that gives the name welcomes instead of asking.
            const bool takesName = b.sAttributeLabel.compare(u"username", Qt::CaseInsensitive) == 0;
            const bool nameTurn = !takesName && (used.sIndex == "preset1.txt" || QStringList{"Preset2.txt 0010", "Preset2.txt 0013", "Preset3.txt 0002"}.contains(sName));
            nNameBlocks += nameTurn;
            for (const QStringView entry : b.entries) {
                if (entry.contains('{'))
                    errors << sName + ": \"{\" in " + entry.toString();
                if (nameTurn && !entry.contains(u"name", Qt::CaseInsensitive) && !entry.contains(u"call you", Qt::CaseInsensitive))
                    errors << sName + ": does not ask for the name: " + entry.toString();
            }
            if (used.sIndex != "keywords.txt" && used.sIndex != "preset1.txt" && !used.sIndex.isEmpty())
                followUps.insert(used.sIndex);
            if (used.sIndex == "keywords.txt" && ++nMainCodes && (b.entries.size() < 3 || !b.nStatements || !b.nQuestions))
                thin << sName;
            if (used.sIndex.isEmpty() && b.entries.size() < (used.file->sName == "Preset4.txt" ? 15 : 3))
                errors << sName + ": too few entries";
        }
        EXPECT_NONE(errors);
        QVERIFY2(thin.isEmpty(), qPrintable("fewer than three entries or not both kinds: " + thin.join(' ')));
        QVERIFY2(nNameBlocks > 5 && check.KeywordLines() >= 400 && nMainCodes >= 30 && followUps.size() >= 8, "too small a knowledge base");
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
            Conversation conversation;
            const QString sText = m.sKeyword.isEmpty() ? QString() : GetRandomEntryFromFile(m, StatementsAndQuestions, conversation).sText;
            if (m.sKeyword.isEmpty() == caught.contains(s) || (caught.contains(s) && !Flaw(sText).isEmpty()))
                errors << s + " -> \"" + m.sKeyword + "\": " + sText;
        }
        EXPECT_NONE(errors);
        QVERIFY(!folder.Failed());
    }

    // Each set's conversations as the chat window runs them (the listening set from
    // the name turn on). Every answer, and every other entry of the block it came
    // from, must read right. ORVIA_TRANSCRIPT=file writes the numbered transcript.
    void conversations_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("nameTurn");
        QTest::addColumn<int>("minTurns");
        QTest::addColumn<double>("minRate");  // of chat turns answered from a keyword
        QTest::newRow("sentences") << "eval_sentences.txt" << false << 200 << 0.85;
        QTest::newRow("holdout") << "eval_holdout.txt" << false << 50 << 0.85;
        QTest::newRow("listening") << "eval_listening.txt" << true << 150 << 0.90;
        QTest::newRow("people") << "eval_people.txt" << true << 300 << 0.85;
        QTest::newRow("people, second set") << "eval_people2.txt" << true << 350 << 0.85;
        QTest::newRow("people, third set") << "eval_people3.txt" << true << 350 << 0.85;
    }

    void conversations()
    {
        QFETCH(QString, file);
        QFETCH(bool, nameTurn);
        QFETCH(int, minTurns);
        QFETCH(double, minRate);
        ShippedFolder folder;
        FakeChat view;
        ConversationTurn turn(view, 0, 0);
        Randomizer::UseFixedSeed(1);  // the same transcript every run
        QStringList transcript, flawed, fallbacks, repeats;
        int nExchange = 0, nChat = 0, nQuestionFirst = 0;
        for (const QString &sChat : QString::fromUtf8(Bytes(kTestData + '/' + file)).remove('\r').split("\n\n", Qt::SkipEmptyParts)) {
            turn.Load();  // a new chat window
            if (!nameTurn) {
                turn.InputMode.clear();
                turn.State().sUserName = "Sam";
            }
            transcript << "" << "  (greeting) " + view.lines.last();
            for (const QString &sLine : sChat.split('\n', Qt::SkipEmptyParts)) {
                if (sLine.startsWith('#') || sLine.startsWith('/')) {
                    transcript.insert(transcript.size() - 1, sLine);
                    continue;
                }
                const bool chat = turn.InputMode.isEmpty();
                view.input = sLine;
                chat ? turn.ChatTurn() : turn.NameTurn();
                const QString sReply = view.lines.last().mid(8);  // after "<Orvia> "
                if (sReply == view.lines.value(view.lines.size() - 3).mid(8))
                    repeats << QString("[%1] %2").arg(nExchange + 1).arg(sReply);
                transcript << QString("[%1] > %2\n[%1] < %3").arg(++nExchange).arg(sLine, sReply);
                QStringList texts{sReply};
                if (chat) {
                    const KeywordMatch m = turn.State().lastMatch;
                    nChat += 1;
                    nQuestionFirst += !turn.LastTrace.sQuestion.isEmpty();
                    if (m.sKeyword.isEmpty() || m.sFile == "Preset4.txt")
                        fallbacks << sLine;
                    const QString sText = TextFile::ReadText(folder.DataPath(m.sFile)).value_or(QString());
                    for (const QStringView entry : GatherBlock(TextFile::SplitLines(sText), m.sCode, StatementsAndQuestions).entries)
                        texts << FillTemplate(entry.toString().toLower().sliced(1), m, turn.State().sUserName);
                }
                for (const QString &s : std::as_const(texts))
                    if (!Flaw(s).isEmpty())
                        flawed << QString("[%1] \"%2\" in: %3").arg(nExchange).arg(Flaw(s), s);
            }
        }
        if (QFile out(qEnvironmentVariable("ORVIA_TRANSCRIPT")); !out.fileName().isEmpty())
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(transcript.join('\n').trimmed().append('\n').toUtf8()) > 0);
        const double rate = 1.0 - double(fallbacks.size()) / qMax(1, nChat);
        qInfo("%s: %d of %d chat turns answered from a keyword (%.1f%%), %d of them by a later question first", qPrintable(file),
              nChat - int(fallbacks.size()), nChat, 100.0 * rate, nQuestionFirst);
        QVERIFY(nExchange >= minTurns && !folder.Failed());
        QVERIFY2(rate >= minRate, qPrintable(fallbacks.join('\n')));
        EXPECT_NONE(flawed);
        EXPECT_NONE(repeats);  // no reply the same as the one before it
    }
};

QTEST_GUILESS_MAIN(KnowledgeTest)
#include "test_knowledge.moc"
