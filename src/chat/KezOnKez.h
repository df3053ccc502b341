#pragma once

#include "chat/SelfTalkWindow.h"

// Orvia talking to herself, green on black.
class KezOnKez : public SelfTalkWindow {
    Q_OBJECT

public:
    explicit KezOnKez(QWidget *parent = nullptr);
};
