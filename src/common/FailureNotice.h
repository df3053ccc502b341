#pragma once

#include <QString>

// A failure as the user is told of it: the text of one message box, its title
// (empty for the application's own) and whether it warns. Logic hands these
// up; only window code shows them.
struct FailureNotice {
    enum class Kind { Plain, Warning, Critical };

    QString sText;
    QString sTitle;
    Kind kind = Kind::Plain;

    bool operator==(const FailureNotice &) const = default;
};
