// The tag filling and the reflection, over any table data/reflections.txt may
// hold: only words are turned round (everything else stays, in order); an
// entry without tags comes back unchanged, one with only "[name]" gets the
// name and nothing else; no tag of the entry is left in the answer.
// Input, in the parts Fuzz::Split cuts: entry text, keyword, sentence, user
// name, reflection table.
#include "FuzzSupport.h"

#include "engine/Templates.h"

namespace {

// What reflection must leave alone: all but letters, marks, apostrophes and blanks.
QString Skeleton(const QString &s)
{
    QString sOut;
    for (const QChar c : s)
        if (!c.isLetter() && !c.isMark() && c != u'\'' && c != u'\u2019' && c != u' ')
            sOut += c;
    return sOut;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const Fuzz::Input input = Fuzz::Split(data, size, 5);
    Fuzz::WriteData(QStringLiteral("reflections.txt"), input.strings[4].toUtf8());
    const QString sText = input.strings[0].toLower();
    const KeywordMatch match{input.strings[1], QStringLiteral("0001"), QStringLiteral("r.txt"), input.strings[2], QString()};
    const QString &sUserName = input.strings[3];

    const QString sReflected = ReflectPronouns(input.strings[0]);
    FUZZ_CHECK(Skeleton(sReflected) == Skeleton(input.strings[0].toLower()), input.strings[0] + QStringLiteral(" -> ") + sReflected);

    const QString sFilled = FillTemplate(sText, match, sUserName);
    if (!sText.contains(u'['))
        FUZZ_CHECK(sFilled == sText, sText + QStringLiteral(" -> ") + sFilled);
    if (!(QString(sText).remove(QStringLiteral("[name]")) + sUserName).contains(u'['))
        FUZZ_CHECK(sFilled == QString(sText).replace(QStringLiteral("[name]"), sUserName), sText + QStringLiteral(" -> ") + sFilled);
    // Unless the words brought one in, or leftover brackets make one around a filled tag.
    QString sBare = sText;
    for (const char *tag : {"[name]", "[keyword]", "[next]", "[following]"})
        sBare.remove(QLatin1String(tag));
    if (!(sBare + input.strings[1] + input.strings[2] + input.strings[3]).contains(u'['))
        for (const char *tag : {"[name]", "[keyword]", "[next]", "[following]"})
            FUZZ_CHECK(!sFilled.contains(QLatin1String(tag)), sText + QStringLiteral(" -> ") + sFilled);
    return 0;
}
