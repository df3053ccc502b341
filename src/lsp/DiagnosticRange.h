#pragma once

#include <QString>
#include <QStringView>

#include <utility>

// The part of a line a finding of the checker is about: the phrase of a
// keyword line, the name of a section line or a follow-up setting, or the text
// the message quotes (a tag, a code, a header); the whole line when none fits.
// From and to count UTF-16 code units, as editors do.
std::pair<qsizetype, qsizetype> FindingSpan(QStringView sLine, bool inIndex, const QString &sMessage);
