#include "common/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon ToQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtDialogs::ShowMessage(const QString &sText, const QString &sTitle, Dialogs::Icon icon)
{
    QMessageBox box(ToQt(icon), sTitle, sText, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QString QtDialogs::AskText(const QString &sPrompt, const QString &sTitle, const QString &sDefault)
{
    bool ok = false;
    const QString sText = QInputDialog::getText(QApplication::activeWindow(), sTitle, sPrompt, QLineEdit::Normal, sDefault, &ok);
    return ok ? sText : QString();
}

QString QtDialogs::AskSaveFile(const QString &sTitle, const QString &sSuggestedPath)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), sTitle, sSuggestedPath);
}
