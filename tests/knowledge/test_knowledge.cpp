// Checks over the knowledge base that ships in data/: every keyword reaches a
// usable answer, no keyword line is hidden by an earlier one, and a set of
// ordinary sentences is mostly answered from a keyword.
#include "common/TextFile.h"
#include "common/modPublic.h"
#include "engine/KeywordIndex.h"
#include "engine/ModFunctions.h"
#include "engine/Reply.h"
#include "engine/ResponseFile.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

namespace {

const QString kSourceData = QStringLiteral(ORVIA_SOURCE_DATA);
const QString kTestData = qEnvironmentVariable("ORVIA_TEST_DATA_DIR", QStringLiteral(ORVIA_TEST_DATA));

void CopyShippedData(const ProgramFolder &folder)
{
    QDirIterator it(kSourceData, QDir::Files, QDirIterator::Subdirectories);
    int n = 0;
    while (it.hasNext()) {
        const QString sSource = it.next();
        const QString sRelative = QDir(kSourceData).relativeFilePath(sSource);
        QFile file(sSource);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(sSource));
        folder.WriteDataBytes(sRelative, file.readAll());
        ++n;
    }
    QVERIFY2(n > 0, qPrintable(kSourceData));
}

std::optional<QString> ReadData(const QString &sName, QStringList *errors)
{
    TextFile::Failure failure;
    const auto text = TextFile::ReadText(kSourceData + QLatin1Char('/') + sName, &failure);
    if (!text)
        errors->append(QStringLiteral("%1: cannot be read: %2").arg(sName, failure.sDescription));
    return text;
}

// A keyword line whose phrase contains the phrase of an earlier line can only
// be reached by the repeat-avoiding search. A comment line directly above that
// mentions "shadow" marks it as meant.
QStringList FindShadowed(const QList<QStringView> &lines)
{
    QStringList found;
    QList<std::pair<QString, qsizetype>> earlier;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const IndexLine line = ClassifyIndexLine(lines[i]);
        if (line.kind != IndexLine::Keyword)
            continue;
        const QString sPhrase = line.sPhrase.toString().toLower();
        const bool meant = i > 0 && ClassifyIndexLine(lines[i - 1]).kind == IndexLine::Comment
                           && lines[i - 1].contains(QLatin1String("shadow"), Qt::CaseInsensitive);
        if (!meant) {
            for (const auto &[sEarlier, nLine] : earlier) {
                if (sPhrase.contains(sEarlier)) {
                    found.append(QStringLiteral("line %1 \"%2\" contains line %3 \"%4\"").arg(i + 1).arg(sPhrase).arg(nLine + 1).arg(sEarlier));
                    break;
                }
            }
        }
        earlier.append({sPhrase, i});
    }
    return found;
}

// Tags other than these four would be shown as typed.
bool HasOnlyKnownTags(QString sText)
{
    for (const char *tag : {"[name]", "[keyword]", "[next]", "[following]"})
        sText.remove(QLatin1String(tag));
    return !sText.contains(QLatin1Char('[')) && !sText.contains(QLatin1Char(']'));
}

struct BlockCheck {
    int nEntries = 0;
    int nStatements = 0;
    int nQuestions = 0;
    std::optional<QString> followUp;
};

// Checks one block of a response file the way the selection will read it.
BlockCheck CheckBlock(const QString &sFile, const QString &sCode, const QString &sWhere, QStringList *errors)
{
    BlockCheck result;
    const auto text = ReadData(sFile, errors);
    if (!text)
        return result;
    const GatheredBlock block = GatherBlock(TextFile::SplitLines(*text), sCode, 3);
    const QString sBlock = QStringLiteral("%1 (%2 code %3)").arg(sWhere, sFile, sCode);
    if (block.nShortAttributeLine)
        errors->append(sBlock + QStringLiteral(": short attribute line %1").arg(block.nShortAttributeLine));
    if (block.entries.isEmpty())
        errors->append(sBlock + QStringLiteral(": no entries"));
    for (const QStringView entry : block.entries) {
        // The selection drops one more character: "# text" keeps "text".
        if (entry.size() < 2)
            errors->append(sBlock + QStringLiteral(": an empty entry"));
        if (entry.contains(QLatin1Char('{')))
            errors->append(sBlock + QStringLiteral(": \"{\" would cut the answer: ") + entry.toString());
        if (!HasOnlyKnownTags(entry.toString().toLower()))
            errors->append(sBlock + QStringLiteral(": unknown tag in ") + entry.toString());
    }
    result.nEntries = int(block.entries.size());
    result.nStatements = block.nStatements;
    result.nQuestions = block.nQuestions;
    result.followUp = block.followUp;
    return result;
}

struct IndexWalk {
    QStringList errors;
    QStringList shadowed;
    QSet<QString> indexes;          // every index reached, by name
    QSet<QString> followUps;        // those named by "&" settings
    int nMainKeywordLines = 0;
    QSet<QString> mainCodes;        // "file code" of keywords.txt
    QStringList thinMainCodes;      // fewer than three entries or only one kind
};

// Walks an index and every follow-up index its answers name.
void WalkIndex(const QString &sIndex, bool main, IndexWalk *walk)
{
    if (walk->indexes.contains(sIndex))
        return;
    walk->indexes.insert(sIndex);
    const auto text = ReadData(sIndex, &walk->errors);
    if (!text)
        return;
    const QList<QStringView> lines = TextFile::SplitLines(*text);
    for (const QString &s : FindShadowed(lines))
        walk->shadowed.append(sIndex + QStringLiteral(": ") + s);
    QString sSection;
    QSet<QString> checked;
    QStringList next;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const IndexLine line = ClassifyIndexLine(lines[i]);
        const QString sWhere = QStringLiteral("%1 line %2").arg(sIndex).arg(i + 1);
        if (line.kind == IndexLine::Malformed)
            walk->errors.append(sWhere + QStringLiteral(": malformed"));
        if (line.kind == IndexLine::Section)
            sSection = line.sSection.toString();
        if (line.kind != IndexLine::Keyword)
            continue;
        if (line.sPhrase.isEmpty())
            walk->errors.append(sWhere + QStringLiteral(": empty phrase matches every sentence"));
        if (sSection.isEmpty()) {
            walk->errors.append(sWhere + QStringLiteral(": keyword above every section line"));
            continue;
        }
        const QString sKey = sSection + QLatin1Char(' ') + line.sCode.toString();
        if (main) {
            ++walk->nMainKeywordLines;
            walk->mainCodes.insert(sKey);
        }
        if (checked.contains(sKey))
            continue;
        checked.insert(sKey);
        const BlockCheck block = CheckBlock(sSection, line.sCode.toString(), sWhere, &walk->errors);
        if (main && (block.nEntries < 3 || !block.nStatements || !block.nQuestions))
            walk->thinMainCodes.append(sKey);
        if (block.followUp && !block.followUp->isEmpty()) {
            walk->followUps.insert(*block.followUp);
            next.append(*block.followUp);
        }
    }
    for (const QString &s : next)
        WalkIndex(s, false, walk);
}

bool HasBadText(const QString &s, QString *why)
{
    static const QRegularExpression iAre(QStringLiteral("\\bi are\\b"));
    if (s.contains(QLatin1Char('[')) || s.contains(QLatin1Char(']')))
        *why = QStringLiteral("an unfilled tag");
    else if (s.contains(QLatin1String("  ")))
        *why = QStringLiteral("two blanks in a row");
    else if (iAre.match(s).hasMatch())
        *why = QStringLiteral("\"i are\"");
    else if (s.trimmed().isEmpty())
        *why = QStringLiteral("an empty reply");
    else
        return false;
    return true;
}

// The sentences of the evaluation set, grouped into conversations.
QList<QStringList> EvalConversations(const QString &sPath)
{
    QList<QStringList> conversations{{}};
    QStringList errors;
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString sText = QString::fromUtf8(file.readAll());
    for (const QStringView line : TextFile::SplitLines(sText)) {
        if (line.startsWith(u'/'))
            continue;
        if (line.trimmed().isEmpty()) {
            if (!conversations.last().isEmpty())
                conversations.append(QStringList());
            continue;
        }
        conversations.last().append(line.toString());
    }
    if (conversations.last().isEmpty())
        conversations.removeLast();
    return conversations;
}

}  // namespace

class KnowledgeTest : public QObject {
    Q_OBJECT

private slots:
    void shippedFilesAreUtf8WithCrLf()
    {
        QDirIterator it(kSourceData, QDir::Files, QDirIterator::Subdirectories);
        QStringList errors;
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QStringDecoder utf8(QStringDecoder::Utf8);
            (void)QString(utf8(bytes));
            if (utf8.hasError())
                errors.append(file.fileName() + QStringLiteral(": not UTF-8"));
            const QByteArray rest = QByteArray(bytes).replace("\r\n", "");
            if (rest.contains('\r') || rest.contains('\n') || !bytes.endsWith("\r\n"))
                errors.append(file.fileName() + QStringLiteral(": a line not ended by CR LF"));
        }
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    }

    void everyKeywordHasAUsableAnswer()
    {
        IndexWalk walk;
        WalkIndex(QStringLiteral("keywords.txt"), true, &walk);
        WalkIndex(QStringLiteral("preset1.txt"), false, &walk);
        QVERIFY2(walk.errors.isEmpty(), qPrintable(walk.errors.join(QLatin1Char('\n'))));
        QVERIFY2(walk.thinMainCodes.isEmpty(),
                 qPrintable(QStringLiteral("codes with fewer than three entries or without both statements and questions: ")
                            + walk.thinMainCodes.join(QStringLiteral(", "))));
        QVERIFY2(walk.nMainKeywordLines >= 400, qPrintable(QString::number(walk.nMainKeywordLines)));
        QVERIFY2(walk.mainCodes.size() >= 30, qPrintable(QString::number(walk.mainCodes.size())));
        QVERIFY2(walk.followUps.size() >= 8, qPrintable(QStringList(walk.followUps.values()).join(QLatin1Char(' '))));
        qInfo("keywords.txt: %d keyword lines, %d codes; %d follow-up indexes", walk.nMainKeywordLines,
              int(walk.mainCodes.size()), int(walk.followUps.size()));
    }

    void presetBlocksAreUsable_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("minEntries");
        QTest::newRow("watch word") << "Preset2.txt" << "0010" << 3;
        QTest::newRow("several words") << "Preset2.txt" << "0013" << 3;
        QTest::newRow("greeting") << "Preset3.txt" << "0002" << 3;
        QTest::newRow("welcome") << "Preset3.txt" << "0001" << 3;
        QTest::newRow("fallback") << "Preset4.txt" << "0001" << 15;
    }

    void presetBlocksAreUsable()
    {
        QFETCH(QString, file);
        QFETCH(QString, code);
        QFETCH(int, minEntries);
        QStringList errors;
        const BlockCheck block = CheckBlock(file, code, QStringLiteral("preset"), &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        QVERIFY2(block.nEntries >= minEntries, qPrintable(QString::number(block.nEntries)));
    }

    void theWelcomeUsesTheName()
    {
        ProgramFolder folder;
        CopyShippedData(folder);
        ScriptedDialogs dialogs;
        modPublic::UserName = QStringLiteral("Zoë");
        for (int i = 0; i < 10; ++i) {
            const ResponseEntry e = GetRandomEntryFromFile({QStringLiteral("zoë"), QStringLiteral("0001"), QStringLiteral("Preset3.txt"), QStringLiteral("zoë")}, 3);
            QVERIFY2(e.sText.contains(QStringLiteral("Zoë")), qPrintable(e.sText));
        }
        const ResponseEntry but = GetRandomEntryFromFile({QStringLiteral("<Orvia> But"), QStringLiteral("0010"), QStringLiteral("Preset2.txt"), QString()}, 3);
        QVERIFY2(but.sText.startsWith(QStringLiteral("<orvia> but")), qPrintable(but.sText));
        QVERIFY(dialogs.messages.isEmpty());
    }

    // While the name is asked for, every answer asks for it again.
    void nameTurnAnswersAskForTheName()
    {
        QStringList blocks{QStringLiteral("Preset2.txt 0010"), QStringLiteral("Preset2.txt 0013"), QStringLiteral("Preset3.txt 0002")};
        QStringList errors;
        const auto index = ReadData(QStringLiteral("preset1.txt"), &errors);
        QVERIFY(index);
        QString sSection;
        for (const QStringView sLine : TextFile::SplitLines(*index)) {
            const IndexLine line = ClassifyIndexLine(sLine);
            if (line.kind == IndexLine::Section)
                sSection = line.sSection.toString();
            else if (line.kind == IndexLine::Keyword && !blocks.contains(sSection + QLatin1Char(' ') + line.sCode.toString()))
                blocks.append(sSection + QLatin1Char(' ') + line.sCode.toString());
        }
        QVERIFY(blocks.size() > 5);
        for (const QString &sBlock : blocks) {
            const QStringList parts = sBlock.split(QLatin1Char(' '));
            const auto text = ReadData(parts[0], &errors);
            QVERIFY(text);
            for (const QStringView entry : GatherBlock(TextFile::SplitLines(*text), parts[1], 3).entries) {
                const QString s = entry.toString().toLower();
                if (!s.contains(QLatin1String("name")) && !s.contains(QLatin1String("call you")))
                    errors.append(sBlock + QStringLiteral(": ") + s);
            }
        }
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    }

    // The opening of a chat as the chat window plays it: greeting, a name
    // wrapped in a sentence, the name alone, then the answer to "how are you?".
    void aChatFromTheGreeting()
    {
        ProgramFolder folder;
        CopyShippedData(folder);
        ScriptedDialogs dialogs;
        modPublic::UserName = QStringLiteral("User");
        const QString sGreeting = GetPresetResponse(QStringLiteral("Preset3.txt"), QStringLiteral("0002"));
        QVERIFY2(sGreeting.contains(QLatin1String("name")), qPrintable(sGreeting + dialogs.messages.value(0).sText));

        const QString sWrapped = QStringLiteral("my name is Sam");
        const KeywordMatch caught = KeywordSearchFile(sWrapped.toUpper(), folder.DataPath(QStringLiteral("preset1.txt")));
        QVERIFY(!caught.sKeyword.isEmpty());
        QVERIFY(!GetRandomEntryFromFile(caught, 3).sText.isEmpty());

        const QString sName = QStringLiteral("Sam");
        QVERIFY(KeywordSearchFile(sName.toUpper(), folder.DataPath(QStringLiteral("preset1.txt"))).sKeyword.isEmpty());
        modPublic::UserName = sName;
        const QString sWelcome = GetRandomEntryFromFile({sName, QStringLiteral("0001"), QStringLiteral("Preset3.txt"), sName}, 3).sText;
        QVERIFY2(sWelcome.contains(sName), qPrintable(sWelcome));
        QCOMPARE(modPublic::FollowUpFile, QStringLiteral("fu_howareyou.txt"));

        const ReplyResult reply = GetReply(QStringLiteral("good thanks"));
        QCOMPARE(modPublic::LastMatch.sKeyword, QStringLiteral("good"));
        QVERIFY(!reply.sText.isEmpty());
        QVERIFY(dialogs.messages.isEmpty());
    }

    // Answers to the name question that are not names are caught; real names,
    // even those holding a short word, are not.
    void nameQuestionAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("caught");
        for (const char *s : {"{SILENCE}", "my name is Sam", "call me Al", "I'm Kate", "i am bob", "why?", "what for", "no thanks",
                              "nope", "hello there", "hi orvia", "who are you", "what's yours", "none of your business", "guess",
                              "dunno", "it's Jo"})
            QTest::newRow(s) << QString::fromUtf8(s) << true;
        for (const char *s : {"Sam", "Noah", "Nora", "Archie", "Ayesha", "Cheyenne", "Hannah", "Jonah", "Shirley", "Michiko",
                              "William", "Simone", "Arnold", "Whitney", "Chiara", "Brooke", "Josefine", "Nathan", "Sophie", "Zoë"})
            QTest::newRow(s) << QString::fromUtf8(s) << false;
    }

    void nameQuestionAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(bool, caught);
        ProgramFolder folder;
        CopyShippedData(folder);
        ScriptedDialogs dialogs;
        const KeywordMatch m = KeywordSearchFile(answer.toUpper(), folder.DataPath(QStringLiteral("preset1.txt")));
        QCOMPARE(!m.sKeyword.isEmpty(), caught);
        if (caught) {
            const ResponseEntry e = GetRandomEntryFromFile(m, 3);
            QString why;
            QVERIFY2(!HasBadText(e.sText, &why), qPrintable(why + QStringLiteral(": ") + e.sText));
        }
        QVERIFY(dialogs.messages.isEmpty());
    }

    void findShadowed_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("shadowed");
        QTest::newRow("longer below shorter") << QStringList{"[a.txt]", "0001 cat", "0002 cats"} << 1;
        QTest::newRow("longer above shorter") << QStringList{"[a.txt]", "0002 cats", "0001 cat"} << 0;
        QTest::newRow("letter case ignored") << QStringList{"[a.txt]", "0001 Hi ", "0002 oh hi "} << 1;
        QTest::newRow("across sections") << QStringList{"[a.txt]", "0001 no", "[b.txt]", "0001 not now"} << 1;
        QTest::newRow("repeated phrase") << QStringList{"[a.txt]", "0001 dog", "0002 dog"} << 1;
        QTest::newRow("blank keeps them apart") << QStringList{"[a.txt]", "0001 hi ", "0002 this"} << 0;
        QTest::newRow("comment says why") << QStringList{"[a.txt]", "0001 cat", "/ shadowed on purpose: reached on repeats", "0002 cats"} << 0;
        QTest::newRow("comment without a reason") << QStringList{"[a.txt]", "0001 cat", "/ cats", "0002 cats"} << 1;
        QTest::newRow("comment not directly above") << QStringList{"[a.txt]", "0001 cat", "/ shadowed on purpose", "", "0002 cats"} << 1;
    }

    void findShadowed()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, shadowed);
        const QString sText = lines.join(QStringLiteral("\r\n"));
        QCOMPARE(FindShadowed(TextFile::SplitLines(sText)).size(), shadowed);
    }

    void noShippedKeywordIsShadowed()
    {
        IndexWalk walk;
        WalkIndex(QStringLiteral("keywords.txt"), true, &walk);
        WalkIndex(QStringLiteral("preset1.txt"), false, &walk);
        QVERIFY(walk.indexes.size() > 2);
        QVERIFY2(walk.shadowed.isEmpty(), qPrintable(walk.shadowed.join(QLatin1Char('\n'))));
    }

    // The evaluation set: most sentences are answered from a keyword, and no
    // answer of any block that answers them reads badly once filled.
    // ORVIA_SHOW_REPLIES=1 prints the whole chat.
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
        const QList<QStringList> conversations = EvalConversations(kTestData + QLatin1Char('/') + file);
        int nSentences = 0;
        for (const QStringList &c : conversations)
            nSentences += int(c.size());

        ProgramFolder folder;
        CopyShippedData(folder);
        ScriptedDialogs dialogs;
        const bool show = qEnvironmentVariableIsSet("ORVIA_SHOW_REPLIES");
        int nFromKeyword = 0;
        QStringList bad;
        QStringList fallbacks;
        for (const QStringList &conversation : conversations) {
            modPublic::FollowUpFile.clear();
            modPublic::LastMatch = KeywordMatch();
            modPublic::UserName = QStringLiteral("Sam");
            for (const QString &sSentence : conversation) {
                const ReplyResult reply = GetReply(sSentence);
                const KeywordMatch m = modPublic::LastMatch;
                const bool fromKeyword = !m.sKeyword.isEmpty() && m.sFile != QLatin1String("Preset4.txt");
                if (fromKeyword)
                    ++nFromKeyword;
                else
                    fallbacks.append(sSentence);
                if (show)
                    qInfo().noquote() << "<Sam>" << sSentence << "\n<Orvia>" << reply.sText << "   ["
                                      << m.sFile << m.sCode << "\"" + m.sKeyword + "\"]";
                QString why;
                if (HasBadText(reply.sText, &why))
                    bad.append(QStringLiteral("%1 -> %2: %3").arg(sSentence, reply.sText, why));
                // Every entry the block could have given, filled for this sentence.
                const auto text = TextFile::ReadText(folder.DataPath(m.sFile));
                QVERIFY2(text, qPrintable(m.sFile));
                for (const QStringView entry : GatherBlock(TextFile::SplitLines(*text), m.sCode, 3).entries) {
                    const QString sFilled = FillTemplate(entry.toString().toLower().sliced(1), m);
                    if (HasBadText(sFilled, &why))
                        bad.append(QStringLiteral("%1 -> %2: %3").arg(sSentence, sFilled, why));
                }
            }
        }
        const double rate = double(nFromKeyword) / nSentences;
        qInfo("%s: keyword-answer rate %d of %d sentences (%.1f%%)", qPrintable(file), nFromKeyword, nSentences, 100.0 * rate);
        if (show && !fallbacks.isEmpty())
            qInfo().noquote() << "fallback for:" << fallbacks.join(QStringLiteral(" | "));
        QVERIFY2(nSentences >= minSentences, qPrintable(QString::number(nSentences)));
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
        QVERIFY2(rate >= 0.85, qPrintable(fallbacks.join(QLatin1Char('\n'))));
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).sText));
    }
};

QTEST_GUILESS_MAIN(KnowledgeTest)
#include "test_knowledge.moc"
