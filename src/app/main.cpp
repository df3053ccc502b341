#include "app/FrmMain.h"
#include "common/AppIcon.h"
#include "common/QtDialogs.h"
#include "common/modPublic.h"

#include <QApplication>

#ifdef ORVIA_SCREENSHOT_HOOK
#include "app/ScreenshotHook.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvia"));
    QApplication::setWindowIcon(AppIcon());
    modPublic::ProgramFolder = QCoreApplication::applicationDirPath();

    QtDialogs dialogs;
    Dialogs::Install(&dialogs);

    FrmMain main;
    main.show();
    // Set after the window is shown: only commands started from it read the name.
    modPublic::KeywordIndexFile = QStringLiteral("keywords.txt");
#ifdef ORVIA_SCREENSHOT_HOOK
    RunScreenshotHook(main);
#endif
    const int code = QApplication::exec();
    Dialogs::Install(nullptr);
    return code;
}
