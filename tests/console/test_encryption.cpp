#include "console/Encryption.h"

#include <QTest>

using namespace Encryption;

class TestEncryption : public QObject {
    Q_OBJECT

private slots:
    void keyNumber()
    {
        // Sums of codes by sixties; the euro counts as 0x80, and past the old 16-bit limits the whole key still counts.
        for (const auto &[key, k] : {std::pair{QString(), 0}, {QString(QChar(59)), 0}, {QString(QChar(60)), 1}, {QString(QChar(119)), 1},
                                     {QStringLiteral("Tesra"), 8}, {QStringLiteral("\u20AC"), 2}, {QString(40000, QChar(1)), 666},
                                     {QString(33000, QLatin1Char('d')), 55000}})
            QCOMPARE(KeyNumber(key), qint64(k));
    }

    void knownResults_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("encrypted");
        // K = 0: the shifts are -4, +6, +1, +7, 0, +2, then again from -4.
        QTest::newRow("K=0 shifts") << QStringLiteral("AAAAAAA") << QString() << QStringLiteral("=GBHAC=");
        QTest::newRow("K=0 from a short key") << QStringLiteral("AAAAAAA") << QStringLiteral("0") << QStringLiteral("=GBHAC=");
        // K = 8: +4, -2, +9, -1, +8, -6.
        QTest::newRow("console key") << QStringLiteral("abcdef") << QStringLiteral("Tesra") << QStringLiteral("e`lcm`");
        QTest::newRow("below 0 dropped") << QStringLiteral("\x01" "A") << QString() << QStringLiteral("G");
        QTest::newRow("above 255 dropped") << QStringLiteral("A\u00FF") << QString() << QStringLiteral("=");
        QTest::newRow("empty text") << QString() << QStringLiteral("Tesra") << QString();
        QTest::newRow("no code: passed, place kept") << QStringLiteral("\u0416A") << QString() << QStringLiteral("\u0416G");
        QTest::newRow("into the code page's high half") << QStringLiteral("\u00A0") << QString() << QStringLiteral("\u0153");
        QTest::newRow("huge key drops everything") << QStringLiteral("hello") << QString(40000, QChar(1)) << QString();
    }

    void knownResults()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, encrypted);
        QCOMPARE(Encrypt(text, key), encrypted);
        if (encrypted.size() == text.size())
            QCOMPARE(Decrypt(encrypted, key), text);
    }

    // Lengths and keys past the old 16-bit limits come back whole (fuzz_cipher
    // checks the round trip on any text).
    void roundTrip()
    {
        const QList<std::pair<QString, QString>> cases{{QString("abcdefghijklmnopqrstuvwxyz").repeated(4000), QStringLiteral("Tesra")},
                                                       {QStringLiteral("abcdefghij"), QString(50000, QChar(0))}};
        for (const auto &[text, key] : std::as_const(cases)) {
            if (const QString encrypted = Encrypt(text, key); encrypted.size() == text.size())
                QCOMPARE(Decrypt(encrypted, key), text);
            if (const QString decrypted = Decrypt(text, key); decrypted.size() == text.size())
                QCOMPARE(Encrypt(decrypted, key), text);
        }
        QCOMPARE(Encrypt(cases[0].first, cases[0].second).size(), cases[0].first.size());
    }
};

QTEST_GUILESS_MAIN(TestEncryption)
#include "test_encryption.moc"
