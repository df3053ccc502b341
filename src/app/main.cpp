#include "app/FrmMain.h"
#include "app/ScreenshotHook.h"
#include "common/AppIcon.h"
#include "common/QtDialogs.h"
#include "common/modPublic.h"
#include "console/ProgramFolderStart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvia"));
    QApplication::setWindowIcon(AppIcon());
    QApplication::setDesktopFileName(QStringLiteral(ORVIA_APP_ID));  // the desktop shows the menu entry's name and icon

    QtDialogs dialogs;
    Dialogs::Install(&dialogs);
    // A folder that cannot be set up is reported; the windows still open and
    // report each file they then miss.
    const ProgramFolderSetup folder = StartInProgramFolder(QCoreApplication::applicationDirPath());
    if (!folder.ok())
        Dialogs::MsgBox(folder.sProblem, QString(), Dialogs::Icon::Critical);

    FrmMain main;
    main.show();
    // Set after the window is shown: only commands started from it read the name.
    modPublic::KeywordIndexFile = QStringLiteral("keywords.txt");
    RunScreenshotHook(main);
    const int code = QApplication::exec();
    Dialogs::Install(nullptr);
    return code;
}
