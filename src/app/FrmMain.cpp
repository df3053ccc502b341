#include "app/FrmMain.h"

#include "app/DebugCommands.h"
#include "app/FrmTextWindow.h"
#include "app/frmAbout.h"
#include "chat/FrmChecker.h"
#include "chat/FrmOrvia.h"
#include "chat/KezOnKez.h"
#include "chat/OrviaOnOrvia.h"
#include "common/AppIcon.h"
#include "common/Dialogs.h"
#include "common/WindowMetrics.h"
#include "common/modPublic.h"
#include "console/FrmClientConsole.h"
#include "tools/FrmGenerateCRC.h"
#include "tools/FrmValidKeyword.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

QAction *AddItem(QMenu *menu, const char *name, const QString &sCaption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(sCaption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

QAction *AddSeparator(QMenu *menu, const char *name)
{
    QAction *action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu *AddMenu(QMenu *parentMenu, QMenuBar *bar, const char *name, const QString &sCaption)
{
    QMenu *menu = parentMenu ? parentMenu->addMenu(sCaption) : bar->addMenu(sCaption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

void Hide(QMenu *menu)
{
    menu->menuAction()->setVisible(false);
}

// One window of a kind at a time: the slot empties itself when the window is deleted.
template <class Window>
Window *Instance(QPointer<Window> &slot, QWidget *parent)
{
    if (!slot)
        slot = new Window(parent);
    return slot;
}

}  // namespace

FrmMain::FrmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("File Window - Orvia "));
    setWindowIcon(AppIcon());
    CreateBanner();
    CreateMenus();
    ConnectCommands();
    resize(800, 600);
}

void FrmMain::CreateBanner()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_banner = new QLabel(QStringLiteral("Orvia - The Chatterbot"), central);
    m_banner->setObjectName(QStringLiteral("Banner"));
    m_banner->setFont(MsSansSerifFont(36));
    m_banner->setAutoFillBackground(true);
    QPalette palette = m_banner->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    m_banner->setPalette(palette);
    m_banner->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_banner->setFocusPolicy(Qt::NoFocus);
    m_banner->setContentsMargins(12, 6, 12, 6);
    layout->addWidget(m_banner);

    m_mdiArea = new QMdiArea(central);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    layout->addWidget(m_mdiArea, 1);
    setCentralWidget(central);
}

void FrmMain::CreateMenus()
{
    QMenuBar *bar = menuBar();

    mnufile = AddMenu(nullptr, bar, "mnufile", QStringLiteral("&File"));
    MnuFileExit = AddItem(mnufile, "MnuFileExit", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuspacer5 = AddSeparator(mnufile, "mnuspacer5");

    MnuView = AddMenu(nullptr, bar, "MnuView", QStringLiteral("&View"));
    MnuViewClientConsole = AddItem(MnuView, "MnuViewClientConsole", QStringLiteral("Client Console"),
                                   QKeySequence(Qt::CTRL | Qt::Key_C));
    Hide(MnuView);

    MnuKez = AddMenu(nullptr, bar, "MnuKez", QStringLiteral("&Orvia"));
    MnuKezGoto = AddItem(MnuKez, "MnuKezGoto", QStringLiteral("&Talk to Orvia"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuDebugTestKez = AddItem(MnuKez, "mnuDebugTestKez", QStringLiteral("&Orvia and Orvia"), QKeySequence(Qt::CTRL | Qt::Key_L));
    MnuKezConfigure = AddItem(MnuKez, "MnuKezConfigure", QStringLiteral("&Configure"));
    MnuKezConfigure->setVisible(false);

    MnuDebugging = AddMenu(nullptr, bar, "MnuDebugging", QStringLiteral("&Debugging"));
    MnuDebugMode = AddItem(MnuDebugging, "MnuDebugMode", QStringLiteral("Debug Mode"));
    MnuDebugMode->setCheckable(true);
    MnuDebugMode->setChecked(false);
    MnuDebugSep1 = AddSeparator(MnuDebugging, "MnuDebugSep1");
    MnuDebugSimulate = AddMenu(MnuDebugging, bar, "MnuDebugSimulate", QStringLiteral("&Simulate..."));
    MnuDebugSimEvent = AddItem(MnuDebugSimulate, "MnuDebugSimEvent", QStringLiteral("Event Log Message"));
    MnuDebugSimError = AddItem(MnuDebugSimulate, "MnuDebugSimError", QStringLiteral("Error Log Message"));
    MnuDebugSimSep1 = AddSeparator(MnuDebugSimulate, "MnuDebugSimSep1");
    MnuDebugSimSep1->setVisible(false);
    MnuDebugSimConverse = AddItem(MnuDebugSimulate, "MnuDebugSimConverse", QStringLiteral("Simulate Conversation"));
    MnuDebugSimConverse->setVisible(false);
    Hide(MnuDebugSimulate);
    mnuDebugTest = AddMenu(MnuDebugging, bar, "mnuDebugTest", QStringLiteral("&Test..."));
    MnuDebugKeyword = AddItem(mnuDebugTest, "MnuDebugKeyword", QStringLiteral("&Keyword Lookup"));
    MnuDebugTextMass = AddItem(mnuDebugTest, "MnuDebugTextMass", QStringLiteral("&Mass Keyword Lookup "));
    MnuDebugValid = AddMenu(MnuDebugging, bar, "MnuDebugValid", QStringLiteral("&Validate..."));
    MnuDebugValidKeyword = AddItem(MnuDebugValid, "MnuDebugValidKeyword", QStringLiteral("&Keyword-Response System"));
    Hide(MnuDebugValid);
    MnuDebugGenerate = AddMenu(MnuDebugging, bar, "MnuDebugGenerate", QStringLiteral("&Generate..."));
    MnuDebugGenerateCRC = AddItem(MnuDebugGenerate, "MnuDebugGenerateCRC", QStringLiteral("&CRC String"));
    Hide(MnuDebugGenerate);

    mnuWindow = AddMenu(nullptr, bar, "mnuWindow", QStringLiteral("&Window"));
    mnuWindowCascade = AddItem(mnuWindow, "mnuWindowCascade", QStringLiteral("&Cascade"));
    mnuWindowTileHorizontal = AddItem(mnuWindow, "mnuWindowTileHorizontal", QStringLiteral("Tile &Horizontal"));
    mnuWindowTileVertical = AddItem(mnuWindow, "mnuWindowTileVertical", QStringLiteral("Tile &Vertical"));
    Hide(mnuWindow);

    mnuText = AddMenu(nullptr, bar, "mnuText", QStringLiteral("Text &Only"));
    mnuTextTalk = AddItem(mnuText, "mnuTextTalk", QStringLiteral("&Talk to Orvia"), QKeySequence(Qt::Key_F1));
    mnuTextOrvia = AddItem(mnuText, "mnuTextOrvia", QStringLiteral("&Orvia and Orvia"), QKeySequence(Qt::Key_F2));

    MnuHelp = AddMenu(nullptr, bar, "MnuHelp", QStringLiteral("&Help"));
    MnuHelpAbout = AddItem(MnuHelp, "MnuHelpAbout", QStringLiteral("&About"));

    // A hidden menu's shortcuts do not reach Qt's shortcut map; giving the
    // console's item to the window as well keeps Ctrl+C working. Text boxes
    // with the focus still take Ctrl+C as copy first.
    addAction(MnuViewClientConsole);
}

void FrmMain::ConnectCommands()
{
    connect(MnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuWindowCascade, &QAction::triggered, this, [this] { ArrangeChildWindows(Arrangement::Cascade); });
    connect(mnuWindowTileHorizontal, &QAction::triggered, this, [this] { ArrangeChildWindows(Arrangement::TileHorizontal); });
    connect(mnuWindowTileVertical, &QAction::triggered, this, [this] { ArrangeChildWindows(Arrangement::TileVertical); });
    connect(mnuWindow, &QMenu::aboutToShow, this, &FrmMain::RebuildWindowList);

    connect(MnuKezGoto, &QAction::triggered, this, &FrmMain::OpenChecker);
    connect(MnuDebugSimConverse, &QAction::triggered, this, &FrmMain::OpenChecker);
    connect(mnuTextTalk, &QAction::triggered, this, &FrmMain::OpenTextOnlyChat);
    connect(mnuDebugTestKez, &QAction::triggered, this, &FrmMain::OpenKezOnKez);
    connect(mnuTextOrvia, &QAction::triggered, this, &FrmMain::OpenOrviaOnOrvia);
    connect(MnuHelpAbout, &QAction::triggered, this, &FrmMain::OpenAbout);

    connect(MnuViewClientConsole, &QAction::triggered, this, &FrmMain::OpenClientConsole);
    connect(MnuDebugMode, &QAction::triggered, this, &FrmMain::ToggleDebugMode);
    connect(MnuDebugSimEvent, &QAction::triggered, this, &FrmMain::SimulateEvent);
    connect(MnuDebugSimError, &QAction::triggered, this, &FrmMain::SimulateError);
    connect(MnuDebugKeyword, &QAction::triggered, this, &FrmMain::KeywordLookup);
    connect(MnuDebugTextMass, &QAction::triggered, this, &FrmMain::MassKeywordLookup);

    connect(MnuDebugValidKeyword, &QAction::triggered, this, &FrmMain::OpenValidator);
    connect(MnuDebugGenerateCRC, &QAction::triggered, this, &FrmMain::OpenCRCGenerator);
}

void FrmMain::ShowModal(QWidget *window)
{
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
}

QMdiSubWindow *FrmMain::ShowChild(QWidget *window)
{
    for (QMdiSubWindow *sub : m_mdiArea->subWindowList()) {
        if (sub->widget() == window) {
            // Closing the frame hid the window inside it as well.
            window->show();
            sub->show();
            m_mdiArea->setActiveSubWindow(sub);
            return sub;
        }
    }
    QMdiSubWindow *sub = m_mdiArea->addSubWindow(window);
    // Closing hides the child; the instance stays in its slot for the next showing.
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->show();
    m_mdiArea->setActiveSubWindow(sub);
    return sub;
}

void FrmMain::ArrangeChildWindows(Arrangement arrangement)
{
    if (arrangement == Arrangement::Cascade) {
        m_mdiArea->cascadeSubWindows();
        return;
    }
    // Qt tiles in a grid; horizontal and vertical tiling stack the visible
    // children in rows or in columns.
    QList<QMdiSubWindow *> visible;
    for (QMdiSubWindow *sub : m_mdiArea->subWindowList())
        if (sub->isVisible() && !sub->isMinimized())
            visible.append(sub);
    if (visible.isEmpty())
        return;
    const QRect area = m_mdiArea->viewport()->rect();
    const int count = int(visible.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *sub = visible[i];
        if (sub->isMaximized())
            sub->showNormal();
        if (arrangement == Arrangement::TileHorizontal) {
            const int h = area.height() / count;
            sub->setGeometry(0, i * h, area.width(), h);
        } else {
            const int w = area.width() / count;
            sub->setGeometry(i * w, 0, w, area.height());
        }
    }
}

void FrmMain::RebuildWindowList()
{
    for (QAction *action : std::as_const(m_windowListActions)) {
        mnuWindow->removeAction(action);
        delete action;
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> children = m_mdiArea->subWindowList();
    bool first = true;
    for (QMdiSubWindow *sub : children) {
        if (!sub->isVisible())
            continue;
        if (first) {
            m_windowListActions.append(mnuWindow->addSeparator());
            first = false;
        }
        QAction *action = mnuWindow->addAction(sub->windowTitle());
        action->setCheckable(true);
        action->setChecked(sub == m_mdiArea->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, sub] { m_mdiArea->setActiveSubWindow(sub); });
        m_windowListActions.append(action);
    }
}

// --- Chat windows -------------------------------------------------------------

void FrmMain::OpenChecker()
{
    ShowChat(Instance(m_FrmChecker, this));
}

void FrmMain::OpenTextOnlyChat()
{
    ShowChat(Instance(m_FrmOrvia, this));
}

void FrmMain::OpenKezOnKez()
{
    ShowModal(Instance(m_KezOnKez, this));
}

void FrmMain::OpenOrviaOnOrvia()
{
    ShowModal(Instance(m_OrviaOnOrvia, this));
}

void FrmMain::OpenAbout()
{
    ShowModal(Instance(m_frmAbout, this));
}

// --- Developer tools ----------------------------------------------------------

void FrmMain::OpenClientConsole()
{
    ShowChild(Instance(m_FrmClientConsole, nullptr));
    // Closing the child hid the console itself; showing it loads it afresh.
    m_FrmClientConsole->show();
}

void FrmMain::ToggleDebugMode()
{
    // The checkable item has already inverted its check mark; the flag follows it.
    modPublic::DebugMode = MnuDebugMode->isChecked();
    // Checked, it shows a botmaster's menus: the console, the validator, the CRC tool.
    for (QMenu *menu : {MnuView, MnuDebugSimulate, MnuDebugValid, MnuDebugGenerate})
        menu->menuAction()->setVisible(MnuDebugMode->isChecked());
}

void FrmMain::ShowChat(ChatWindow *window)
{
    // Checked, Debug Mode writes under every answer why it came.
    window->Turn().ShowTrace = MnuDebugMode->isChecked();
    ShowModal(window);
}

void FrmMain::DialogsDebugView::Tell(const QString &sText)
{
    Dialogs::MsgBox(sText);
}

QString FrmMain::DialogsDebugView::Ask(const QString &sPrompt, const QString &sTitle)
{
    return Dialogs::InputBox(sPrompt, sTitle);
}

void FrmMain::DialogsDebugView::ShowFailure(const FailureNotice &notice)
{
    Dialogs::ShowFailure(notice);
}

void FrmMain::SimulateEvent()
{
    DebugCommands::SimulateEvent(m_debugView);
}

void FrmMain::SimulateError()
{
    DebugCommands::SimulateError(m_debugView);
}

void FrmMain::KeywordLookup()
{
    DebugCommands::KeywordLookup(m_debugView, MnuDebugMode->isChecked());
}

void FrmMain::MassKeywordLookup()
{
    const std::optional<KeywordMatch> match = DebugCommands::AskMassLookupMatch(m_debugView);
    if (!match)
        return;
    QMdiSubWindow *sub = ShowChild(Instance(m_FrmTextWindow, nullptr));
    // A fixed-size viewer: no minimise or maximise box.
    sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    sub->show();
    m_FrmTextWindow->show();
    m_FrmTextWindow->SetText(DebugCommands::MassLookupText(m_debugView, *match));
}

// --- Maintenance tools --------------------------------------------------------

void FrmMain::OpenValidator()
{
    ShowModal(Instance(m_FrmValidKeyword, this));
}

void FrmMain::OpenCRCGenerator()
{
    ShowModal(Instance(m_FrmGenerateCRC, this));
}
