#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "tools/CRCfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <zlib.h>

namespace {

quint32 Oracle(const QByteArray &bytes)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes a 32-bit length; feed it in pieces.
    for (qsizetype done = 0; done < bytes.size();) {
        const qsizetype n = qMin<qsizetype>(bytes.size() - done, 1 << 30);
        crc = crc32(crc, reinterpret_cast<const Bytef *>(bytes.constData() + done), uInt(n));
        done += n;
    }
    return quint32(crc);
}

QByteArray RandomBytes(qsizetype n, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i)
        bytes[i] = char(random.bounded(256));
    return bytes;
}

QString Expected(quint32 crc)
{
    return QString::number(crc, 16).toUpper().leftJustified(8, QLatin1Char(' '));
}

}  // namespace

class TestCRCfile : public QObject {
    Q_OBJECT

private slots:
    void matchesZlibOnFiles_data();
    void matchesZlibOnFiles();
    void chainedUpdatesAgreeAtAnyBoundary();
    void tableFollowsThePolynomial();
    void formatsAsEightCharacters_data();
    void formatsAsEightCharacters();
    void shortCrcIsPaddedOnTheRight();
    void unreadableFileShowsTheWizardBox_data();
    void unreadableFileShowsTheWizardBox();
};

void TestCRCfile::matchesZlibOnFiles_data()
{
    QTest::addColumn<qsizetype>("size");
    const qsizetype sizes[] = {0, 1, 2, 3, 7, 8, 9, 15, 16, 17, 255, 4095, 4096, 4097, 32767, 32768, 32769,
                               65543, (1 << 20) - 1, 1 << 20, (1 << 20) + 1, 3 * (1 << 20) + 5, 7 * (1 << 20) + 3};
    for (qsizetype size : sizes)
        QTest::addRow("%lld bytes", qlonglong(size)) << size;
}

void TestCRCfile::matchesZlibOnFiles()
{
    QFETCH(qsizetype, size);
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    const QByteArray bytes = RandomBytes(size, quint32(size) * 2654435761u + 1);
    folder.WriteDataBytes(QStringLiteral("file.bin"), bytes);
    QCOMPARE(CRCfile::GetCRCforFile(folder.DataPath(QStringLiteral("file.bin"))), Expected(Oracle(bytes)));
    QVERIFY(dialogs.messages.isEmpty());
}

void TestCRCfile::chainedUpdatesAgreeAtAnyBoundary()
{
    // Pieces of every length and start offset, so the eight-byte steps meet
    // unaligned starts and odd tails.
    const QByteArray bytes = RandomBytes(300, 7);
    quint32 crc = CRCfile::BuildCRCTable(CRCfile::kPolynomial, CRCfile::kStartValue);
    QCOMPARE(crc, CRCfile::kStartValue);
    qsizetype done = 0;
    for (qsizetype piece = 0; done < bytes.size(); ++piece) {
        const qsizetype n = qMin(piece % 19, bytes.size() - done);
        crc = CRCfile::UpdateCRC(QByteArrayView(bytes).sliced(done, n), crc);
        done += n;
    }
    QCOMPARE(CRCfile::FinalCRC(crc), Oracle(bytes));
}

void TestCRCfile::tableFollowsThePolynomial()
{
    // The Castagnoli polynomial has its own check value; a table hard-wired to
    // 0xEDB88320 anywhere would miss it.
    const QByteArray digits("123456789123456789");
    quint32 crc = CRCfile::BuildCRCTable(0x82F63B78u, 0xFFFFFFFFu);
    crc = CRCfile::UpdateCRC(QByteArrayView(digits).first(9), crc);
    QCOMPARE(CRCfile::FinalCRC(crc), 0xE3069283u);
    CRCfile::BuildCRCTable(CRCfile::kPolynomial, CRCfile::kStartValue);
    QCOMPARE(CRCfile::FinalCRC(CRCfile::UpdateCRC(QByteArrayView(digits).first(9), 0xFFFFFFFFu)), 0xCBF43926u);
}

void TestCRCfile::formatsAsEightCharacters_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("crc");
    QTest::newRow("check value") << QByteArray("123456789") << QStringLiteral("CBF43926");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("0       ");
    QTest::newRow("one letter a") << QByteArray("a") << QStringLiteral("E8B7BE43");
}

void TestCRCfile::formatsAsEightCharacters()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, crc);
    ProgramFolder folder;
    folder.WriteDataBytes(QStringLiteral("f.txt"), content);
    QCOMPARE(CRCfile::GetCRCforFile(folder.DataPath(QStringLiteral("f.txt"))), crc);
}

void TestCRCfile::shortCrcIsPaddedOnTheRight()
{
    QCOMPARE(CRCfile::FormatCRC(0x0000ABCDu), QStringLiteral("ABCD    "));
    QCOMPARE(CRCfile::FormatCRC(0x0F000000u), QStringLiteral("F000000 "));
    // A file whose CRC really is below 0x10000000, found among small random contents.
    ProgramFolder folder;
    for (quint32 seed = 1;; ++seed) {
        const QByteArray bytes = RandomBytes(40, seed);
        const quint32 crc = Oracle(bytes);
        if (crc >= 0x10000000u)
            continue;
        folder.WriteDataBytes(QStringLiteral("short.bin"), bytes);
        const QString sCRC = CRCfile::GetCRCforFile(folder.DataPath(QStringLiteral("short.bin")));
        QCOMPARE(sCRC.size(), 8);
        QVERIFY(sCRC.endsWith(QLatin1Char(' ')));
        QCOMPARE(sCRC, Expected(crc));
        break;
    }
}

void TestCRCfile::unreadableFileShowsTheWizardBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("absent") << QStringLiteral("gone.txt");
    QTest::newRow("a folder") << QStringLiteral("sub");
    QTest::newRow("no read permission") << QStringLiteral("locked.txt");
}

void TestCRCfile::unreadableFileShowsTheWizardBox()
{
    QFETCH(QString, name);
    ProgramFolder folder;
    folder.WriteDataBytes(QStringLiteral("sub/inner.txt"), "x");
    folder.WriteDataBytes(QStringLiteral("locked.txt"), "secret");
    QFile::setPermissions(folder.DataPath(QStringLiteral("locked.txt")), QFileDevice::WriteOwner);
    if (name == QStringLiteral("locked.txt") && QFile(folder.DataPath(name)).open(QIODevice::ReadOnly))
        QSKIP("running with rights that read any file");
    ScriptedDialogs dialogs;
    QCOMPARE(CRCfile::GetCRCforFile(folder.DataPath(name)), QString());
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].sTitle, QStringLiteral("Zem CRC Wizard v1.00"));
    QCOMPARE(dialogs.messages[0].sText, QStringLiteral("An error has been Reported by Zem CRC Wizard v1.00\r\n\r\n"
                                                        "Message Generated By : Function GetCRCforFile()"));
    QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Critical);
}

QTEST_GUILESS_MAIN(TestCRCfile)
#include "test_crcfile.moc"
