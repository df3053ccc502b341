#include "app/FrmTextWindow.h"

#include "common/AppIcon.h"
#include "common/CopyShortcut.h"
#include "common/WindowMetrics.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &sCaption, const QRect &geometry)
{
    auto *button = new QPushButton(sCaption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    // The buttons act on the text without taking the focus from it.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

FrmTextWindow::FrmTextWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmTextWindow"));
    setWindowTitle(QStringLiteral("Project Kez - Text Display Window"));
    setWindowIcon(AppIcon());

    txtNotepad = new QPlainTextEdit(this);
    txtNotepad->setObjectName(QStringLiteral("txtNotepad"));
    txtNotepad->setReadOnly(true);
    txtNotepad->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtNotepad->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotepad->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotepad->setGeometry(TwipsRect(120, 120, 8415, 4095, this));
    KeepCopyShortcut(txtNotepad);

    Command1 = MakeButton(this, "Command1", QStringLiteral("Select All"), TwipsRect(120, 4320, 1335, 375, this));
    Command2 = MakeButton(this, "Command2", QStringLiteral("Copy"), TwipsRect(1575, 4320, 1335, 375, this));
    Command3 = MakeButton(this, "Command3", QStringLiteral("Clear"), TwipsRect(3030, 4320, 1335, 375, this));
    connect(Command1, &QPushButton::clicked, this, &FrmTextWindow::SelectAll);
    connect(Command2, &QPushButton::clicked, this, &FrmTextWindow::CopyAll);
    connect(Command3, &QPushButton::clicked, this, &FrmTextWindow::Clear);

    setFixedSize(TwipsSize(8655, 4815, this));
}

QString FrmTextWindow::Text() const
{
    return txtNotepad->toPlainText();
}

void FrmTextWindow::SetText(const QString &sText)
{
    txtNotepad->setPlainText(sText);
}

void FrmTextWindow::SelectAll()
{
    txtNotepad->selectAll();
}

void FrmTextWindow::CopyAll()
{
    QGuiApplication::clipboard()->setText(txtNotepad->toPlainText());
}

void FrmTextWindow::Clear()
{
    txtNotepad->clear();
}
