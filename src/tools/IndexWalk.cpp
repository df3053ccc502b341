#include "tools/IndexWalk.h"

QString AnswerCheck::Detail() const
{
    switch (fault) {
    case NoFileNamed:
        return QStringLiteral("No response file is named for this keyword");
    case FileUnreadable:
        return file->sError;
    case ShortAttribute:
        return QStringLiteral("Attribute line %1 of %2 is shorter than nine characters").arg(nFaultLine).arg(file->sName);
    case EmptyEntry:
        if (file->lines[nFaultLine - 1] == u"#")
            return QStringLiteral("Line %1 of %2 is a lone \"#\", which fails when it is picked").arg(nFaultLine).arg(file->sName);
        return QStringLiteral("Line %1 of %2 leaves no answer text").arg(nFaultLine).arg(file->sName);
    default:
        return QString();
    }
}

AnswerCheck CheckAnswer(KnowledgeFiles &files, const QString &sFile, QStringView sCode)
{
    AnswerCheck check;
    if (sFile.isEmpty()) {
        check.fault = AnswerCheck::NoFileNamed;
        return check;
    }
    check.file = &files.File(sFile);
    if (!check.file->Readable()) {
        check.fault = check.file->sPath.isEmpty() || check.file->bExists ? AnswerCheck::FileUnreadable : AnswerCheck::FileMissing;
        return check;
    }
    check.block = check.file->Block(sCode);
    if (!check.block) {
        check.fault = AnswerCheck::NoBlock;
    } else if (check.block->gathered.nShortAttributeLine) {
        check.fault = AnswerCheck::ShortAttribute;
        check.nFaultLine = check.block->gathered.nShortAttributeLine;
    } else if (check.block->gathered.entries.isEmpty()) {
        check.fault = AnswerCheck::NoEntries;
    } else if (check.block->nEmptyEntryLine) {
        check.fault = AnswerCheck::EmptyEntry;
        check.nFaultLine = check.block->nEmptyEntryLine;
    }
    return check;
}

IndexWalk::IndexWalk(KnowledgeFiles &files, const QString &sIndexName)
    : m_files(files)
    , m_index(files.File(sIndexName))
{
}

bool IndexWalk::Next()
{
    if (m_next >= m_index.lines.size())
        return false;
    m_line = WalkLine{};
    m_line.nLine = int(m_next + 1);
    m_line.sText = m_index.lines[m_next++];
    m_line.index = ClassifyIndexLine(m_line.sText);
    switch (m_line.index.kind) {
    case IndexLine::Section:
        m_sSection = m_line.index.sSection.toString();
        m_line.sectionFile = &m_files.File(m_sSection);
        break;
    case IndexLine::Malformed:
        // A one-character section line ends the search: nothing below it has a file.
        if (m_line.sText.front() == u'[')
            m_sSection.clear();
        break;
    case IndexLine::Keyword:
        m_line.sPhrase = m_line.index.sPhrase.toString().toLower();
        m_line.answer = CheckAnswer(m_files, m_sSection, m_line.index.sCode);
        break;
    default:
        break;
    }
    m_line.sSection = m_sSection;
    return true;
}
