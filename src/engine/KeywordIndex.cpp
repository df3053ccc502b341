#include "engine/KeywordIndex.h"

IndexLine ClassifyIndexLine(QStringView sLine)
{
    IndexLine line;
    if (sLine.isEmpty())
        return line;
    if (sLine.front() == u'/') {
        line.kind = IndexLine::Comment;
        return line;
    }
    if (sLine.front() == u'[') {
        if (sLine.size() < 2) {
            line.kind = IndexLine::Malformed;
            return line;
        }
        line.kind = IndexLine::Section;
        line.sSection = sLine.sliced(1, sLine.size() - 2);
        return line;
    }
    if (sLine.size() < 5) {
        line.kind = IndexLine::Malformed;
        return line;
    }
    line.kind = IndexLine::Keyword;
    line.sCode = sLine.first(4);
    line.sPhrase = sLine.sliced(5);
    return line;
}
