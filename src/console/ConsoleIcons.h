#pragma once

#include <QIcon>
#include <QList>
#include <QObject>

class QStyle;

// The console's six row icons, numbered from 1: information, warning, question,
// error, a STOP sign and an application window with sparkles.
class ConsoleIconList : public QObject {
    Q_OBJECT

public:
    static constexpr int Count = 6;
    static constexpr int Size = 16;

    explicit ConsoleIconList(QStyle *style, QObject *parent = nullptr);

    // Icon number n (1 to 6); a null icon for any other number.
    QIcon Icon(int n) const;
    static bool IsIconNumber(int n) { return n >= 1 && n <= Count; }

    static QIcon DrawStopSign();
    static QIcon DrawApplicationWindow();

private:
    QList<QIcon> m_icons;
};
