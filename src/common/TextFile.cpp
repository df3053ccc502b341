#include "common/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {
constexpr auto kWindows1252 = "windows-1252";
}

QString DecodeWindows1252(const QByteArray &bytes)
{
    QStringDecoder decoder(kWindows1252);
    if (!decoder.isValid())  // a Qt without ICU: Latin-1 is the nearest single-byte reading
        return QString::fromLatin1(bytes);
    return decoder(bytes);
}

QString DecodeKnowledgeBytes(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString sText = utf8(bytes);
    if (!utf8.hasError()) {
        if (sText.startsWith(QChar(0xFEFF)))
            sText.remove(0, 1);
        return sText;
    }
    return DecodeWindows1252(bytes);
}

std::optional<QString> ReadText(const QString &sPath, Failure *failure)
{
    const std::optional<QByteArray> bytes = ReadBytes(sPath, failure);
    if (!bytes)
        return std::nullopt;
    return DecodeKnowledgeBytes(*bytes);
}

std::optional<QByteArray> ReadBytes(const QString &sPath, Failure *failure)
{
    QFile file(sPath);
    auto fail = [&](int nNumber, const QString &sDescription) -> std::optional<QByteArray> {
        if (failure)
            *failure = Failure{nNumber, sDescription, QStringLiteral("QFile")};
        return std::nullopt;
    };
    if (QFileInfo(sPath).isDir())
        return fail(QFileDevice::OpenError, QStringLiteral("%1 is a folder, not a file").arg(sPath));
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.error(), QStringLiteral("%1: %2").arg(sPath, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.error(), QStringLiteral("%1: %2").arg(sPath, file.errorString()));
    return bytes;
}

QList<QStringView> SplitLines(QStringView sText)
{
    QList<QStringView> lines;
    const QChar *data = sText.data();
    const qsizetype n = sText.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(sText.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(sText.sliced(start));
    return lines;
}

QByteArray EncodeWindows1252(const QString &sText)
{
    QStringEncoder encoder(kWindows1252);
    if (!encoder.isValid())
        return sText.toLatin1();
    QByteArray bytes = encoder(sText);
    if (!encoder.hasError())
        return bytes;
    // Some character has no code: encode one code point at a time and mark the gaps.
    bytes.clear();
    const QList<uint> codePoints = sText.toUcs4();
    for (uint codePoint : codePoints) {
        QStringEncoder single(kWindows1252);
        const QByteArray one = single(QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1));
        bytes += single.hasError() ? QByteArray("?") : one;
    }
    return bytes;
}

}  // namespace TextFile
