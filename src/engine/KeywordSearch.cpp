#include "engine/KeywordSearch.h"

#include "common/DataFolder.h"
#include "common/modPublic.h"
#include "engine/KeywordSearchCore.h"

KeywordMatch KeywordSearch(const QString &sSentence, int *pnLine, EngineFailure *pFailure)
{
    return KeywordSearchCore::Search(sSentence, DataFolder::DataPath(modPublic::KeywordIndexFile),
                                     QStringLiteral("KeywordSearch Function"), nullptr, pnLine, pFailure);
}

KeywordMatch KeywordSearchFile(const QString &sSentence, const QString &sPath, int *pnLine, EngineFailure *pFailure)
{
    return KeywordSearchCore::Search(sSentence, sPath, QStringLiteral("KeywordSearchFile Function"), nullptr, pnLine, pFailure);
}

KeywordMatch KeywordSearchExclude(const QString &sSentence, const QString &sExclude, int *pnLine, EngineFailure *pFailure)
{
    return KeywordSearchCore::Search(sSentence, DataFolder::DataPath(modPublic::KeywordIndexFile),
                                     QStringLiteral("KeywordSearchExclude Function"), &sExclude, pnLine, pFailure);
}
