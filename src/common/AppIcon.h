#pragma once

#include <QIcon>

// The icon every window of the program shares: a green speech balloon.
QIcon AppIcon();
