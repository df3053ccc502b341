#pragma once

#include "chat/SelfTalkWindow.h"

// Orvia talking to herself in a plain window in the system colours.
class OrviaOnOrvia : public SelfTalkWindow {
    Q_OBJECT

public:
    explicit OrviaOnOrvia(QWidget *parent = nullptr);
};
