#pragma once

#include "common/KeywordMatch.h"
#include "engine/BaseSettings.h"
#include "engine/EngineTypes.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

// The rules of the knowledge files, the selection and the cipher read the
// plain way, one step after another, for the harnesses to hold the real code
// against. Files come in through the one reading that every reader shares.
namespace Model {

// The decoded text of data/<name>, or nothing when it cannot be read.
std::optional<QString> ReadData(const QString &sName);

// data/settings.txt read, or the settings a base has without it.
BaseSettings SettingsOfData();

// The text composed, "İ" made "i", then case-folded whole by ICU, with every
// combining dot above after an "i" dropped; with foldAccents, decomposed and
// without the combining accents U+0300 to U+036F.
QString Folded(const QString &s, bool foldAccents = false);
// toLower, with a sigma after a letter or mark and before none made final.
QString Lower(const QString &s);

// A folded phrase as a pattern: a blank at either end of a phrase that
// holds more than blanks is a word edge (no letter, digit, mark or apostrophe
// beside it), the rest literal.
QRegularExpression PhrasePattern(const QString &sPhrase);

// The first keyword line whose folded phrase the folded sentence holds (and,
// with psExclude, differs from it folded), folding accents as data/settings.txt says.
struct Search {
    KeywordMatch match;
    bool failed = false;  // unreadable file, or a short line reached
};
Search FindKeyword(const std::optional<QString> &text, const QString &sSentence, const QString *psExclude = nullptr);

// Every entry of a code, as the selection gathers it.
struct Block {
    QStringList entries;  // statements without "#", questions with "$"
    int nStatements = 0;
    int nQuestions = 0;
    QString sAttribute;
    std::optional<QString> followUp;
    bool shortAttribute = false;  // reading stopped at it
};
Block Gather(const QString &sText, const QString &sCode, int mode);

// What the selection gives for one gathered entry (tags filled by FillTemplate,
// which fuzz_template checks); `fill` false leaves the tags.
ResponseEntry Outcome(const QString &sEntry, const QString &sAttribute, const KeywordMatch &match, const QString &sUserName, bool fill = true);
bool Same(const ResponseEntry &a, const ResponseEntry &b);

// The cipher by its table of net shifts; `sign` +1 encrypts, -1 decrypts.
// *pnDropped counts the characters whose shifted code left 0 to 255.
QString Cipher(const QString &sText, const QString &sKey, int sign, int *pnDropped = nullptr);

}  // namespace Model
