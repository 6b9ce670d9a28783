#include "platform/files.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

#ifndef Q_OS_WIN
// The entry of folder whose name equals name without regard to case, preferring the first in ordinal
// order when several do; empty when there is none.
QString EntryIgnoringCase(const QString& folder, const QString& name)
{
    QStringList entries =
        QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    entries.sort();
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}
#endif

} // namespace

QString LocatePath(const QString& path)
{
#ifndef Q_OS_WIN
    if (path.contains(u'\\') && QFileInfo::exists(path))
        return path;
#endif
    const QString native = ToNativePath(path, NativePathStyle());
#ifdef Q_OS_WIN
    // NTFS and FAT do not tell case apart.
    return native;
#else
    if (QFileInfo::exists(native))
        return native;
    const QStringList parts = native.split(u'/');
    QString located;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const QString prefix = i == 0 ? QString() : located + u'/';
        // An empty part stands before the root of an absolute path; "." and ".." exist in every folder.
        if (part.isEmpty() || QFileInfo::exists(prefix + part)) {
            located = prefix + part;
            continue;
        }
        const QString entry =
            EntryIgnoringCase(i == 0 ? QString() : (located.isEmpty() ? QStringLiteral("/") : located), part);
        if (entry.isEmpty())
            return prefix + parts.mid(i).join(u'/');
        located = prefix + entry;
    }
    return located;
#endif
}

bool PathExists(const QString& path)
{
    return QFileInfo::exists(LocatePath(path));
}

FileContent ReadWholeFile(const QString& path, qint64 largestSize)
{
    using Outcome = FileContent::Outcome;
    const QString located = LocatePath(path);
    QFile file(located);
    const QFileInfo info(located);
    if (info.isDir())
        return {Outcome::Unreadable, {}, QStringLiteral("Is a directory")};
    if (info.exists() && !info.isFile())
        return {Outcome::Unreadable, {}, QStringLiteral("Not a regular file")};
    // A missing file is left to open(), which words its reason as the system does.
    if (!file.open(QIODevice::ReadOnly))
        return {Outcome::Unreadable, {}, file.errorString()};
    // The size the system reports keeps a large file from being read at all; the bytes are counted again
    // for a file whose size the system does not know beforehand (it reports 0).
    if (file.size() > largestSize)
        return {Outcome::TooLarge, {}, {}};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {Outcome::Unreadable, {}, file.errorString()};
    if (bytes.size() > largestSize)
        return {Outcome::TooLarge, {}, {}};
    return {Outcome::Read, bytes, {}};
}

QString UnableToOpenFileMessage(const QString& path)
{
    return QStringLiteral("Error : Unable to open file ") + path +
           QStringLiteral(" for read access. Check the following:\r\n"
                          " - Check to ensure that the file exists. \r\n"
                          " - If using NTFS check file permissions. \r\n"
                          " - Check to ensure no other applications are holding the file open.");
}

bool CreateFolder(const QString& path)
{
    return QDir().mkdir(LocatePath(path));
}

std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes)
{
    const QString target = LocatePath(path);
    const QFileInfo existing(target);
    // The read-only attribute of Windows, and a file without write permission elsewhere, protect the
    // file even from an administrator's save.
    if (existing.exists() && !(existing.permissions() & QFileDevice::WriteOwner))
        return QStringLiteral("The file is read-only.");
    QSaveFile file(target);
    // Unbuffered, so that a short write (a full disk, a file-size limit) shows in write()'s count: a
    // buffered QSaveFile can commit a truncated file when the failure only happens as it flushes.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        // A short write sets no error of its own.
        const QString reason =
            written < 0 ? file.errorString()
                        : QStringLiteral("Only %1 of %2 bytes could be written; the disk may be full.")
                              .arg(QString::number(written), QString::number(bytes.size()));
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
