#include "lsp/Workspace.h"

#include "common/BotFolder.h"
#include "common/DataFolder.h"
#include "common/KnowledgeLayout.h"
#include "engine/Blanks.h"
#include "engine/KeywordIndex.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace {

QString Resolved(const QString &sPath)
{
    const QFileInfo info(sPath);
    const QString sCanonical = info.canonicalFilePath();
    return sCanonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : sCanonical;
}

void Use(const QString &sDataDir)
{
    BotFolder bot;
    bot.sDataFolder = sDataDir;
    bot.sProgramFolder = QFileInfo(sDataDir).fileName() == QLatin1String("data") ? QFileInfo(sDataDir).path() : sDataDir;
    UseBotFolder(bot);
}

}  // namespace

bool Workspace::ChooseFromRoot(const QString &sFolder)
{
    const QDir root(sFolder);
    QString sData;
    if (QFileInfo(root.filePath(QStringLiteral("data"))).isDir())
        sData = root.filePath(QStringLiteral("data"));
    else if (QFileInfo::exists(root.filePath(KnowledgeLayout::kMainIndex)))
        sData = root.path();
    if (sData.isEmpty())
        return false;
    m_sDataDir = Resolved(sData);
    Use(m_sDataDir);
    return true;
}

void Workspace::ChooseFromDocument(const QString &sPath)
{
    const QString sFolder = QFileInfo(Resolved(sPath)).path();
    // A file in a subfolder of data/ belongs to the base above it.
    for (QDir dir(sFolder);; ) {
        if (QFileInfo::exists(dir.filePath(KnowledgeLayout::kMainIndex)) || dir.dirName() == QLatin1String("data")) {
            m_sDataDir = dir.path();
            break;
        }
        if (!dir.cdUp()) {
            m_sDataDir = sFolder;
            break;
        }
    }
    Use(m_sDataDir);
}

QString Workspace::NameOfUri(const QString &sUri) const
{
    const QUrl url(sUri);
    if (!Chosen() || !url.isLocalFile())
        return QString();
    const QString sPath = Resolved(url.toLocalFile());
    const QString sPrefix = m_sDataDir + QLatin1Char('/');
    if (!sPath.startsWith(sPrefix) || !sPath.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return QString();
    return sPath.sliced(sPrefix.size());
}

QString Workspace::UriOf(const QString &sName) const
{
    return QUrl::fromLocalFile(m_sDataDir + QLatin1Char('/') + sName).toString(QUrl::FullyEncoded);
}

QString Workspace::PathOf(const QString &sName) const
{
    return DataFolder::Resolve(DataFolder::DataPath(sName)).sPath;
}

bool Workspace::Check()
{
    TextOverlay overlay;
    for (auto it = m_open.cbegin(); it != m_open.cend(); ++it)
        overlay.insert(PathOf(it.key()), it.value());
    // The last check goes first, so that two are never held at once.
    m_check.reset();
    Join();
    auto check = std::make_unique<KnowledgeCheck>();
    check->SetWordList(m_sWordList);
    check->SetOverlay(std::move(overlay));
    const bool ok = check->Run();
    m_check = std::move(check);
    Join();
    return ok;
}

const KnowledgeFile *Workspace::File(const QString &sName) const
{
    return m_byPath.value(PathOf(sName));
}

QString Workspace::NameOf(const KnowledgeFile &file) const
{
    return file.sPath.isEmpty() ? file.sName : QDir(m_sDataDir).relativeFilePath(file.sPath);
}

void Workspace::Join()
{
    m_byPath.clear();
    m_keywordLines.clear();
    m_nameLines.clear();
    m_keywordAt.clear();
    m_nameAt.clear();
    m_reaching.clear();
    if (!m_check)
        return;
    const QList<const KnowledgeFile *> files = m_check->Files().Files();
    for (const KnowledgeFile *file : files)
        if (!file->sPath.isEmpty())
            m_byPath.insert(file->sPath, file);
    auto addName = [&](const KnowledgeFile *file, int nLine, qsizetype from, qsizetype to) {
        NameLine name{file, nLine, from, to, file->lines[nLine - 1].sliced(from, to - from).toString(), nullptr};
        name.target = File(name.sName);
        m_nameAt.insert({file, nLine}, m_nameLines.size());
        m_nameLines << name;
        return name.target;
    };
    for (const KnowledgeFile *file : files) {
        if (!file->Readable())
            continue;
        const bool index = file->HasSectionLine();
        const KnowledgeFile *section = nullptr;
        for (qsizetype i = 0; i < file->lines.size(); ++i) {
            const QStringView sLine = file->lines[i];
            const int nLine = int(i + 1);
            if (!index) {
                if (const QStringView sName = TrimBlanks(sLine.sliced(std::min<qsizetype>(1, sLine.size())));
                    sLine.startsWith(u'&') && !sName.isEmpty()) {
                    const qsizetype from = sName.data() - sLine.data();
                    addName(file, nLine, from, from + sName.size());
                }
                continue;
            }
            const IndexLine line = ClassifyIndexLine(sLine);
            if (line.kind == IndexLine::Section) {
                section = addName(file, nLine, 1, sLine.size() - 1);
            } else if (line.kind == IndexLine::Malformed && sLine.front() == u'[') {
                section = nullptr;
            } else if (line.kind == IndexLine::Keyword) {
                const QString sCode = TrimRightBlanks(line.sCode).toString();
                m_keywordAt.insert({file, nLine}, m_keywordLines.size());
                if (section)
                    m_reaching[{section, sCode}] << m_keywordLines.size();
                m_keywordLines << KeywordLine{file, nLine, sCode, section};
            }
        }
    }
}

QList<const KeywordLine *> Workspace::Reaching(const KnowledgeFile *response, const QString &sCode) const
{
    QList<const KeywordLine *> lines;
    const auto it = m_reaching.find({response, sCode});
    if (it != m_reaching.end())
        for (const qsizetype i : it->second)
            lines << &m_keywordLines[i];
    return lines;
}

const KeywordLine *Workspace::KeywordAt(const KnowledgeFile *index, int nLine) const
{
    const auto it = m_keywordAt.constFind({index, nLine});
    return it == m_keywordAt.cend() ? nullptr : &m_keywordLines[*it];
}

const NameLine *Workspace::NameAt(const KnowledgeFile *file, int nLine) const
{
    const auto it = m_nameAt.constFind({file, nLine});
    return it == m_nameAt.cend() ? nullptr : &m_nameLines[*it];
}

QList<Finding> Workspace::FindingsOf(const QString &sName, int nLine) const
{
    QList<Finding> found;
    for (const Finding &f : m_check->Findings())
        if (f.nLine == nLine && f.sFile == sName)
            found << f;
    return found;
}
