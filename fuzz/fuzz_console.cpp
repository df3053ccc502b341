// The console's command language against its reply table read the plain way:
// the reply, the two switches, and one error-log line exactly when the
// command cannot be parsed.
// Input, in the parts Fuzz::Split cuts: command, initial switches ("d" debug
// on, "v" voice on).
#include "FuzzSupport.h"
#include "Model.h"

#include "common/modPublic.h"
#include "console/Console.h"

namespace {

struct Expected {
    QString sReply;
    bool debug = false;
    bool voice = false;
    bool error = false;
};

Expected Table(const QString &sCommand, bool debug, bool voice)
{
    Expected e{QString(), debug, voice, false};
    const QStringList w = sCommand.split(QLatin1Char(' '));
    auto word = [&](int i) { return i < w.size() ? std::optional<QString>(w[i]) : std::nullopt; };
    auto fail = [&] {
        e.error = true;
        e.sReply = QStringLiteral("There was an Error Processing your command - Please try again");
        return e;
    };
    if (sCommand.isEmpty())
        return fail();
    const QString v = w[0].toLower();
    const QString o = word(1).value_or(QString()).toLower();
    if ((v == u"set" || v == u"get" || v == u"encrypt" || v == u"decrypt") && !word(1))
        return fail();
    if (v == u"set" && (o == u"debugmode" || o == u"voicemode")) {
        if (!word(2))
            return fail();
        const QString x = word(2)->toLower();
        bool &flag = o == u"debugmode" ? e.debug : e.voice;
        if (x == u"on" || x == u"off")
            flag = x == u"on";
        if (x != u"on" && x != u"off")
            e.sReply = QStringLiteral("Type Mismatch - On/Off syntax required ");
        else if (o == u"debugmode")
            e.sReply = flag ? QStringLiteral("Debugging Mode is active - All systems set to debug mode")
                            : QStringLiteral("Debugging Mode is shutting down - All Log files have been closed");
        else
            e.sReply = flag ? QStringLiteral("Voice Mode set to True") : QStringLiteral("Voice Mode set to False");
    } else if (v == u"set") {
        e.sReply = QStringLiteral("Object not found in SET statement");
    } else if (v == u"get" && o == u"voicemode") {
        e.sReply = QStringLiteral("Voice Mode is currently set to: ") + QString::fromUtf16(voice ? u"True" : u"False");
    } else if (v == u"get" && o == u"debugmode") {
        e.sReply = QStringLiteral("Debuging System status is set to: ") + QString::fromUtf16(debug ? u"True" : u"False");
    } else if (v == u"get") {
        e.sReply = QStringLiteral("Object not found in GET statement");
    } else if (v == u"encrypt" || v == u"decrypt") {
        const bool en = v == u"encrypt";
        e.sReply = w[1].isEmpty() ? (en ? QStringLiteral("No Text Specified in ENCRYPT statement") : QStringLiteral("No Text Specified in DECRYPT statement"))
                                  : Model::Cipher(w[1], QStringLiteral("Tesra"), en ? 1 : -1);
    } else {
        e.sReply = QStringLiteral("Unrecognised Command");
    }
    return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const Fuzz::Input input = Fuzz::Split(data, size, 2);
    const QString &sCommand = input.strings[0];
    modPublic::DebugMode = input.strings[1].contains(QLatin1Char('d'));
    modPublic::VoiceMode = input.strings[1].contains(QLatin1Char('v'));
    const Expected want = Table(sCommand, modPublic::DebugMode, modPublic::VoiceMode);

    const std::optional<QString> reply = Console::ParseClientCommand(sCommand);
    FUZZ_CHECK(reply && *reply == want.sReply, reply.value_or(QStringLiteral("(none)")) + QStringLiteral(" | ") + want.sReply);
    FUZZ_CHECK(modPublic::DebugMode == want.debug && modPublic::VoiceMode == want.voice, QStringLiteral("switches"));
    const QStringList log = Fuzz::ErrorLogLines();
    FUZZ_CHECK(log.isEmpty() != want.error, QStringLiteral("error log: %1 lines").arg(log.size()));
    if (want.error && !sCommand.contains(QLatin1Char('\r')) && !sCommand.contains(QLatin1Char('\n')))
        FUZZ_CHECK(log.size() == 1 && log[0].split(QChar(0xA5)).value(2) == u"ParseClientCommand", log.join(QLatin1Char('/')));
    return 0;
}
