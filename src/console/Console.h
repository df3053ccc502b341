#pragma once

#include "logs/LogWriter.h"

#include <QString>
#include <QStringList>

#include <optional>

// The console's command language: set/get of the debug and voice switches,
// encrypt/decrypt of one word.
namespace Console {

inline const QString CipherKey = QStringLiteral("Tesra");
inline const QString ErrorReply = QStringLiteral("There was an Error Processing your command - Please try again");

// The words of a command: cut at every single blank, so that two blanks give an
// empty word between them and a leading blank an empty first word.
QStringList SplitWords(const QString &sCommand);

// The reply to one command (the input line without its prompt). A command that
// cannot be parsed writes a "Parsing Error" entry to the error log and gets the
// apology. Only when that entry cannot be written is there no reply: the result
// is empty and *failure (when given) says why.
std::optional<QString> ParseClientCommand(const QString &sCommand, LogWriteStatus *failure = nullptr);

}  // namespace Console
