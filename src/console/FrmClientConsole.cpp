#include "console/FrmClientConsole.h"

#include "common/AppIcon.h"
#include "common/CopyShortcut.h"
#include "common/Dialogs.h"
#include "common/WindowMetrics.h"
#include "console/ConsoleIcons.h"
#include "logs/GeneralDate.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTreeWidget>

namespace {

constexpr int kServiceIcon = 6;

QTreeWidget *MakeList(QWidget *page, const char *name, const QStringList &headers, const QList<int> &widths)
{
    auto *list = new QTreeWidget(page);
    list->setObjectName(QLatin1String(name));
    list->setColumnCount(int(headers.size()));
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSortingEnabled(false);
    list->setIconSize(QSize(ConsoleIconList::Size, ConsoleIconList::Size));
    list->header()->setStretchLastSection(false);
    for (int i = 0; i < widths.size(); ++i)
        list->setColumnWidth(i, TwipsToPixels(widths[i], page));
    return list;
}

int PixelsToTwips(int nPixels, const QWidget *widget)
{
    const qreal dpi = widget ? widget->logicalDpiX() : 96.0;
    return qRound(nPixels * 15.0 * 96.0 / dpi);
}

}  // namespace

FrmClientConsole::FrmClientConsole(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmClientConsole"));
    setWindowTitle(QStringLiteral("Client Console and Event/Error Viewer"));
    setWindowIcon(AppIcon());

    ConsoleIcons = new ConsoleIconList(style(), this);

    sChoices = new QTabWidget(this);
    sChoices->setObjectName(QStringLiteral("sChoices"));
    auto *consolePage = new QWidget;
    auto *eventPage = new QWidget;
    auto *errorPage = new QWidget;
    auto *systemPage = new QWidget;
    sChoices->addTab(consolePage, QStringLiteral("&Console"));
    sChoices->addTab(eventPage, QStringLiteral("Event Log"));
    sChoices->addTab(errorPage, QStringLiteral("Error Log"));
    sChoices->addTab(systemPage, QStringLiteral("Systems Running"));

    txtInput = new QLineEdit(ConsoleSession::Prompt, consolePage);
    txtInput->setObjectName(QStringLiteral("txtInput"));

    txtConsoleLog = new QPlainTextEdit(consolePage);
    txtConsoleLog->setObjectName(QStringLiteral("txtConsoleLog"));
    txtConsoleLog->setReadOnly(true);
    txtConsoleLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtConsoleLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtConsoleLog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette palette = txtConsoleLog->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, Qt::black);
        palette.setColor(group, QPalette::Text, Qt::white);
    }
    txtConsoleLog->setPalette(palette);
    KeepCopyShortcut(txtConsoleLog);

    const QString sDateTime = QStringLiteral("Date and Time");
    const QString sGeneratedAt = QStringLiteral("Generated at...");
    LstEventLog = MakeList(eventPage, "LstEventLog",
                           {sDateTime, QStringLiteral("Event Name"), sGeneratedAt, QStringLiteral("Event Description")},
                           {1440, 1440, 1440, 4000});
    lstErrorLog = MakeList(errorPage, "lstErrorLog",
                           {sDateTime, QStringLiteral("Error Type"), sGeneratedAt, QStringLiteral("Error Description")},
                           {1440, 1440, 1440, 4000});
    lstSystemLog = MakeList(systemPage, "lstSystemLog",
                            {QStringLiteral("Service Name"), QStringLiteral("Service Status"),
                             QStringLiteral("Service Started"), QStringLiteral("Service Description")},
                            {2000, 1440, 1440, 4000});

    setTabOrder(sChoices, LstEventLog);
    setTabOrder(LstEventLog, lstErrorLog);
    setTabOrder(lstErrorLog, txtConsoleLog);
    setTabOrder(txtConsoleLog, txtInput);
    setTabOrder(txtInput, lstSystemLog);

    // The pages get their size from the panel; the controls follow them.
    for (QWidget *page : {consolePage, eventPage, errorPage, systemPage})
        page->installEventFilter(this);

    connect(txtInput, &QLineEdit::textChanged, this, &FrmClientConsole::OnInputChanged);
    connect(txtInput, &QLineEdit::returnPressed, this, &FrmClientConsole::OnEnter);

    resize(TwipsSize(6120, 2604, this));
}

FrmClientConsole::~FrmClientConsole()
{
    Unload();
}

void FrmClientConsole::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Restoring a minimised console shows it again without a new load.
    if (!m_loaded)
        Load();
}

void FrmClientConsole::closeEvent(QCloseEvent *event)
{
    Unload();
    QWidget::closeEvent(event);
}

void FrmClientConsole::Load()
{
    const QSize outer = TwipsSize(ConsoleLayout::OuterWidth, ConsoleLayout::OuterHeight, this);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        // Closed while maximised, the frame would come back maximised at the
        // loaded size: every loading starts from the normal state.
        sub->setWindowState(sub->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
        sub->resize(outer);
    } else
        resize(outer);

    m_loaded = true;
    RegisterLogSink(this);

    LstEventLog->clear();
    lstErrorLog->clear();
    lstSystemLog->clear();
    AddServiceRow(QStringLiteral("Console Service"), QStringLiteral("Console Service - Displays Error and Event Information"));
    AddServiceRow(QStringLiteral("Debugging Service"), QStringLiteral("Activates Debugging Systems when needed"));
    AddServiceRow(QStringLiteral("Keyword-Response Service"), QStringLiteral("Generates Responses based on user's query"));

    m_session.Load();
    txtConsoleLog->setPlainText(m_session.Transcript());
    txtInput->setText(ConsoleSession::Prompt);
    sChoices->setCurrentIndex(3);
}

void FrmClientConsole::Unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    if (RegisteredLogSink() == this)
        RegisterLogSink(nullptr);
    LstEventLog->clear();
    lstErrorLog->clear();
}

void FrmClientConsole::AddServiceRow(const QString &sName, const QString &sDescription)
{
    auto *item = new QTreeWidgetItem(lstSystemLog);
    item->setText(0, sName);
    item->setIcon(0, ConsoleIcons->Icon(kServiceIcon));
    item->setText(1, QStringLiteral("Running"));
    item->setText(2, GeneralDateNow());
    item->setText(3, sDescription);
}

void FrmClientConsole::OnInputChanged(const QString &sText)
{
    if (const auto fix = ConsoleSession::KeepPrompt(sText)) {
        txtInput->setText(fix->sText);
        txtInput->setCursorPosition(fix->nCaret);
    }
}

void FrmClientConsole::OnEnter()
{
    LogWriteStatus failure;
    const std::optional<QString> sAdded = m_session.Enter(txtInput->text(), &failure);
    if (!sAdded) {
        Dialogs::ShowFailure(failure.Notice());
        return;
    }
    QTextCursor cursor = txtConsoleLog->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(*sAdded);
    txtConsoleLog->setTextCursor(cursor);
    txtConsoleLog->ensureCursorVisible();
}

bool FrmClientConsole::AddRow(ConsoleList list, const LogRow &row)
{
    if (!ConsoleIconList::IsIconNumber(row.nIcon))
        return false;
    auto *item = new QTreeWidgetItem(list == ConsoleList::EventLog ? LstEventLog : lstErrorLog,
                                     {row.sTime, row.sName, row.sGeneratedAt, row.sDescription});
    item->setIcon(0, ConsoleIcons->Icon(row.nIcon));
    return true;
}

void FrmClientConsole::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_layout.Resize(PixelsToTwips(width(), this), PixelsToTwips(height(), this));
    const TwipsBox &t = m_layout.sChoices;
    sChoices->setGeometry(TwipsRect(t.nLeft, t.nTop, t.nWidth, t.nHeight, this));
    PlaceControls();
}

bool FrmClientConsole::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        PlaceControls();
    return QWidget::eventFilter(watched, event);
}

// The boxes are relative to the tabbed panel, the controls to their page, which
// sits below the tab row; a box reaching above or left of its page is cut to it.
void FrmClientConsole::PlaceControls()
{
    auto place = [this](QWidget *control, const TwipsBox &box) {
        QWidget *page = control->parentWidget();
        const QPoint offset = page->mapTo(sChoices, QPoint(0, 0));
        QRect rect = TwipsRect(box.nLeft, box.nTop, box.nWidth, box.nHeight, this).translated(-offset);
        constexpr int kMargin = 2;
        if (rect.left() < kMargin)
            rect.setLeft(kMargin);
        if (rect.top() < kMargin)
            rect.setTop(kMargin);
        control->setGeometry(rect);
    };
    place(txtConsoleLog, m_layout.txtConsoleLog);
    place(txtInput, m_layout.txtInput);
    place(LstEventLog, m_layout.LstEventLog);
    place(lstErrorLog, m_layout.lstErrorLog);
    place(lstSystemLog, m_layout.lstSystemLog);
}
