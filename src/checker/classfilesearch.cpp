#include "checker/classfilesearch.h"

#include "classfile/classfilename.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace {

const QString ClassFilePattern = QStringLiteral("*.cfg");

bool CaseBlindFileSystem()
{
    return NativePathStyle() == PathStyle::Windows;
}

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A folder's identity: its path with links resolved, in one case where the file system ignores case.
QString FolderKey(const QString& folder)
{
    const QFileInfo info(folder);
    QString key = info.canonicalFilePath();
    if (key.isEmpty())
        key = info.absoluteFilePath();
    return CaseBlindFileSystem() ? key.toCaseFolded() : key;
}

QString FileKey(const QString& folderKey, const QString& name)
{
    return folderKey + u'/' + (CaseBlindFileSystem() ? name.toCaseFolded() : name);
}

} // namespace

ClassFileSearch::ClassFileSearch(bool recursive)
    : Recursive(recursive)
{
}

void ClassFileSearch::Add(const QString& path)
{
    if (ProgramExpandsWildcards()) {
        if (const std::optional<QStringList> matching = PathsMatching(path)) {
            if (matching->isEmpty())
                AddProblem(path, Rule::NoSuchFile, QStringLiteral("no file or folder matches"));
            for (const QString& match : *matching)
                AddPath(match);
            return;
        }
    }
    AddPath(path);
}

void ClassFileSearch::AddPath(const QString& path)
{
    const QString located = LocatePath(path);
    const QFileInfo info(located);
    if (!info.exists()) {
        AddProblem(path, Rule::NoSuchFile, ReadWholeFile(located, 0).Reason);
        return;
    }
    if (info.isDir()) {
        const qsizetype passedOverBefore = InSubfolders;
        const std::optional<qsizetype> found = AddFolder(Native(located));
        if (found && *found == 0) {
            const qsizetype below = InSubfolders - passedOverBefore;
            AddProblem(path, Rule::NoClassFiles,
                       Recursive ? QStringLiteral("no class files (*.cfg) in this folder or its subfolders")
                       : below == 0 ? QStringLiteral("no class files (*.cfg) in this folder")
                                    : QStringLiteral(
                                          "no class files (*.cfg) in this folder, and %1 in its subfolders, "
                                          "which --no-recursive leaves out")
                                          .arg(below));
        }
        return;
    }
    if (!info.isFile()) {
        AddProblem(path, Rule::NotAClassFile, QStringLiteral("not a regular file"));
        return;
    }
    if (!MatchesWildcard(info.fileName(), ClassFilePattern)) {
        AddProblem(path, Rule::NotAClassFile,
                   QStringLiteral("not a class file: the editor lists only files named *.cfg"));
        return;
    }
    const QString folder = Native(info.path());
    AddClassFile(Native(located), folder, FolderKey(folder), info.fileName());
}

std::optional<qsizetype> ClassFileSearch::AddFolder(const QString& folder)
{
    const QString key = FolderKey(folder);
    if (const auto searched = FolderTotals.constFind(key); searched != FolderTotals.constEnd())
        return *searched; // named twice, or a link back to a folder being searched (0 so far)
    FolderTotals.insert(key, 0);
    if (!QFileInfo(folder).isReadable()) {
        AddProblem(folder, Rule::Unreadable, QString::fromLocal8Bit(std::strerror(EACCES)));
        return std::nullopt;
    }
    const FolderListing& listing = ListingOf(folder, key);
    qsizetype found = listing.Names.size();
    for (const QString& name : listing.Names)
        AddClassFile(Native(QDir(folder).filePath(name)), folder, key, name);
    // The class list leaves hidden files out.
    const QStringList all = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    Hidden += std::count_if(all.cbegin(), all.cend(),
                            [](const QString& name) { return MatchesWildcard(name, ClassFilePattern); }) -
              listing.Names.size();
    for (const QString& subfolder : ListSubfolders(folder).value_or(QStringList())) {
        if (Recursive) {
            found += AddFolder(subfolder).value_or(0);
        } else {
            QSet<QString> seen{key};
            InSubfolders += ClassFilesBelow(subfolder, seen);
        }
    }
    FolderTotals.insert(key, found);
    return found;
}

qsizetype ClassFileSearch::ClassFilesBelow(const QString& folder, QSet<QString>& seen) const
{
    const QString key = FolderKey(folder);
    if (seen.contains(key))
        return 0;
    seen.insert(key);
    qsizetype count = ClassFileNamesInFolder(folder).size();
    for (const QString& subfolder : ListSubfolders(folder).value_or(QStringList()))
        count += ClassFilesBelow(subfolder, seen);
    return count;
}

void ClassFileSearch::AddClassFile(const QString& path, const QString& folder, const QString& folderKey,
                                   const QString& name)
{
    const QString fileKey = FileKey(folderKey, name);
    if (FilesFound.contains(fileKey))
        return;
    FilesFound.insert(fileKey);
    QStringList otherCases = ListingOf(folder, folderKey).SameButCase.value(name.toCaseFolded());
    otherCases.removeOne(name);
    Found.append({path, std::nullopt, otherCases});
}

void ClassFileSearch::AddProblem(const QString& path, Rule rule, const QString& text)
{
    const QString shown = Native(path);
    if (ProblemsFound.contains(shown)) // named twice
        return;
    ProblemsFound.insert(shown);
    Found.append({shown, Finding{rule, 0, text}, {}});
}

const ClassFileSearch::FolderListing& ClassFileSearch::ListingOf(const QString& folder,
                                                                 const QString& folderKey)
{
    auto listed = Listings.find(folderKey);
    if (listed != Listings.end())
        return *listed;
    FolderListing listing;
    listing.Names = ClassFileNamesInFolder(folder);
    QHash<QString, qsizetype> counts;
    counts.reserve(listing.Names.size());
    for (const QString& name : listing.Names)
        ++counts[name.toCaseFolded()];
    for (const QString& name : listing.Names) {
        if (counts.value(name.toCaseFolded()) > 1)
            listing.SameButCase[name.toCaseFolded()].append(name);
    }
    return *Listings.insert(folderKey, std::move(listing));
}
