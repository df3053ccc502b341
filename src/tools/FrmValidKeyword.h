#pragma once

#include "tools/KeywordValidator.h"

#include <QElapsedTimer>
#include <QWidget>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The validator's window: the report on the left, the counters and the two
// buttons on the right. The walk itself is KeywordValidator's.
class FrmValidKeyword : public QWidget {
    Q_OBJECT

public:
    explicit FrmValidKeyword(QWidget *parent = nullptr);

    KeywordValidator &Validator() { return m_validator; }

    QGroupBox *FraReport = nullptr;
    QPlainTextEdit *TxtReport = nullptr;
    QGroupBox *FraProgress = nullptr;
    QLabel *lblProcess = nullptr;
    QLabel *LblBlank = nullptr;
    QLabel *LblComments = nullptr;
    QLabel *lblKeywords = nullptr;
    QLabel *lblmissing = nullptr;
    QLabel *lblMissingRef = nullptr;
    QLabel *lblErrors = nullptr;
    QLabel *lblStatements = nullptr;
    QLabel *LblQuestions = nullptr;
    QPushButton *cmdStart = nullptr;
    QPushButton *cmdSave = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdStart_Click();
    void cmdSave_Click();
    void ShowCounter(KeywordValidator::Counter counter, int nValue);
    void AppendReportLine(const QString &sLine, bool bSummary);

    KeywordValidator m_validator;
    QElapsedTimer m_sinceEvents;
};
