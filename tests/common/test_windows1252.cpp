#include "common/Windows1252.h"

#include <QStringDecoder>
#include <QTest>

class TestWindows1252 : public QObject {
    Q_OBJECT

private slots:
    // The codes where the code page parts from Latin-1, each written out.
    void highControls_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("character");
        QTest::addColumn<bool>("undefined");
        const char16_t expected[32] = {
            u'€', 0x0081, u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š', u'‹', u'Œ', 0x008D, u'Ž', 0x008F,
            0x0090, u'‘', u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', 0x009D, u'ž', u'Ÿ',
        };
        for (int i = 0; i < 32; ++i) {
            const int code = 0x80 + i;
            QTest::addRow("0x%X", code) << code << int(expected[i]) << (expected[i] == code);
        }
    }

    void highControls()
    {
        QFETCH(int, code);
        QFETCH(int, character);
        QFETCH(bool, undefined);
        QCOMPARE(int(Windows1252::Char(code)), character);
        QCOMPARE(Windows1252::Code(char32_t(character)), code);
        QCOMPARE(Windows1252::IsUndefined(uchar(code)), undefined);
        QCOMPARE(Windows1252::Decode(QByteArray(1, char(code))), QString(QChar(char16_t(character))));
    }

    // Files read the same as when the system's decoder read them, byte for byte.
    void sameAsTheSystemDecoder()
    {
        QStringDecoder system("windows-1252", QStringConverter::Flag::Stateless);
        if (!system.isValid())
            QSKIP("no Windows-1252 codec");
        QByteArray all;
        for (int code = 0; code < 256; ++code)
            all.append(char(code));
        QCOMPARE(Windows1252::Decode(all), system(all));
        // Latin-1 above the controls, and nothing beyond the code page has a code.
        QCOMPARE(Windows1252::Code(U'é'), 0xE9);
        QCOMPARE(Windows1252::Code(0x0100), -1);
        QCOMPARE(Windows1252::Code(0x0080), -1);
        QVERIFY(!Windows1252::IsUndefined(0xA0));
    }
};

QTEST_GUILESS_MAIN(TestWindows1252)
#include "test_windows1252.moc"
