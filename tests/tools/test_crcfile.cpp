#include "support/ProgramFolder.h"
#include "tools/CRCfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <zlib.h>

namespace {

quint32 Oracle(const QByteArray &bytes)
{
    return quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size())));
}

QByteArray RandomBytes(qsizetype n, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(n, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

}  // namespace

class TestCRCfile : public QObject {
    Q_OBJECT

private slots:
    void fileCrcMatchesZlib_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("crc");  // written out where the format is the point
        for (qsizetype size : {1, 17, (1 << 20) + 1, 3 * (1 << 20) + 5})  // odd tails, reads of more than one chunk
            QTest::addRow("%lld random bytes", qlonglong(size)) << RandomBytes(size, quint32(size)) << QString();
        QTest::newRow("check value") << QByteArray("123456789") << QStringLiteral("CBF43926");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("0       ");
        QTest::newRow("short CRC") << QByteArray("&") << QStringLiteral("F6A70   ");
    }

    void fileCrcMatchesZlib()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, crc);
        ProgramFolder folder;
        folder.WriteDataBytes(QStringLiteral("file.bin"), content);
        const std::optional<QString> read = CRCfile::GetCRCforFile(folder.DataPath(QStringLiteral("file.bin")));
        QVERIFY(read);
        const QString sCRC = *read;
        QCOMPARE(sCRC.size(), 8);
        QCOMPARE(sCRC.trimmed(), QString::number(Oracle(content), 16).toUpper());
        if (!crc.isEmpty())
            QCOMPARE(sCRC, crc);
    }

    // Pieces of every length from 0 to 40 at shifting offsets, so the sixteen-byte
    // steps meet unaligned starts and odd tails; and a second polynomial with its own
    // check value, which a table wired to 0xEDB88320 anywhere would miss.
    void chainedUpdatesAndOtherPolynomials()
    {
        const QByteArray bytes = RandomBytes(1000, 7);
        quint32 crc = CRCfile::BuildCRCTable(CRCfile::kPolynomial, CRCfile::kStartValue);
        QCOMPARE(crc, CRCfile::kStartValue);
        for (qsizetype done = 0, piece = 0; done < bytes.size(); ++piece) {
            const qsizetype n = qMin(piece % 41, bytes.size() - done);
            crc = CRCfile::UpdateCRC(QByteArrayView(bytes).sliced(done, n), crc);
            done += n;
        }
        QCOMPARE(CRCfile::FinalCRC(crc), Oracle(bytes));
        crc = CRCfile::BuildCRCTable(0x82F63B78u, 0xFFFFFFFFu);
        QCOMPARE(CRCfile::FinalCRC(CRCfile::UpdateCRC(QByteArray("123456789"), crc)), 0xE3069283u);
        CRCfile::BuildCRCTable(CRCfile::kPolynomial, CRCfile::kStartValue);
    }

    void unreadableFileGivesNoCRC()
    {
        ProgramFolder folder;
        folder.WriteDataBytes("sub/inner.txt", "x");
        folder.WriteDataBytes("locked.txt", "secret");
        QFile::setPermissions(folder.DataPath("locked.txt"), QFileDevice::WriteOwner);
        const bool rootReads = QFile(folder.DataPath("locked.txt")).open(QIODevice::ReadOnly);
        for (const char *sName : {"gone.txt", "sub", "locked.txt"}) {
            if (rootReads && QByteArray(sName) == "locked.txt")
                continue;
            QCOMPARE(CRCfile::GetCRCforFile(folder.DataPath(sName)), std::nullopt);
        }
    }
};

QTEST_GUILESS_MAIN(TestCRCfile)
#include "test_crcfile.moc"
