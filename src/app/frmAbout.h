#pragma once

#include <QDialog>

class QFrame;
class QLabel;

// The About window: title, a grey rule and a few words on how to talk to Orvia.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    QLabel *lblTitle = nullptr;
    QFrame *linRule = nullptr;
    QLabel *lblAbout = nullptr;
};
