#include "engine/WordList.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace WordList {

namespace {

// "Rose", not "HI" or "OK": the way a name is written.
bool IsTitleCase(QStringView sWord)
{
    return sWord.size() > 1 && sWord.front().isUpper()
           && std::all_of(sWord.begin() + 1, sWord.end(), [](QChar c) { return c.isLetter() && !c.isUpper(); });
}

// The list's words that it never writes as a name, read once.
const QSet<QString> &NeverCapitalised()
{
    static const QSet<QString> words = [] {
        QString sText;
        const QList<QStringView> lower = LowerCaseWords(kSystemPath, sText);
        QSet<QString> set;
        set.reserve(lower.size());
        for (const QStringView sWord : lower)
            set.insert(sWord.toString());
        for (const QStringView sLine : QStringView(sText).split(u'\n', Qt::SkipEmptyParts))
            if (const QStringView sWord = sLine.trimmed(); IsTitleCase(sWord))
                set.remove(sWord.toString().toLower());
        return set;
    }();
    return words;
}

}  // namespace

QList<QStringView> LowerCaseWords(const QString &sPath, QString &sText)
{
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    sText = QString::fromUtf8(file.readAll());
    QList<QStringView> words;
    words.reserve(sText.count(u'\n'));
    for (const QStringView sLine : QStringView(sText).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringView sWord = sLine.trimmed();
        if (!sWord.isEmpty() && std::all_of(sWord.begin(), sWord.end(), [](QChar c) { return c.isLetter() && !c.isUpper(); }))
            words << sWord;
    }
    return words;
}

bool CouldBeName(QStringView sWord)
{
    static const QSet<QString> kTitles{QStringLiteral("mr"),  QStringLiteral("mrs"),    QStringLiteral("ms"),   QStringLiteral("miss"),
                                       QStringLiteral("dr"),  QStringLiteral("sir"),    QStringLiteral("madam"), QStringLiteral("mister"),
                                       QStringLiteral("mx"),  QStringLiteral("prof")};
    if (sWord.isEmpty() || !std::any_of(sWord.begin(), sWord.end(), [](QChar c) { return c.isLetter(); }))
        return false;
    const QString sLower = sWord.toString().toLower();
    // The list holds every letter, but "K" and "J" are names people go by.
    if (sLower.size() == 1)
        return sLower != u"a" && sLower != u"i";
    return !kTitles.contains(sLower) && !NeverCapitalised().contains(sLower);
}

QString OneWordName(const QString &sLine)
{
    static const QRegularExpression kParts(QStringLiteral("[.!?,;]+"));
    static const QRegularExpression kWord(QStringLiteral("^\\p{L}[\\p{L}\\p{M}'-]*$"));
    for (const QString &sPart : sLine.split(kParts, Qt::SkipEmptyParts)) {
        const QString sWord = sPart.trimmed();
        if (kWord.match(sWord).hasMatch() && CouldBeName(sWord))
            return sWord;
    }
    return QString();
}

QString CompoundName(const QString &sLine)
{
    static const QRegularExpression kEnd(QStringLiteral("[.!?,;]+$"));
    const QString sName = sLine.trimmed().remove(kEnd).simplified();
    const QStringList words = sName.split(u' ');
    if (words.size() < 2 || words.size() > 3)
        return QString();
    const bool allNames = std::all_of(words.begin(), words.end(), [](const QString &w) {
        return w.front().isUpper() && std::all_of(w.begin(), w.end(), [](QChar c) { return c.isLetter() || c.isMark() || c == u'-' || c == u'\''; })
               && CouldBeName(w);
    });
    return allNames ? sName : QString();
}

}  // namespace WordList
