#pragma once

#include <QString>

// Where the program's files live: data/ and logs/ beside the executable.
// Names read from knowledge files may use "\" (written on Windows); they are
// taken with "/" instead.
namespace DataFolder {

QString DataDir();  // ProgramFolder + "/data", unless DataFolder names another
QString LogsDir();  // ProgramFolder + "/logs"

// Program folder + "/data/" + the name as written (no separator added or removed
// beyond that). The result is a path to hand to OpenForReading's resolution.
QString DataPath(const QString &sName);
QString LogPath(const QString &sName);

struct Resolution {
    QString sPath;   // the file to open; empty when refused
    QString sError;  // why it was refused
};

// Turns a path into the file to open: "\" becomes "/", a path under data/ that
// leads outside it is refused, and so is one holding a NUL; when no file has
// the exact name a file whose name differs only in letter case is taken.
Resolution Resolve(const QString &sPath);

}  // namespace DataFolder
