#include "app/FrmTextWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestTextWindow : public QObject {
    Q_OBJECT

private slots:
    void buttons();
};

void TestTextWindow::buttons()
{
    FrmTextWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.txtNotepad->setFocus();
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QVERIFY(!window.txtNotepad->textCursor().hasSelection());

    window.SetText(QStringLiteral("abc\r\n\r\ndef"));
    // Copy takes the whole text, not the selection.
    QTextCursor cursor = window.txtNotepad->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    window.txtNotepad->setTextCursor(cursor);
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc\n\ndef"));

    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QCOMPARE(window.txtNotepad->textCursor().selectedText(), QStringLiteral("abc\u2029\u2029def"));
    QCOMPARE(window.txtNotepad->textCursor().selectionStart(), 0);

    QTest::mouseClick(window.Command3, Qt::LeftButton);
    QVERIFY(window.Text().isEmpty());
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    // The buttons leave the focus where it was.
    QVERIFY(window.txtNotepad->hasFocus());
}

QTEST_MAIN(TestTextWindow)
#include "test_text_window.moc"
