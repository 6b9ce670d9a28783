#pragma once

#include <QByteArray>
#include <QString>
#include <limits>
#include <optional>

// File system access. Every function takes a path in the native style (see paths.h; on Posix "\" is
// taken as "/") and looks a path that does not exist as written up without regard to case, one missing
// component at a time, so that game data made on Windows is found on case-sensitive disks.

// The native path that names an existing file or folder, its components matched without regard to case
// where the exact ones are missing. Where nothing matches, the rest is kept as written.
QString LocatePath(const QString& path);

// True when the file can be opened for reading (a folder cannot).
bool FileExists(const QString& path);

// True when a file or a folder of that name exists.
bool PathExists(const QString& path);

// The whole content of a file, or nothing when it cannot be read or holds more than largestSize bytes.
std::optional<QByteArray> ReadWholeFile(const QString& path,
                                        qint64 largestSize = std::numeric_limits<qint64>::max());

// Creates one folder; its parent must exist. True when it was created.
bool CreateFolder(const QString& path);

// Replaces the file's content in one step: the bytes are written to a new file beside it, which then takes
// its place, so the old file stays intact on any failure. A file without write permission is not replaced.
// Returns nothing on success, or the system's reason for the failure.
std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes);
