#include "ChatFixture.h"

#include "app/FrmMain.h"
#include "chat/FrmChecker.h"
#include "chat/SelfTalkWindow.h"
#include "common/modPublic.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

QWidget *OpenWindow(QWidget *main, const char *item, const QString &sWindow)
{
    main->findChild<QAction *>(QLatin1String(item))->trigger();
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == sWindow && widget->isVisible())
            return widget;
    return nullptr;
}

}  // namespace

class TestChatMenus : public QObject {
    Q_OBJECT

private slots:
    void menusOpenOneInstanceEach_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("talk") << "MnuKezGoto" << "FrmChecker" << "Chat with Orvia - The bot with a personality!!!";
        QTest::newRow("simulate conversation") << "MnuDebugSimConverse" << "FrmChecker" << "Chat with Orvia - The bot with a personality!!!";
        QTest::newRow("text only") << "mnuTextTalk" << "FrmOrvia" << "Text-Only Version of Orvia ";
        QTest::newRow("orvia and orvia") << "mnuDebugTestKez" << "KezOnKez" << "Orvia and Orvia";
        QTest::newRow("text only orvia and orvia") << "mnuTextOrvia" << "OrviaOnOrvia" << "Text Only Version of Orvia and Orvia";
        QTest::newRow("about") << "MnuHelpAbout" << "frmAbout" << "About Orvia";
    }
    void menusOpenOneInstanceEach()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        ProgramFolder folder;
        WriteKnowledge(folder);
        ScriptedDialogs dialogs;
        FrmMain main;
        main.show();
        const QByteArray name = item.toLatin1();
        QWidget *first = OpenWindow(&main, name.constData(), window);
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), caption);
        QCOMPARE(first->parentWidget(), &main);
        QCOMPARE(first->windowModality(), Qt::ApplicationModal);
        first->close();
        modPublic::UserName = QStringLiteral("Sam");
        QWidget *second = OpenWindow(&main, name.constData(), window);
        QCOMPARE(second, first);
        if (auto *chat = qobject_cast<FrmChecker *>(second))
            QCOMPARE(Lines(chat->ResponseArea).size(), 2);
        if (qobject_cast<SelfTalkWindow *>(second))
            QCOMPARE(modPublic::UserName, QStringLiteral("Orvia"));
        second->close();
    }

    void aboutWindow()
    {
        FrmMain main;
        QWidget *about = OpenWindow(&main, "MnuHelpAbout", QStringLiteral("frmAbout"));
        QVERIFY(about);
        const QList<QLabel *> labels = about->findChildren<QLabel *>();
        QStringList texts;
        for (const QLabel *label : labels)
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("About Orvia - The Chatterbot")));
        about->close();
    }
};

QTEST_MAIN(TestChatMenus)
#include "test_chatmenus.moc"
