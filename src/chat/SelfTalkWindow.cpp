#include "chat/SelfTalkWindow.h"

#include "chat/RichText.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QTimer>

SelfTalkWindow::SelfTalkWindow(LineColor color, QWidget *parent)
    : QDialog(parent)
    , m_talk(*this, color)
{
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));

    Area = new QTextEdit(this);
    Area->setObjectName(QStringLiteral("Area"));
    Area->setReadOnly(true);
    Area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Area->setFocusPolicy(Qt::StrongFocus);
    Area->setAcceptRichText(false);

    Command1 = new QPushButton(QStringLiteral("Start/Stop"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, [this] { m_talk.StartStop(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, [this] { m_talk.Tick(); });

    setTabOrder(Area, Command1);
}

void SelfTalkWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_talk.Load();
    Area->setFocus();
}

void SelfTalkWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        Timer1->stop();
}

void SelfTalkWindow::AddColoredText(const QString &sText, LineColor sColor)
{
    ::AddColoredText(sText, sColor, Area);
}

void SelfTalkWindow::AddtoResponseArea(const QString &sText)
{
    ::AddtoResponseArea(sText, Area);
}

void SelfTalkWindow::ClearTranscript()
{
    Area->clear();
}

qsizetype SelfTalkWindow::TranscriptLength() const
{
    return ::TranscriptLength(Area);
}

void SelfTalkWindow::SetTimerEnabled(bool bEnabled)
{
    if (bEnabled)
        Timer1->start();
    else
        Timer1->stop();
}

bool SelfTalkWindow::TimerEnabled() const
{
    return Timer1->isActive();
}

void SelfTalkWindow::keyPressEvent(QKeyEvent *event)
{
    // Only the close control closes: a stray Escape would throw the conversation away.
    if (event->matches(QKeySequence::Cancel))
        return event->ignore();
    QDialog::keyPressEvent(event);
}
