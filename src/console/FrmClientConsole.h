#pragma once

#include "console/ConsoleLayout.h"
#include "console/ConsoleSession.h"
#include "logs/LogSink.h"

#include <QWidget>

class ConsoleIconList;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTreeWidget;

// The client console: a command console and the rows of the event log, the
// error log and the running services, on one tabbed panel. A child window of
// the main window; it is loaded when shown after having been closed.
class FrmClientConsole : public QWidget, public LogSink {
    Q_OBJECT

public:
    explicit FrmClientConsole(QWidget *parent = nullptr);
    ~FrmClientConsole() override;

    QTabWidget *sChoices = nullptr;
    QLineEdit *txtInput = nullptr;
    QPlainTextEdit *txtConsoleLog = nullptr;
    QTreeWidget *LstEventLog = nullptr;
    QTreeWidget *lstErrorLog = nullptr;
    QTreeWidget *lstSystemLog = nullptr;
    ConsoleIconList *ConsoleIcons = nullptr;


    bool AddRow(ConsoleList list, const LogRow &row) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Load();
    void Unload();
    void AddServiceRow(const QString &sName, const QString &sDescription);
    void OnInputChanged(const QString &sText);
    void OnEnter();
    void PlaceControls();

    ConsoleSession m_session;
    ConsoleLayout m_layout;
    bool m_loaded = false;
};
