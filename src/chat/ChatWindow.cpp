#include "chat/ChatWindow.h"

#include "chat/RichText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>
#include <QTextEdit>

ChatWindow::ChatWindow(LineColor botColor, LineColor userColor, QWidget *parent)
    : QDialog(parent)
    , m_turn(*this, botColor, userColor)
{
}

void ChatWindow::CreateChatControls(QWidget *responseParent, QWidget *inputParent)
{
    ResponseArea = new QTextEdit(responseParent);
    ResponseArea->setObjectName(QStringLiteral("ResponseArea"));
    // The window only appends to the transcript; the user may select and copy.
    ResponseArea->setReadOnly(true);
    ResponseArea->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ResponseArea->setFocusPolicy(Qt::StrongFocus);
    ResponseArea->setAcceptRichText(false);

    InputArea = new QLineEdit(inputParent);
    InputArea->setObjectName(QStringLiteral("InputArea"));
    InputArea->installEventFilter(this);
    connect(InputArea, &QLineEdit::textChanged, this, [this] { m_turn.InputChanged(); });
}

void ChatWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;  // restored from minimised: not a new opening
    m_turn.Load();
    FocusOnOpen();
}

bool ChatWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == InputArea && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        int nKeyAscii = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            nKeyAscii = 13;
        else if (!key->text().isEmpty())
            nKeyAscii = key->text().at(0).unicode();
        // Only character keys count; the box takes the key afterwards as usual.
        if (nKeyAscii != 0)
            m_turn.KeyPress(nKeyAscii);
    }
    return QDialog::eventFilter(watched, event);
}

void ChatWindow::AddColoredText(const QString &sText, LineColor sColor)
{
    ::AddColoredText(sText, sColor, ResponseArea);
}

void ChatWindow::AddtoResponseArea(const QString &sText)
{
    ::AddtoResponseArea(sText, ResponseArea);
}

void ChatWindow::ClearTranscript()
{
    ResponseArea->clear();
}

qsizetype ChatWindow::TranscriptLength() const
{
    return ::TranscriptLength(ResponseArea);
}

QString ChatWindow::InputText() const
{
    return InputArea->text();
}

void ChatWindow::SetInputText(const QString &sText)
{
    InputArea->setText(sText);
}

void ChatWindow::keyPressEvent(QKeyEvent *event)
{
    // Only the close control closes: a stray Escape would throw the conversation away.
    if (event->matches(QKeySequence::Cancel))
        return event->ignore();
    QDialog::keyPressEvent(event);
}
