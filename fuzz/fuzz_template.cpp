// The tag filling and pronoun reflection against the rules written out step by
// step over plain strings.
// Input: entry text NUL keyword NUL sentence NUL user name.
#include "FuzzSupport.h"
#include "Model.h"

#include "common/modPublic.h"
#include "engine/ModFunctions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const Fuzz::Input input = Fuzz::Split(data, size, 4);
    const QString sText = input.strings[0].toLower();
    const KeywordMatch match{input.strings[1], QStringLiteral("0001"), QStringLiteral("r.txt"), input.strings[2]};
    modPublic::UserName = input.strings[3];

    const QString sReflected = ReflectPronouns(input.strings[0]);
    FUZZ_CHECK(sReflected == Model::Reflect(input.strings[0]), sReflected + QStringLiteral(" | ") + Model::Reflect(input.strings[0]));
    const QString sFilled = FillTemplate(sText, match);
    const QString sWant = Model::Fill(sText, match, modPublic::UserName);
    FUZZ_CHECK(sFilled == sWant, sFilled + QStringLiteral(" | ") + sWant);
    return 0;
}
