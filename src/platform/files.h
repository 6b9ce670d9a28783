#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// File system access. Every function takes a path in the native style (see paths.h; on Posix "\" is
// taken as "/", unless the path names an existing file or folder as it stands, as a listing gives names
// that may hold a "\") and looks a path that does not exist as written up without regard to case, one
// missing component at a time, so that game data made on Windows is found on case-sensitive disks.

// The native path that names an existing file or folder, its components matched without regard to case
// where the exact ones are missing. Where nothing matches, the rest is kept as written.
QString LocatePath(const QString& path);

// True when a file or a folder of that name exists.
bool PathExists(const QString& path);

// The whole content of a regular file, or why there is none: a folder, a device or a pipe (or a link to
// one), which could block the reader or never end, is refused. A file larger than largestSize by the size
// the system reports is not read; the bytes are read up to that size, so a file that grows while it is
// read ends too, and are measured again for a file whose size the system does not know (it reports 0).
struct FileContent {
    enum class Outcome { Read, Unreadable, TooLarge };
    Outcome Result = Outcome::Unreadable;
    QByteArray Bytes; // when Read
    QString Reason;   // when Unreadable: the system's words ("No such file or directory", "Is a directory")
};
FileContent ReadWholeFile(const QString& path, qint64 largestSize);

// What the user is told of a file that cannot be opened for reading, the path in the middle of it.
QString UnableToOpenFileMessage(const QString& path);

// Creates one folder; its parent must exist. True when it was created.
bool CreateFolder(const QString& path);

// Replaces the file's content in one step: the bytes are written to a new file beside it, which then takes
// its place, so the old file stays intact on any failure. A file without write permission is not replaced.
// Returns nothing on success, or the system's reason for the failure.
std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes);
