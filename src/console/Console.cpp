#include "console/Console.h"

#include "common/modPublic.h"
#include "console/Encryption.h"

namespace Console {

namespace {

QString TrueFalse(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// A command's words, where asking for a word that is not there is a parse failure.
class Words {
public:
    explicit Words(const QString &sCommand) : m_words(SplitWords(sCommand)) {}
    bool Has(qsizetype i) const { return i < m_words.size(); }
    const QString &At(qsizetype i) const { return m_words.at(i); }

private:
    QStringList m_words;
};

std::optional<QString> SetSwitch(const Words &words, bool &flag, const QString &sOnReply, const QString &sOffReply)
{
    if (!words.Has(2))
        return std::nullopt;
    const QString sValue = words.At(2).toLower();
    if (sValue == QLatin1String("on")) {
        flag = true;
        return sOnReply;
    }
    if (sValue == QLatin1String("off")) {
        flag = false;
        return sOffReply;
    }
    return QStringLiteral("Type Mismatch - On/Off syntax required ");
}

// The reply, or nothing when the command cannot be parsed.
std::optional<QString> Interpret(const QString &sCommand)
{
    if (sCommand.isEmpty())
        return std::nullopt;
    const Words words(sCommand);
    const QString sVerb = words.At(0).toLower();

    if (sVerb == QLatin1String("set")) {
        if (!words.Has(1))
            return std::nullopt;
        const QString sObject = words.At(1).toLower();
        if (sObject == QLatin1String("debugmode"))
            return SetSwitch(words, modPublic::DebugMode,
                             QStringLiteral("Debugging Mode is active - All systems set to debug mode"),
                             QStringLiteral("Debugging Mode is shutting down - All Log files have been closed"));
        if (sObject == QLatin1String("voicemode"))
            return SetSwitch(words, modPublic::VoiceMode, QStringLiteral("Voice Mode set to True"),
                             QStringLiteral("Voice Mode set to False"));
        return QStringLiteral("Object not found in SET statement");
    }
    if (sVerb == QLatin1String("get")) {
        if (!words.Has(1))
            return std::nullopt;
        const QString sObject = words.At(1).toLower();
        if (sObject == QLatin1String("voicemode"))
            return QStringLiteral("Voice Mode is currently set to: ") + TrueFalse(modPublic::VoiceMode);
        if (sObject == QLatin1String("debugmode"))
            return QStringLiteral("Debuging System status is set to: ") + TrueFalse(modPublic::DebugMode);
        return QStringLiteral("Object not found in GET statement");
    }
    if (sVerb == QLatin1String("encrypt") || sVerb == QLatin1String("decrypt")) {
        if (!words.Has(1))
            return std::nullopt;
        const bool encrypt = sVerb == QLatin1String("encrypt");
        const QString &sText = words.At(1);
        if (sText.isEmpty())
            return encrypt ? QStringLiteral("No Text Specified in ENCRYPT statement")
                           : QStringLiteral("No Text Specified in DECRYPT statement");
        return encrypt ? Encryption::Encrypt(sText, CipherKey) : Encryption::Decrypt(sText, CipherKey);
    }
    return QStringLiteral("Unrecognised Command");
}

}  // namespace

QStringList SplitWords(const QString &sCommand)
{
    return sCommand.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

std::optional<QString> ParseClientCommand(const QString &sCommand, LogWriteStatus *failure)
{
    if (std::optional<QString> sReply = Interpret(sCommand))
        return sReply;
    const LogWriteStatus status = WriteErrorLog({QStringLiteral("Parsing Error"), QStringLiteral("ParseClientCommand"),
                                                 QStringLiteral("Error Parsing Client Command (") + sCommand + QLatin1Char(')')});
    if (!status) {
        if (failure)
            *failure = status;
        return std::nullopt;
    }
    return ErrorReply;
}

}  // namespace Console
