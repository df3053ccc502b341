#pragma once

#include <QImage>

// The bot's picture in the graphical chat window: a friendly robot,
// 117 x 225 pixels, 24-bit, on white.
QImage KezPicture();
