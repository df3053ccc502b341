#pragma once

#include <QString>

// The word cipher of the console: each character's Windows-1252 code is shifted
// by an amount that depends on the key and on the character's place in a cycle
// of six. Decrypt undoes Encrypt for the same key. A shifted code outside 0 to
// 255 drops that character; a character Windows-1252 has no code for is passed
// through unchanged (it still takes its place in the cycle).
namespace Encryption {

// The key number: the sum of the key's codes times 0.1, divided by 6, rounded down.
qint64 KeyNumber(const QString &sKey);

QString Encrypt(const QString &sText, const QString &sKey);
QString Decrypt(const QString &sText, const QString &sKey);

}  // namespace Encryption
