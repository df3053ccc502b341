// The response selection against the plain reading of the block rules: the
// entry it returns must be what one of the gathered entries gives, the
// follow-up and attribute settings those of the block, and every failure the
// rules name must be reported, and nothing else.
// Input, in the parts Fuzz::Split cuts: mode digit + code, keyword, sentence,
// user name, files;
// the first file is the response file.
#include "FuzzSupport.h"
#include "Model.h"

#include "engine/ResponseSelection.h"

namespace {

const QString kPending = QStringLiteral("pending.txt");

QString Show(const ResponseEntry &e)
{
    return QStringLiteral("{%1|%2|%3|%4}").arg(e.sText, e.sAttribute, e.sControl).arg(e.IsQuestion);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const Fuzz::Input input = Fuzz::Split(data, size, 4);
    Fuzz::WriteFiles(input);
    // A code is read from one line of a file, so it holds no line break.
    const QString sSpec = QString(input.strings[0]).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    const EntryMode mode = sSpec.isEmpty() ? StatementsAndQuestions : EntryMode(1 + sSpec[0].unicode() % 3);
    const KeywordMatch match{input.strings[1], sSpec.mid(1), input.files.isEmpty() ? QString() : input.files[0].sName, input.strings[2], QString()};
    Conversation conversation;
    conversation.sUserName = input.strings[3];
    conversation.sFollowUpFile = kPending;

    const ResponseEntry got = TakeAnswer(conversation, GetRandomEntryFromFile(match, mode, conversation));
    const bool reported = got.failure.Failed();
    FUZZ_CHECK(!reported || Model::Same(got, ResponseEntry{}), Show(got) + QStringLiteral(" with a failure"));
    FUZZ_CHECK(Fuzz::ErrorLogLines().size() == (reported ? 1 : 0), QStringLiteral("one error-log line per failure"));

    const std::optional<QString> text = Model::ReadData(match.sFile);
    if (!text) {
        FUZZ_CHECK(reported && conversation.sFollowUpFile == kPending, QStringLiteral("unreadable file not reported"));
        return 0;
    }
    const Model::Block block = Model::Gather(*text, match.sCode, mode);
    FUZZ_CHECK(conversation.sFollowUpFile == block.followUp.value_or(kPending), conversation.sFollowUpFile);
    if (block.shortAttribute || block.entries.isEmpty()) {
        FUZZ_CHECK(reported, QStringLiteral("no usable block, yet ") + Show(got));
        return 0;
    }
    if (reported) {
        FUZZ_CHECK(block.entries.contains(QString()), QStringLiteral("failure without a lone \"#\""));
        return 0;
    }
    bool found = false;
    for (const QString &sEntry : block.entries)
        found = found || (!sEntry.isEmpty() && Model::Same(got, Model::Outcome(sEntry, block.sAttribute, match, got.sNamed.isEmpty() ? input.strings[3] : got.sNamed)));
    FUZZ_CHECK(found, Show(got) + QStringLiteral(" is none of ") + block.entries.join(QLatin1Char('|')));
    return 0;
}
