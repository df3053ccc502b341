#include "engine/Templates.h"

#include "common/KnowledgeLayout.h"
#include "engine/BaseSettings.h"
#include "engine/Blanks.h"
#include "engine/PhraseMatch.h"
#include "engine/Reflection.h"
#include "engine/Substitutions.h"
#include "engine/TextFold.h"
#include "engine/WordList.h"

QString InAnswerCase(const QString &s)
{
    return Settings::Load().keepCase ? s : TextFold::Lower(s);
}

namespace {

// The part of the sentence after the keyword, and what stands before it, cut
// from the sentence in composed form and in its own letter case. One
// character after the keyword is passed over, the blank before the next word,
// unless the keyword ends at a word edge, which took that character already.
struct Rest {
    QString sLead;
    QString sText;
};

bool FoldsAccents()
{
    return Settings::Load().foldAccents;
}

// Where the keyword stands in the composed sentence, matched as the search
// matches it; an empty sentence holds nothing.
std::optional<PhraseMatch::Span> FindKeyword(const TextFold::Mapped &sentence, const QString &sKeyword, bool foldAccents)
{
    if (sentence.sText.isEmpty())
        return std::nullopt;
    const std::optional<PhraseMatch::Span> span = PhraseMatch::Find(sentence.sText, TextFold::Folded(sKeyword, foldAccents));
    if (!span)
        return std::nullopt;
    return PhraseMatch::Span{sentence.SourceStart(span->nStart), sentence.SourceEnd(span->nEnd)};
}

// The one character after a phrase that does not end in an edge: the blank
// before the next word, or the last letter of the phrase's own word ("i hope"
// in "i hoped you"). In a script without blanks the next character is the
// echo's first, and nothing is passed over.
qsizetype PassedOver(const QString &s, qsizetype nEnd)
{
    if (nEnd >= s.size())
        return 0;
    const QChar c = s[nEnd];
    if (c == u' ')
        return 1;
    const bool endsItsWord = nEnd + 1 == s.size() || !(s[nEnd + 1].isLetterOrNumber() || s[nEnd + 1].isMark());
    return c.isLetter() && !WrittenWithoutBlanks(c) && endsItsWord ? 1 : 0;
}

// Marks that combine with the character before them belong to it, and so
// does the low half of a surrogate pair: an echo never starts with one.
qsizetype WholeCharacterFrom(const QString &s, qsizetype n)
{
    while (n > 0 && n < s.size() && (s[n].isLowSurrogate() || QChar::category(s.at(n).unicode()) == QChar::Mark_NonSpacing))
        ++n;
    return n;
}

Rest RestOfSentence(const QString &sInput, const QString &sKeyword)
{
    const TextFold::Mapped sentence = TextFold::Map(sInput, FoldsAccents());
    const QString &s = sentence.sSource;
    qsizetype nAfter = sKeyword.size();  // where the rest starts when the keyword is not found
    if (const std::optional<PhraseMatch::Span> span = FindKeyword(sentence, sKeyword, FoldsAccents()))
        nAfter = span->nEnd + (PhraseMatch::EdgesOf(sKeyword).right ? 0 : PassedOver(s, span->nEnd));
    nAfter = WholeCharacterFrom(s, nAfter);
    if (s.size() - nAfter <= 0)
        return {};
    const QStringView sRest = TrimBlanks(QStringView(s).sliced(nAfter));
    const qsizetype nStart = sRest.isEmpty() ? s.size() : sRest.data() - s.data();
    return {s.first(nStart), sRest.toString()};
}

// What stands before the keyword in the sentence.
QString KeywordLead(const QString &sInput, const QString &sKeyword)
{
    const TextFold::Mapped sentence = TextFold::Map(sInput, FoldsAccents());
    const std::optional<PhraseMatch::Span> span = FindKeyword(sentence, sKeyword, FoldsAccents());
    return span ? sentence.sSource.first(span->nStart) : QString();
}

using ::InAnswerCase;

Rest InAnswerCase(const Rest &rest)
{
    return {InAnswerCase(rest.sLead), InAnswerCase(rest.sText)};
}

bool IsQuestionOrExclamationMark(QChar c)
{
    return c == u'?' || c == u'!' || c == u'\uFF1F' || c == u'\uFF01';  // and their full-width forms
}

// The rest without "?" and "!". Marks that stood between two words leave a
// blank, so that "hoped!you" still reads as two words: when the marks open the
// rest, the blank goes to the end of what stands before it.
Rest WithoutQuestionAndExclamationMarks(const Rest &rest)
{
    Rest out{rest.sLead, QString()};
    const QString &s = rest.sText;
    for (qsizetype i = 0; i < s.size();) {
        if (!IsQuestionOrExclamationMark(s[i])) {
            out.sText += s[i++];
            continue;
        }
        const qsizetype nStart = i;
        while (i < s.size() && IsQuestionOrExclamationMark(s[i]))
            ++i;
        const QChar before = nStart > 0 ? s[nStart - 1] : rest.sLead.isEmpty() ? QChar(u' ') : rest.sLead.back();
        if (before.isLetterOrNumber() && i < s.size() && s[i].isLetterOrNumber())
            (nStart > 0 ? out.sText : out.sLead) += u' ';
    }
    return out;
}

// The rest up to the end of the user's sentence that holds the keyword; an
// ellipsis does not end it.
QString WithinSentence(const QString &sRest)
{
    for (qsizetype i = 0; i + 1 < sRest.size(); ++i) {
        const QChar c = sRest[i];
        const bool ends = c == u'?' || c == u'!' || (c == u'.' && (i == 0 || sRest[i - 1] != u'.'));
        if (ends && sRest[i + 1] == u' ')
            return sRest.first(i);
        // Full-width marks end a sentence with no blank after them.
        if (c == u'\u3002' || c == u'\uFF1F' || c == u'\uFF01')
            return sRest.first(i);
    }
    return sRest;
}

// An echo carries no sentence punctuation at its ends, so the answer's own stands alone.
QString WithoutOuterPunctuation(const QString &s)
{
    // With the no-break spaces French sets before "?" and "!", and guillemets,
    // which a template that wants them writes itself.
    static const QString kMarks = QStringLiteral(" .,;:?!\u2026\u3002\uFF0C\u3001\uFF1B\uFF1A\uFF1F\uFF01\u00A0\u202F\u00AB\u00BB");
    qsizetype a = 0, b = s.size();
    while (a < b && kMarks.contains(s[a]))
        ++a;
    while (b > a && kMarks.contains(s[b - 1]))
        --b;
    return s.sliced(a, b - a);
}

// Puts an echo in for every tag; an empty echo takes the blank before it along,
// so "not [following]?" reads "not?" rather than "not ?".
void ReplaceEcho(QString &sText, const QString &sTag, const QString &sEcho)
{
    if (!sEcho.isEmpty()) {
        sText.replace(sTag, sEcho);
        return;
    }
    for (qsizetype i = sText.indexOf(sTag); i >= 0; i = sText.indexOf(sTag, i)) {
        const qsizetype nAfter = i + sTag.size();
        const bool blankBefore = i > 0 && sText[i - 1] == u' ';
        if (blankBefore && (nAfter == sText.size() || !sText[nAfter].isLetterOrNumber()))
            sText.remove(--i, sTag.size() + 1);
        else
            sText.remove(i, sTag.size());
    }
}

// The word after the keyword in sSentence, in its case, when it can be a
// name: letters, with apostrophes or hyphens inside ("O'Brien", "Anne-Marie").
QString NameAfter(const QString &sSentence, const QString &sKeyword)
{
    const Rest rest = RestOfSentence(sSentence, sKeyword);
    if (rest.sText.isEmpty())
        return QString();  // "my name is" and nothing after it
    const QStringView s = rest.sText;
    qsizetype n = 0;
    while (n < s.size() && (s[n].isLetter() || s[n].isMark() || ((s[n] == u'\'' || s[n] == u'-') && n > 0)))
        ++n;
    while (n > 0 && !s[n - 1].isLetter() && !s[n - 1].isMark())
        --n;
    return s.first(n).toString();
}

}  // namespace

// From what was typed when the phrase is there: the substitution table may
// have rewritten the name itself ("my name is K" read as "... is ok"). A word
// that cannot be a name ("I'm barely awake") gives way to a sentence of one
// word that can ("Hi. Jo. Sorry, I'm barely awake.").
QString NameAfterKeyword(const KeywordMatch &match)
{
    const QString sTyped = Substitutions::FoldQuotes(match.sTyped);
    const bool typedHolds = FindKeyword(TextFold::Map(sTyped, FoldsAccents()), match.sKeyword, FoldsAccents()).has_value();
    const QString &sSentence = typedHolds ? sTyped : match.sInput;
    const QString sName = NameAfter(sSentence, match.sKeyword);
    return WordList::CouldBeName(sName) ? sName : WordList::OneWordName(sSentence);
}

QString FillTemplate(const QString &sText, const KeywordMatch &match, const QString &sUserName)
{
    QString sResult = sText;
    sResult.replace(KnowledgeLayout::kNameTag, sUserName);
    const QString sLowerKeyword = TextFold::Lower(match.sKeyword);
    const QString &sInput = match.sInput;
    std::optional<ReflectionTable> table;  // read once, and only for an echo
    const auto reflect = [&table](const QString &s, const QString &sLead) {
        if (!table)
            table = Reflection::Load();
        return Reflection::Reflect(s, *table, sLead);
    };
    if (sResult.contains(KnowledgeLayout::kKeywordTag))
        sResult.replace(KnowledgeLayout::kKeywordTag, reflect(sLowerKeyword, InAnswerCase(KeywordLead(sInput, sLowerKeyword))));
    if (sResult.contains(KnowledgeLayout::kNextTag)) {
        const Rest rest = InAnswerCase(RestOfSentence(sInput, sLowerKeyword));
        Rest next = WithoutQuestionAndExclamationMarks({rest.sLead, rest.sText + QLatin1Char(' ')});
        next.sText.truncate(next.sText.indexOf(QLatin1Char(' ')) + 1);
        ReplaceEcho(sResult, KnowledgeLayout::kNextTag, WithoutOuterPunctuation(reflect(next.sText, next.sLead)));
    }
    if (sResult.contains(KnowledgeLayout::kFollowingTag)) {
        const Rest rest = InAnswerCase(RestOfSentence(sInput, sLowerKeyword));
        const Rest following = WithoutQuestionAndExclamationMarks({rest.sLead, WithinSentence(rest.sText)});
        ReplaceEcho(sResult, KnowledgeLayout::kFollowingTag, WithoutOuterPunctuation(reflect(following.sText, following.sLead)));
    }
    return sResult;
}

QString ReflectPronouns(const QString &sPhrase)
{
    return Reflection::Reflect(TextFold::Lower(sPhrase), Reflection::Load());
}
