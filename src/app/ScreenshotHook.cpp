#include "app/ScreenshotHook.h"

#include "app/FrmMain.h"
#include "chat/KezWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

void TypeLine(QLineEdit *input, const QString &sLine)
{
    for (QChar ch : sLine) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(input, &press);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(input, &enter);
}

QWidget *FindTopLevel(const QString &sName)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == sName && widget->isVisible())
            return widget;
    return nullptr;
}

}  // namespace

void RunScreenshotHook(FrmMain &main)
{
    const QString sWindow = qEnvironmentVariable("ORVIA_SCREENSHOT_WINDOW");
    if (sWindow.isEmpty())
        return;
    const QStringList lines = qEnvironmentVariable("ORVIA_SCREENSHOT_SAY").split(QLatin1Char('|'), Qt::SkipEmptyParts);

    QTimer::singleShot(300, &main, [&main, sWindow, lines] {
        const QHash<QString, const char *> items{{QStringLiteral("FrmChecker"), "MnuKezGoto"},
                                                 {QStringLiteral("FrmOrvia"), "mnuTextTalk"},
                                                 {QStringLiteral("KezOnKez"), "mnuDebugTestKez"},
                                                 {QStringLiteral("OrviaOnOrvia"), "mnuTextOrvia"},
                                                 {QStringLiteral("frmAbout"), "MnuHelpAbout"},
                                                 {QStringLiteral("FrmClientConsole"), "MnuViewClientConsole"},
                                                 {QStringLiteral("FrmValidKeyword"), "MnuDebugValidKeyword"},
                                                 {QStringLiteral("FrmGenerateCRC"), "MnuDebugGenerateCRC"}};
        if (!qEnvironmentVariable("ORVIA_SCREENSHOT_DEBUG").isEmpty())
            main.findChild<QAction *>(QStringLiteral("MnuDebugMode"))->trigger();
        if (sWindow == QLatin1String("KezWindow"))
            main.ShowModal(new KezWindow({}, &main));
        else if (QAction *item = main.findChild<QAction *>(QLatin1String(items.value(sWindow, ""))))
            item->trigger();
        QWidget *window = FindTopLevel(sWindow);
        if (!window)
            window = main.findChild<QWidget *>(sWindow);
        if (!window)
            return;
        const QString sButton = qEnvironmentVariable("ORVIA_SCREENSHOT_CLICK");
        if (auto *button = sButton.isEmpty() ? nullptr : window->findChild<QAbstractButton *>(sButton))
            button->click();
        if (auto *input = window->findChild<QLineEdit *>(QStringLiteral("InputArea"))) {
            input->setFocus();
            for (const QString &sLine : lines)
                TypeLine(input, sLine);
        }
    });
}
