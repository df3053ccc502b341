#include "app/FrmTextWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestTextWindow : public QObject {
    Q_OBJECT

private slots:
    void copyTakesTheWholeText_data();
    void copyTakesTheWholeText();
    void selectAllAndClear();
};

void TestTextWindow::copyTakesTheWholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("lines") << QStringLiteral("first\r\n\r\n1 - one");
    QTest::newRow("empty") << QString();
}

void TestTextWindow::copyTakesTheWholeText()
{
    QFETCH(QString, text);
    FrmTextWindow window;
    window.show();
    window.SetText(text);
    QTextCursor cursor = window.txtNotepad->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    window.txtNotepad->setTextCursor(cursor);
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TestTextWindow::selectAllAndClear()
{
    FrmTextWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.txtNotepad->setFocus();
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QVERIFY(!window.txtNotepad->textCursor().hasSelection());

    window.SetText(QStringLiteral("abc\r\ndef"));
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QCOMPARE(window.txtNotepad->textCursor().selectedText(), QStringLiteral("abc\u2029def"));
    QCOMPARE(window.txtNotepad->textCursor().selectionStart(), 0);

    QTest::mouseClick(window.Command3, Qt::LeftButton);
    QVERIFY(window.Text().isEmpty());
    // The buttons leave the focus where it was.
    QVERIFY(window.txtNotepad->hasFocus());
}

QTEST_MAIN(TestTextWindow)
#include "test_text_window.moc"
