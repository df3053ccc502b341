#include "tools/FrmValidKeyword.h"

#include "common/AppIcon.h"
#include "common/DataFolder.h"
#include "common/Dialogs.h"
#include "common/WindowMetrics.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Validate Keyword-Response System ");

}  // namespace

FrmValidKeyword::FrmValidKeyword(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FrmValidKeyword"));
    setWindowTitle(kCaption);
    setWindowIcon(AppIcon());

    FraReport = new QGroupBox(QStringLiteral("Report"), this);
    FraReport->setObjectName(QStringLiteral("FraReport"));
    TxtReport = new QPlainTextEdit(FraReport);
    TxtReport->setObjectName(QStringLiteral("TxtReport"));
    TxtReport->setReadOnly(true);
    TxtReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    TxtReport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtReport->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *reportLayout = new QVBoxLayout(FraReport);
    reportLayout->addWidget(TxtReport);

    FraProgress = new QGroupBox(QStringLiteral("Progress"), this);
    FraProgress->setObjectName(QStringLiteral("FraProgress"));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(TwipsToPixels(120, this));
    grid->setColumnStretch(0, 1);
    int row = 0;
    auto addCounter = [&](const char *captionName, const QString &sCaption, const char *valueName) {
        auto *caption = new QLabel(sCaption, FraProgress);
        caption->setObjectName(QLatin1String(captionName));
        auto *value = new QLabel(QStringLiteral("0"), FraProgress);
        value->setObjectName(QLatin1String(valueName));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(TwipsToPixels(900, this));
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
        return value;
    };
    lblProcess = addCounter("lblProcessCaption", QStringLiteral("No. Processed Lines"), "lblProcess");
    LblBlank = addCounter("LblBlankCaption", QStringLiteral("No. of Blank Lines:"), "LblBlank");
    LblComments = addCounter("LblCommentsCaption", QStringLiteral("No. of Comment Lines:"), "LblComments");
    lblKeywords = addCounter("lblKeywordsCaption", QStringLiteral("No. of Usable Keywords"), "lblKeywords");
    lblmissing = addCounter("lblmissingCaption", QStringLiteral("No. of Missing Files:"), "lblmissing");
    lblMissingRef = addCounter("lblMissingRefCaption", QStringLiteral("No. of Missing References:"), "lblMissingRef");
    lblErrors = addCounter("lblErrorsCaption", QStringLiteral("No. of Errors"), "lblErrors");
    lblStatements = addCounter("lblStatementsCaption", QStringLiteral("No. of Statements checked:"), "lblStatements");
    LblQuestions = addCounter("LblQuestionsCaption", QStringLiteral("No. of Questions checked:"), "LblQuestions");

    cmdStart = new QPushButton(QStringLiteral("Start"), FraProgress);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdSave = new QPushButton(QStringLiteral("Save"), FraProgress);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdStart);
    buttons->addWidget(cmdSave);

    auto *progressLayout = new QVBoxLayout(FraProgress);
    progressLayout->addLayout(grid);
    progressLayout->addStretch(1);
    progressLayout->addLayout(buttons);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(FraReport, 1);
    layout->addWidget(FraProgress, 0);
    setFixedSize(TwipsSize(12600, 6000, this));

    connect(cmdStart, &QPushButton::clicked, this, &FrmValidKeyword::cmdStart_Click);
    connect(cmdSave, &QPushButton::clicked, this, &FrmValidKeyword::cmdSave_Click);
    connect(&m_validator, &KeywordValidator::ReportCleared, TxtReport, &QPlainTextEdit::clear);
    connect(&m_validator, &KeywordValidator::ReportLine, this, &FrmValidKeyword::AppendReportLine);
    connect(&m_validator, &KeywordValidator::CounterChanged, this, &FrmValidKeyword::ShowCounter);
    // Repaint and take input between index lines, so the counters are seen to
    // climb; at most every 20 ms, or a large index spends its walk repainting.
    connect(&m_validator, &KeywordValidator::WalkStarted, this, [this] { m_sinceEvents.start(); });
    connect(&m_validator, &KeywordValidator::LineDone, this, [this] {
        if (m_sinceEvents.elapsed() < 20)
            return;
        QCoreApplication::processEvents();
        m_sinceEvents.start();
    });
}

void FrmValidKeyword::ShowCounter(KeywordValidator::Counter counter, int nValue)
{
    QLabel *label = nullptr;
    switch (counter) {
    case KeywordValidator::LineCounter: label = lblProcess; break;
    case KeywordValidator::Blanks: label = LblBlank; break;
    case KeywordValidator::Comments: label = LblComments; break;
    case KeywordValidator::WorkingWords: label = lblKeywords; break;
    case KeywordValidator::MissingFiles: label = lblmissing; break;
    case KeywordValidator::MissingReferences: label = lblMissingRef; break;
    case KeywordValidator::Errors: label = lblErrors; break;
    case KeywordValidator::Statements: label = lblStatements; break;
    case KeywordValidator::Questions: label = LblQuestions; break;
    case KeywordValidator::RefFound: break;  // counted, not shown
    }
    if (label)
        label->setText(QString::number(nValue));
}

void FrmValidKeyword::AppendReportLine(const QString &sLine, bool bSummary)
{
    Q_UNUSED(bSummary);
    // The report starts with an empty line: each line comes after a line break.
    QTextCursor cursor(TxtReport->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\n") + sLine);
    // Keep the newest line in view, the summary included.
    TxtReport->moveCursor(QTextCursor::End);
    TxtReport->ensureCursorVisible();
    TxtReport->horizontalScrollBar()->setValue(0);
}

void FrmValidKeyword::cmdStart_Click()
{
    const QPointer<FrmValidKeyword> alive(this);
    cmdStart->setEnabled(false);
    cmdSave->setEnabled(false);
    m_validator.Run();
    if (!alive)
        return;
    cmdStart->setEnabled(true);
    cmdSave->setEnabled(true);
}

void FrmValidKeyword::cmdSave_Click()
{
    const QString sPath = Dialogs::SaveFileBox(QStringLiteral("Save Validation Report"),
                                               DataFolder::LogPath(QStringLiteral("ValidationReport.txt")));
    if (sPath.isEmpty())
        return;
    QString sText = TxtReport->toPlainText();
    sText.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    sText += QStringLiteral("\r\n");
    QSaveFile file(sPath);
    if (file.open(QIODevice::WriteOnly) && file.write(sText.toUtf8()) >= 0 && file.commit())
        return;
    Dialogs::MsgBox(QStringLiteral("The report could not be saved to %1: %2").arg(sPath, file.errorString()), kCaption,
                    Dialogs::Icon::Critical);
}

void FrmValidKeyword::closeEvent(QCloseEvent *event)
{
    // A running walk ends after its current line; the window closes at once.
    m_validator.RequestStop();
    QWidget::closeEvent(event);
}
