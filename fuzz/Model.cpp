#include "Model.h"

#include "FuzzSupport.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "engine/Templates.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <cmath>
#include <string>

namespace Model {

namespace {

std::u16string U16(const QString &s)
{
    return s.toStdU16String();
}

// Every unit as it stands (fromStdU16String would drop a leading U+FEFF).
QString Q(const std::u16string &s)
{
    return QString(reinterpret_cast<const QChar *>(s.data()), qsizetype(s.size()));
}

std::u16string TrimRight(std::u16string s)
{
    while (!s.empty() && s.back() == u' ')
        s.pop_back();
    return s;
}

std::u16string Trim(std::u16string s)
{
    s = TrimRight(s);
    return s.substr(std::min(s.find_first_not_of(u' '), s.size()));
}

// UTF-16 when the file starts with a byte-order mark, or when its first units
// (16, or all when fewer, two at least) are each a non-zero byte beside a zero
// byte, all in the same order; a unit that is no character reads as U+FFFD.
std::optional<QString> Utf16Text(const QByteArray &bytes)
{
    std::optional<QStringConverter::Encoding> order;
    qsizetype nMark = 2;
    if (bytes.startsWith("\xFF\xFE"))
        order = QStringConverter::Utf16LE;
    else if (bytes.startsWith("\xFE\xFF"))
        order = QStringConverter::Utf16BE;
    else if (bytes.size() % 2 == 0 && bytes.size() >= 4) {
        nMark = 0;
        const QByteArray head = bytes.first(std::min<qsizetype>(bytes.size(), 32));
        if (QRegularExpression(QStringLiteral("^([^\\x00]\\x00)+$")).match(QString::fromLatin1(head)).hasMatch())
            order = QStringConverter::Utf16LE;
        else if (QRegularExpression(QStringLiteral("^(\\x00[^\\x00])+$")).match(QString::fromLatin1(head)).hasMatch())
            order = QStringConverter::Utf16BE;
    }
    if (!order)
        return std::nullopt;
    QString sText = QStringDecoder(*order, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom)(bytes.sliced(nMark));
    for (qsizetype i = 0; i < sText.size(); ++i) {
        if (sText[i].isHighSurrogate() && i + 1 < sText.size() && sText[i + 1].isLowSurrogate())
            ++i;
        else if (sText[i].isSurrogate())
            sText[i] = QChar::ReplacementCharacter;
    }
    return sText;
}

// The text as a pattern that matches it literally. QRegularExpression::escape
// writes a NUL as "\0", which digits after it would join into another code.
QString Literal(const QString &sText)
{
    QStringList pieces = sText.split(QChar(0));
    for (QString &sPiece : pieces)
        sPiece = QRegularExpression::escape(sPiece);
    return pieces.join(QStringLiteral("\\x{0}"));
}

}  // namespace

std::optional<QString> ReadData(const QString &sName)
{
    // A name holding a NUL names no file (the system would take it only up to the NUL).
    if (sName.contains(QChar(0)))
        return std::nullopt;
    const DataFolder::Resolution resolved = DataFolder::Resolve(DataFolder::DataPath(sName));
    const std::optional<QByteArray> bytes = resolved.sPath.isEmpty() ? std::nullopt : TextFile::ReadBytes(resolved.sPath);
    if (!bytes)
        return std::nullopt;
    // The rule the shared reading must follow: UTF-16 as above, else UTF-8
    // with one byte-order mark skipped at the very start (and nowhere else),
    // or else Windows-1252. A NUL is a character like any other.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString sRule = utf8(*bytes);
    if (const std::optional<QString> sUtf16 = Utf16Text(*bytes))
        sRule = *sUtf16;
    else if (utf8.hasError())
        sRule = QStringDecoder("windows-1252")(*bytes);
    else if (sRule.startsWith(QChar(0xFEFF)))
        sRule.remove(0, 1);
    const std::optional<QString> text = TextFile::ReadText(resolved.sPath);
    FUZZ_CHECK(text == sRule, QStringLiteral("%1 read as %2 characters, not %3").arg(sName).arg(text ? text->size() : -1).arg(sRule.size()));
    return text;
}

BaseSettings SettingsOfData()
{
    const std::optional<QString> text = ReadData(QStringLiteral("settings.txt"));
    return text ? Settings::Parse(*text) : BaseSettings();
}

QString Folded(const QString &s, bool foldAccents)
{
    std::u16string in = U16(s.normalized(QString::NormalizationForm_C).replace(QChar(0x0130), u'i'));
    std::u16string out(in.size() * 3 + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = u_strFoldCase(out.data(), int32_t(out.size()), in.data(), int32_t(in.size()), U_FOLD_CASE_DEFAULT, &status);
    FUZZ_CHECK(U_SUCCESS(status), QStringLiteral("ICU cannot fold ") + s);
    out.resize(size_t(n));
    QString sFolded = Q(out);
    static const QRegularExpression kDottedI(QStringLiteral("i\\x{0307}+"));
    sFolded.replace(kDottedI, QStringLiteral("i"));
    if (foldAccents) {
        static const QRegularExpression kAccent(QStringLiteral("[\\x{0300}-\\x{036F}]"));
        sFolded = sFolded.normalized(QString::NormalizationForm_D).remove(kAccent);
    }
    return sFolded;
}

QString Lower(const QString &s)
{
    static const QRegularExpression kFinalSigma(QStringLiteral("(?<=[\\p{L}\\p{M}])\\x{03C3}(?![\\p{L}\\p{M}])"));
    return s.toLower().replace(kFinalSigma, QStringLiteral("\u03C2"));
}

QRegularExpression PhrasePattern(const QString &sPhrase)
{
    static const QString kWordChar = QStringLiteral("[\\p{L}\\p{N}\\p{M}\\p{Cf}'\\x{2019}\\x{2018}\\x{02BC}]");
    const bool word = sPhrase.contains(QRegularExpression(QStringLiteral("[^ ]")));
    const bool left = word && sPhrase.startsWith(u' '), right = word && sPhrase.endsWith(u' ');
    return QRegularExpression((left ? QStringLiteral("(?<!") + kWordChar + u')' : QString())
                              + Literal(sPhrase.mid(left, sPhrase.size() - left - right))
                              + (right ? QStringLiteral("(?!") + kWordChar + u')' : QString()));
}

Search FindKeyword(const std::optional<QString> &text, const QString &sSentence, const QString *psExclude)
{
    Search result{{QString(), QString(), QString(), sSentence, QString()}, !text};
    if (!text)
        return result;
    const bool foldAccents = SettingsOfData().foldAccents;
    const QString sFolded = Folded(sSentence, foldAccents);
    const QString sFoldedExclude = psExclude ? Folded(*psExclude, foldAccents) : QString();
    QString sSection;
    for (const QStringView line : TextFile::SplitLines(*text)) {
        if (line.isEmpty() || line[0] == u'/')
            continue;
        if (line[0] == u'[') {
            result.failed = line.size() < 2;
            if (result.failed)
                return result;
            sSection = line.mid(1, line.size() - 2).toString();
            continue;
        }
        result.failed = line.size() < 5;
        if (result.failed)
            return result;
        const QString sPhrase = line.mid(5).toString();
        const QString sFoldedPhrase = Folded(sPhrase, foldAccents);
        if (!sFolded.isEmpty() && sFolded.contains(PhrasePattern(sFoldedPhrase)) && !(psExclude && sFoldedPhrase == sFoldedExclude)) {
            result.match = {sPhrase.toLower(), line.first(4).toString(), sSection, sSentence, QString()};
            return result;
        }
    }
    return result;
}

Block Gather(const QString &sText, const QString &sCode, int mode)
{
    Block block;
    const std::u16string header = u"*" + TrimRight(U16(sCode));
    bool inBlock = false, atHeader = false;
    for (const QStringView view : TextFile::SplitLines(sText)) {
        const QString line = view.toString();
        if (line.isEmpty())
            continue;
        if (line[0] == u'*' && TrimRight(U16(line)) == header)
            inBlock = atHeader = true;
        if (!inBlock)
            continue;
        if (line[0] == u'*') {
            if (atHeader)
                atHeader = false;
            else
                inBlock = false;
        } else if (line[0] == u'#' && mode != 2) {
            block.entries << line.mid(1);
            ++block.nStatements;
        } else if (line[0] == u'$' && mode != 1) {
            block.entries << line;
            ++block.nQuestions;
        } else if (line[0] == u'@') {
            block.shortAttribute = line.size() < 9;
            if (block.shortAttribute)
                return block;
            block.sAttribute = line.mid(9);
        } else if (line[0] == u'&') {
            block.followUp = Q(Trim(U16(line.mid(1))));
        }
    }
    return block;
}

ResponseEntry Outcome(const QString &sEntry, const QString &sAttribute, const KeywordMatch &match, const QString &sUserName, bool fill)
{
    ResponseEntry entry;
    entry.sAttribute = sAttribute;
    const QString sLower = SettingsOfData().keepCase ? sEntry : Lower(sEntry);
    entry.IsQuestion = sLower.startsWith(u'$');
    QString sText = sLower.mid(1);
    if (fill)
        sText = FillTemplate(sText, match, sUserName);
    const qsizetype brace = sText.indexOf(u'{');
    if (brace >= 0) {
        entry.sControl = sText.mid(brace);
        sText = Q(Trim(U16(sText.left(brace))));
    }
    entry.sText = sText;
    return entry;
}

bool Same(const ResponseEntry &a, const ResponseEntry &b)
{
    return a.sText == b.sText && a.sAttribute == b.sAttribute && a.sControl == b.sControl && a.IsQuestion == b.IsQuestion;
}

QString Cipher(const QString &sText, const QString &sKey, int sign, int *pnDropped)
{
    // The code page as Qt's codec reads it, inverted: character to code.
    static const QHash<char32_t, int> codes = [] {
        QHash<char32_t, int> table;
        for (int c = 0; c < 256; ++c) {
            const char byte = char(c);
            QStringDecoder decoder("windows-1252");
            const QString sOne = decoder(QByteArrayView(&byte, 1));
            // The five codes the code page leaves out stand for the C1 controls of the same number.
            table.insert(sOne.size() == 1 && sOne[0] != QChar::ReplacementCharacter ? sOne[0].unicode() : char32_t(c), c);
        }
        return table;
    }();
    // Code points as they stand; a lone surrogate is one of them.
    auto codePoints = [](const QString &s) {
        QList<char32_t> out;
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
                out << QChar::surrogateToUcs4(s[i], s[i + 1]);
                ++i;
            } else {
                out << s[i].unicode();
            }
        }
        return out;
    };
    long long sum = 0;
    for (const char32_t cp : codePoints(sKey))
        sum += codes.value(cp, '?');
    const long long k = (long long)std::floor(double(sum) * 0.1 / 6);
    const long long shift[6] = {-k + 2, k - 4, -k + 6, k + 1, -k + 7, k};
    const QList<char32_t> byCode = [] {
        QList<char32_t> table(256, 0);
        for (auto it = codes.begin(); it != codes.end(); ++it)
            table[it.value()] = it.key();
        return table;
    }();
    QString sResult;
    int p = 0, dropped = 0;
    for (const char32_t cp : codePoints(sText)) {
        p = (p + 1) % 6;
        if (!codes.contains(cp)) {
            if (QChar::requiresSurrogates(cp))
                sResult += QChar(QChar::highSurrogate(cp)), sResult += QChar(QChar::lowSurrogate(cp));
            else
                sResult += QChar(char16_t(cp));
            continue;
        }
        const long long v = codes.value(cp) + sign * shift[p];
        if (v < 0 || v > 255) {
            ++dropped;
            continue;
        }
        sResult += QChar(char16_t(byCode[int(v)]));
    }
    if (pnDropped)
        *pnDropped = dropped;
    return sResult;
}

}  // namespace Model
