// The cipher against its table of net shifts, and the round trip as a
// property: whenever no character was dropped, Decrypt gives back what
// Encrypt was given, whatever the text holds (lone surrogates, U+FEFF, ...).
// Input, in the parts Fuzz::Split cuts: key, text; the text is tried as UTF-8
// and as raw UTF-16.
#include "FuzzSupport.h"
#include "Model.h"

#include "console/Encryption.h"

namespace {

QString Hex(const QString &s)
{
    QString sHex;
    for (const QChar c : s)
        sHex += QStringLiteral("%1 ").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return sHex;
}

void Check(const QString &sText, const QString &sKey)
{
    int nDropped = 0;
    const QString sEncrypted = Encryption::Encrypt(sText, sKey);
    FUZZ_CHECK(sEncrypted == Model::Cipher(sText, sKey, +1, &nDropped), Hex(sText) + QStringLiteral("-> ") + Hex(sEncrypted));
    if (nDropped == 0)
        FUZZ_CHECK(Encryption::Decrypt(sEncrypted, sKey) == sText, Hex(sText) + QStringLiteral("-> ") + Hex(Encryption::Decrypt(sEncrypted, sKey)));
    const QString sDecrypted = Encryption::Decrypt(sText, sKey);
    FUZZ_CHECK(sDecrypted == Model::Cipher(sText, sKey, -1, &nDropped), Hex(sText) + QStringLiteral("-> ") + Hex(sDecrypted));
    if (nDropped == 0)
        FUZZ_CHECK(Encryption::Encrypt(sDecrypted, sKey) == sText, Hex(sText));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    const Fuzz::Input input = Fuzz::Split(data, size, 2);
    const QString &sKey = input.strings[0];
    Check(input.strings[1], sKey);
    const QByteArray units = input.stringBytes[1].toByteArray();  // aligned for char16_t
    Check(QString(reinterpret_cast<const QChar *>(units.constData()), units.size() / 2), sKey);
    return 0;
}
