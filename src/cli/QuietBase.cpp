#include "cli/QuietBase.h"

#include "common/KnowledgeLayout.h"
#include "common/modPublic.h"

#include <QDir>

QuietBase::QuietBase()
{
    if (m_scratch.isValid())
        QDir(m_scratch.path()).mkdir(QStringLiteral("logs"));
}

QString QuietBase::Problem() const
{
    return m_scratch.isValid() ? QString() : QStringLiteral("no scratch folder for the logs: %1").arg(m_scratch.errorString());
}

void QuietBase::Use(const BotFolder &bot)
{
    modPublic::ProgramFolder = m_scratch.path();
    modPublic::DataFolder = bot.sDataFolder;
    modPublic::KeywordIndexFile = KnowledgeLayout::kMainIndex;
}
