// Whole replies over a small knowledge base generated from the input: a main
// index in one or two response files, blocks that name a follow-up index,
// the fallback block, files in UTF-8 (with or without a byte-order mark),
// Windows-1252 or UTF-16 and any line ending, words holding a NUL, and a
// substitution table or none; then a
// few sentences, often repeated. Each reply must come from the block that the
// plain reading of the rules picks (the sentence rewritten word by word; a
// later question first, then the follow-up, then the main index, passing over
// the previous keyword, then the fallback), with nothing reported.
#include "FuzzSupport.h"
#include "Model.h"

#include "engine/Reply.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <string_view>

namespace {

using namespace std::literals;

// A NUL is a character like any other: "caf<NUL>é" is no "caf".
const std::u16string_view kWords[] = {u"cat"sv, u"my"sv,   u"dog"sv, u"i"sv,    u"me"sv,   u"you"sv,  u"Cat"sv,  u"CAT"sv,         u"caté"sv,
                                      u"É"sv,   u"ß"sv,    u"İ"sv,   u"日本"sv, u"?"sv,    u"{x}"sv,  u"hi"sv,   u"cat,"sv,        u"dog?"sv,
                                      u"..."sv, u"u"sv,    u"i\u2019m"sv, u"."sv, u"kat"sv, u"dawg"sv, u"caf\0é"sv, u"\0é"sv, u"\0"sv};

QString Words(FuzzedDataProvider &fdp, int nMax)
{
    QStringList words;
    for (int i = fdp.ConsumeIntegralInRange(0, nMax); i > 0; --i) {
        const std::u16string_view word = fdp.PickValueInArray(kWords);
        words << QString::fromUtf16(word.data(), qsizetype(word.size()));
    }
    QString s = words.join(QLatin1Char(' '));
    if (fdp.ConsumeBool())
        s = QLatin1Char(' ') + s;
    if (fdp.ConsumeBool())
        s += QLatin1Char(' ');
    return s;
}

void WriteLines(FuzzedDataProvider &fdp, const QString &sName, const QStringList &lines)
{
    static const char *const kEnds[] = {"\r\n", "\n", "\r"};
    const QString sText = lines.join(QString::fromLatin1(fdp.PickValueInArray(kEnds)));
    QByteArray bytes = sText.toUtf8();
    switch (fdp.ConsumeIntegralInRange(0, 5)) {
    case 1:
        bytes.prepend("\xEF\xBB\xBF");
        break;
    case 3:
    case 4:
    case 5: {
        // Without a mark only where the first characters tell UTF-16 (a byte of text beside a zero byte).
        static const QRegularExpression kTellsUtf16(QStringLiteral("^[\\x{1}-\\x{FF}]{2,16}$"));
        const bool withMark = fdp.ConsumeBool() || !kTellsUtf16.match(sText.left(16)).hasMatch();
        QStringEncoder utf16(fdp.ConsumeBool() ? QStringConverter::Utf16BE : QStringConverter::Utf16LE,
                             withMark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
        bytes = utf16(sText);
        break;
    }
    case 2: {
        // Windows-1252 where the text fits it and does not happen to be UTF-8 as well.
        QStringEncoder encoder("windows-1252");
        const QByteArray single = encoder(sText);
        QStringDecoder utf8(QStringConverter::Utf8);
        const QString sAgain = utf8(single);
        if (!encoder.hasError() && utf8.hasError())
            bytes = single;
        break;
    }
    default:
        break;
    }
    Fuzz::WriteData(sName, bytes);
}

struct Line {
    QString sCode;
    QString sPhrase;
};

// The first line whose phrase the sentence holds, passing over psExclude.
const Line *Find(const QList<Line> &lines, const QString &sSentence, const QString *psExclude = nullptr)
{
    const QString sFolded = Model::Folded(sSentence);
    for (const Line &line : lines)
        if (!sFolded.isEmpty() && sFolded.contains(Model::PhrasePattern(Model::Folded(line.sPhrase)))
            && !(psExclude && Model::Folded(line.sPhrase) == Model::Folded(*psExclude)))
            return &line;
    return nullptr;
}

// The sentence with each whole word the table names replaced; quotes folded.
QString Rewritten(QString s, const std::map<QString, QString> &table)
{
    s.replace(u'\u2019', u'\'');
    for (const auto &[sWord, sBy] : table)
        s.replace(QRegularExpression(QStringLiteral("(?<![\\p{L}\\p{N}'&-])") + sWord + QStringLiteral("(?![\\p{L}\\p{N}'&-])"),
                                     QRegularExpression::CaseInsensitiveOption),
                  sBy);
    return s;
}

// The last sentence holding "?" of a line of several, the first not counted.
QString LaterQuestion(const QString &sLine)
{
    const QStringList sentences = QString(sLine).replace(QRegularExpression(QStringLiteral("([.?!]+)( |$)")), QStringLiteral("\\1\n")).split(u'\n');
    for (qsizetype i = sentences.size() - 1; i > 0; --i)
        if (sentences[i].contains(u'?'))
            return sentences[i].trimmed();
    return QString();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    FuzzedDataProvider fdp(data, size);
    QList<Line> main, followUp;
    std::map<QString, bool> leadsOn;  // code -> its block names the follow-up index
    QStringList index{QStringLiteral("[a.txt]")}, fuIndex{QStringLiteral("[a.txt]")};
    QStringList files[2] = {{QStringLiteral("/ a")}, {QStringLiteral("/ b")}};
    int nFile = 0;
    auto addBlock = [&](const QString &sCode) {
        QStringList &file = files[nFile];
        file << QLatin1Char('*') + sCode + QString(fdp.ConsumeIntegralInRange(0, 1), QLatin1Char(' '));
        const QString sTag = QStringLiteral("R") + sCode + (fdp.ConsumeBool() ? QStringLiteral(" [following]") : QString());
        file << (fdp.ConsumeBool() ? QStringLiteral("$") : QStringLiteral("# ")) + sTag;
        leadsOn[sCode] = fdp.ConsumeBool();
        if (leadsOn[sCode])
            file << QStringLiteral("& fu.txt ");
        if (fdp.ConsumeBool())
            file << QStringLiteral("$") + sTag;
        file << QStringLiteral("*");
    };
    for (int i = fdp.ConsumeIntegralInRange(1, 10); i > 0; --i) {
        switch (fdp.ConsumeIntegralInRange(0, 9)) {
        case 0:
            index << QStringLiteral("/ ") + Words(fdp, 2);
            break;
        case 1:
            index << QString();
            break;
        case 2:
            nFile = 1 - nFile;
            index << (nFile ? QStringLiteral("[b.txt]") : QStringLiteral("[a.txt]"));
            break;
        default: {
            const Line line{QStringLiteral("K%1").arg(main.size(), 3, 10, QLatin1Char('0')), Words(fdp, 3)};
            main << line;
            index << line.sCode + QLatin1Char(' ') + line.sPhrase;
            addBlock(line.sCode);
        }
        }
    }
    nFile = 0;
    for (int i = fdp.ConsumeIntegralInRange(0, 3); i > 0; --i) {
        const Line line{QStringLiteral("F%1").arg(followUp.size(), 3, 10, QLatin1Char('0')), Words(fdp, 2)};
        followUp << line;
        fuIndex << line.sCode + QLatin1Char(' ') + line.sPhrase;
        addBlock(line.sCode);
    }
    WriteLines(fdp, QStringLiteral("keywords.txt"), index);
    WriteLines(fdp, QStringLiteral("fu.txt"), fuIndex);
    WriteLines(fdp, QStringLiteral("a.txt"), files[0]);
    WriteLines(fdp, QStringLiteral("b.txt"), files[1]);
    WriteLines(fdp, QStringLiteral("Preset4.txt"), {QStringLiteral("*0001"), QStringLiteral("# fallback")});
    // Typed words and what they are read as; no replacement is typed, so one pass is any order.
    std::map<QString, QString> table;
    QStringList rules{QStringLiteral("/ rules")};
    for (const auto &[sWord, sBy] : {std::pair{"u", "you"}, {"kat", "cat"}, {"dawg", "my dog"}})
        if (fdp.ConsumeBool()) {
            table[QString::fromLatin1(sWord)] = QString::fromLatin1(sBy);
            rules << QString::fromLatin1(sWord) + QLatin1Char(' ') + QString::fromLatin1(sBy);
        }
    if (!table.empty())
        WriteLines(fdp, QStringLiteral("substitutions.txt"), rules);
    Conversation conversation;
    conversation.sUserName = QStringLiteral("Orvia");

    QStringList said;
    QString sFollowUp, sLast;  // the model's FollowUpFile and LastMatch.sKeyword
    for (int turn = fdp.ConsumeIntegralInRange(1, 6); turn > 0; --turn) {
        const QString sSentence = !said.isEmpty() && fdp.ConsumeBool() ? said[fdp.ConsumeIntegralInRange<int>(0, said.size() - 1)]
                                                                        : Words(fdp, 4);
        said << sSentence;
        const QString sRead = Rewritten(sSentence, table);
        const auto searchMain = [&](const QString &s) {
            const Line *found = Find(main, s + QLatin1Char(' '));
            return (found ? found->sPhrase.toLower() : QString()) == sLast ? Find(main, s, &sLast) : found;
        };
        const Line *m = nullptr;
        bool searchNeeded = true;
        if (const QString sQuestion = LaterQuestion(sRead); !sQuestion.isEmpty()) {
            const Line *q = searchMain(sQuestion);
            if (q && !q->sPhrase.isEmpty()) {
                m = q;
                searchNeeded = false;
                sFollowUp.clear();
            }
        }
        if (searchNeeded && !sFollowUp.isEmpty()) {
            m = Find(followUp, sRead);
            searchNeeded = !m;
            sFollowUp.clear();
        }
        if (searchNeeded)
            m = searchMain(sRead);
        const bool fallback = !m || m->sPhrase.isEmpty();
        sLast = fallback ? QString() : m->sPhrase.toLower();
        sFollowUp = !fallback && leadsOn[m->sCode] ? QStringLiteral("fu.txt") : QString();

        const ReplyResult reply = GetReply(conversation, sSentence);
        const QString sWant = fallback ? QStringLiteral("fallback") : QLatin1Char('r') + m->sCode.toLower();
        const QString sDetail = QStringLiteral("\"%1\" gave \"%2\", not %3; index:\n%4").arg(sSentence, reply.sText, sWant, index.join(u'\n'));
        FUZZ_CHECK(reply.sText.section(QLatin1Char(' '), 0, 0) == sWant, sDetail);
        FUZZ_CHECK(conversation.lastMatch.sKeyword == sLast, sDetail);
        FUZZ_CHECK(conversation.sFollowUpFile.trimmed() == sFollowUp, sDetail);
        FUZZ_CHECK(!reply.Failed(), reply.sFailure + QLatin1Char('\n') + sDetail);
    }
    return 0;
}
