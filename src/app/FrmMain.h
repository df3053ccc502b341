#pragma once

#include "app/DebugCommands.h"

#include <QMainWindow>
#include <QPointer>

class ChatWindow;
class FrmChecker;
class FrmClientConsole;
class FrmGenerateCRC;
class FrmOrvia;
class FrmTextWindow;
class FrmValidKeyword;
class KezOnKez;
class OrviaOnOrvia;
class frmAbout;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The multiple-document main window: banner, menu tree, and the client area
// that holds the console and the text display window.
class FrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmMain(QWidget *parent = nullptr);

    QMdiArea *mdiArea() const { return m_mdiArea; }

    // Shows a top-level window modally over the main window without blocking
    // the caller's event loop; the main window takes no input meanwhile.
    void ShowModal(QWidget *window);
    // Shows a window as a child of the client area, or brings it forward when
    // it is already there.
    QMdiSubWindow *ShowChild(QWidget *window);
    // ShowModal for a chat window, which traces its answers while Debug Mode is checked.
    void ShowChat(ChatWindow *window);

private slots:
    // Commands of the menus; each opens its window or runs its tool.
    void OpenChecker();
    void OpenTextOnlyChat();
    void OpenKezOnKez();
    void OpenOrviaOnOrvia();
    void OpenAbout();
    void OpenClientConsole();
    void ToggleDebugMode();
    void SimulateEvent();
    void SimulateError();
    void KeywordLookup();
    void MassKeywordLookup();
    void OpenValidator();
    void OpenCRCGenerator();
    void RebuildWindowList();

private:
    // The Debugging menu's boxes, through Dialogs.
    struct DialogsDebugView final : DebugCommands::DebugView {
        void Tell(const QString &sText) override;
        QString Ask(const QString &sPrompt, const QString &sTitle) override;
        void ShowFailure(const FailureNotice &notice) override;
    };
    DialogsDebugView m_debugView;

    enum class Arrangement { Cascade, TileHorizontal, TileVertical };

    void CreateBanner();
    void CreateMenus();
    void ConnectCommands();
    void ArrangeChildWindows(Arrangement arrangement);

    // Menu items, named after their menu path; tests find them by objectName.
    QMenu *mnufile = nullptr;
    QAction *MnuFileExit = nullptr;
    QAction *mnuspacer5 = nullptr;
    QMenu *MnuView = nullptr;
    QAction *MnuViewClientConsole = nullptr;
    QMenu *MnuKez = nullptr;
    QAction *MnuKezGoto = nullptr;
    QAction *mnuDebugTestKez = nullptr;
    QAction *MnuKezConfigure = nullptr;
    QMenu *MnuDebugging = nullptr;
    QAction *MnuDebugMode = nullptr;
    QAction *MnuDebugSep1 = nullptr;
    QMenu *MnuDebugSimulate = nullptr;
    QAction *MnuDebugSimEvent = nullptr;
    QAction *MnuDebugSimError = nullptr;
    QAction *MnuDebugSimSep1 = nullptr;
    QAction *MnuDebugSimConverse = nullptr;
    QMenu *mnuDebugTest = nullptr;
    QAction *MnuDebugKeyword = nullptr;
    QAction *MnuDebugTextMass = nullptr;
    QMenu *MnuDebugValid = nullptr;
    QAction *MnuDebugValidKeyword = nullptr;
    QMenu *MnuDebugGenerate = nullptr;
    QAction *MnuDebugGenerateCRC = nullptr;
    QMenu *mnuWindow = nullptr;
    QAction *mnuWindowCascade = nullptr;
    QAction *mnuWindowTileHorizontal = nullptr;
    QAction *mnuWindowTileVertical = nullptr;
    QMenu *mnuText = nullptr;
    QAction *mnuTextTalk = nullptr;
    QAction *mnuTextOrvia = nullptr;
    QMenu *MnuHelp = nullptr;
    QAction *MnuHelpAbout = nullptr;

    // One instance slot per window kind: filled on first use, kept after closing.
    QPointer<FrmChecker> m_FrmChecker;
    QPointer<FrmOrvia> m_FrmOrvia;
    QPointer<KezOnKez> m_KezOnKez;
    QPointer<OrviaOnOrvia> m_OrviaOnOrvia;
    QPointer<FrmClientConsole> m_FrmClientConsole;
    QPointer<FrmValidKeyword> m_FrmValidKeyword;
    QPointer<FrmGenerateCRC> m_FrmGenerateCRC;
    QPointer<FrmTextWindow> m_FrmTextWindow;
    QPointer<frmAbout> m_frmAbout;

    QMdiArea *m_mdiArea = nullptr;
    QLabel *m_banner = nullptr;
    QList<QAction *> m_windowListActions;
};
