#include "checker/classfilesearch.h"

#include "classfile/classfilename.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
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

// What a folder holds beside its class files: its subfolders (hidden ones left out, as native paths, sorted
// as the system's lists sort them), and its hidden class files, which the class list leaves out. One pass.
struct FolderScan {
    QStringList Subfolders;
    qsizetype HiddenClassFiles = 0;
};

FolderScan ScanFolder(const QString& folder)
{
    FolderScan scan;
    QStringList names;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (entry.isDir() && !entry.isHidden())
            names.append(entry.fileName());
        else if (entry.isFile() && entry.isHidden() && MatchesWildcard(entry.fileName(), ClassFilePattern))
            ++scan.HiddenClassFiles;
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return std::is_lt(CompareWithoutCase(a, b)); });
    for (const QString& name : names)
        scan.Subfolders.append(Native(QDir(folder).filePath(name)));
    return scan;
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
    if (ProgramExpandsWildcards) {
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
        AddProblem(path, Rule::NoSuchFile, SystemWords(ReadWholeFile(located, 0).Reason));
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
    const FolderScan scan = ScanFolder(folder);
    Hidden += scan.HiddenClassFiles;
    for (const QString& subfolder : scan.Subfolders) {
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
    for (const QString& subfolder : ScanFolder(folder).Subfolders)
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
    const FolderListing& listing = ListingOf(folder, folderKey);
    QStringList otherCases;
    if (!listing.SameButCase.isEmpty()) {
        otherCases = listing.SameButCase.value(name.toCaseFolded());
        otherCases.removeOne(name);
    }
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
    // The listing's order puts names that differ only in case next to each other.
    for (qsizetype i = 1; i < listing.Names.size(); ++i) {
        const QString& before = listing.Names.at(i - 1);
        if (before.compare(listing.Names.at(i), Qt::CaseInsensitive) != 0)
            continue;
        QStringList& same = listing.SameButCase[before.toCaseFolded()];
        if (same.isEmpty())
            same.append(before);
        same.append(listing.Names.at(i));
    }
    return *Listings.insert(folderKey, std::move(listing));
}
