#include "chat/ChatWindow.h"

#include <limits>

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
    // A pasted text is taken whole, as the command-line chat takes a line.
    InputArea->setMaxLength(std::numeric_limits<int>::max());
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
