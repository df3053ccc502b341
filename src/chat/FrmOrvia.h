#pragma once

#include "chat/ChatWindow.h"

class QLabel;

// The plain text-only chat window in the system colours.
class FrmOrvia : public ChatWindow {
    Q_OBJECT

public:
    explicit FrmOrvia(QWidget *parent = nullptr);

    QLabel *Label2 = nullptr;
    QLabel *say = nullptr;

protected:
    void FocusOnOpen() override;
};
