#include "engine/BaseSettings.h"

#include "common/DataTableCache.h"
#include "common/KnowledgeLayout.h"
#include "common/TextFile.h"
#include "engine/TextFold.h"

QString BaseSettings::WatchWordKeyword() const
{
    return QStringLiteral("<Orvia> ") + sWatchWordWritten.left(1).toUpper() + sWatchWordWritten.mid(1);
}

namespace Settings {

namespace {

std::optional<bool> YesOrNo(const QString &sValue)
{
    const QString s = sValue.toLower();
    if (s == u"yes" || s == u"on" || s == u"true")
        return true;
    if (s == u"no" || s == u"off" || s == u"false")
        return false;
    return std::nullopt;
}

}  // namespace

BaseSettings Parse(QStringView sText, QStringList *problems)
{
    BaseSettings settings;
    QStringList seen;
    const QList<QStringView> lines = TextFile::SplitLines(sText);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList words = lines[i].toString().simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty() || words[0].startsWith(u'/'))
            continue;
        auto problem = [&](const QString &sWhy) {
            if (problems)
                *problems << QStringLiteral("line %1: %2").arg(i + 1).arg(sWhy);
        };
        const QString sName = words[0].toLower();
        if (words.size() != 2) {
            problem(QStringLiteral("\"%1\" takes one value").arg(words[0]));
            continue;
        }
        if (seen.contains(sName)) {
            problem(QStringLiteral("\"%1\" is set twice; the first line holds").arg(sName));
            continue;
        }
        if (sName == u"keep-case" || sName == u"fold-accents") {
            const std::optional<bool> value = YesOrNo(words[1]);
            if (!value) {
                problem(QStringLiteral("\"%1\" is \"yes\" or \"no\", not \"%2\"").arg(sName, words[1]));
                continue;
            }
            (sName == u"keep-case" ? settings.keepCase : settings.foldAccents) = *value;
        } else if (sName == u"watch-word") {
            settings.sWatchWord = TextFold::Folded(words[1]);
            settings.sWatchWordWritten = words[1];
        } else {
            problem(QStringLiteral("unknown setting \"%1\"; the settings are keep-case, fold-accents and watch-word").arg(words[0]));
            continue;
        }
        seen << sName;
    }
    return settings;
}

BaseSettings Load()
{
    static DataTableCache<BaseSettings> cache(KnowledgeLayout::kSettings, Parse);
    return cache.Get().value_or(BaseSettings());
}

}  // namespace Settings
