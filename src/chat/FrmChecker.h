#pragma once

#include "chat/ChatWindow.h"

class QLabel;

// The chat window the menus open: green on black.
class FrmChecker : public ChatWindow {
    Q_OBJECT

public:
    explicit FrmChecker(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

protected:
    void FocusOnOpen() override;
};
