#pragma once

class QWidget;

// A read-only text area lets window shortcuts take Ctrl+C (the main window's
// console item); this keeps Ctrl+C as copy while the area has the focus.
void KeepCopyShortcut(QWidget *textArea);
