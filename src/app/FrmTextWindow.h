#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// A plain text viewer inside the main window; the mass keyword lookup writes
// its replies into it.
class FrmTextWindow : public QWidget {
    Q_OBJECT

public:
    explicit FrmTextWindow(QWidget *parent = nullptr);

    QPlainTextEdit *txtNotepad = nullptr;
    QPushButton *Command1 = nullptr;  // "Select All"
    QPushButton *Command2 = nullptr;  // "Copy"
    QPushButton *Command3 = nullptr;  // "Clear"

    // The displayed text (lines separated by "\n"); SetText replaces all of it.
    QString Text() const;
    void SetText(const QString &sText);

    void SelectAll();
    void CopyAll();
    void Clear();
};
