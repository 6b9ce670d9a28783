#pragma once

#include "checker/findings.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// The class files that the paths of a command line name, each once, in order: a file itself, a folder
// its class files as the class list finds them (hidden ones left out) and then, unless told otherwise,
// its subfolders' (hidden ones and links back to a folder already searched left out), in listing order.
// Every path that cannot be checked is a finding of its own, in its place among them, and the rest are
// still found.
class ClassFileSearch {
public:
    explicit ClassFileSearch(bool recursive);

    // A class file to judge, or a path that cannot be checked.
    struct Entry {
        QString Path;                   // native; as named, or the folder as named and the name as listed
        std::optional<Finding> Problem; // why the path cannot be checked
        QStringList OtherCases;         // the other class files of its folder named the same but for case
    };

    // Adds what the path names. On Windows a path whose last component holds "*" or "?" names the files
    // and folders that match it; none matching is a finding (no-such-file).
    void Add(const QString& path);

    const QList<Entry>& Entries() const { return Found; }
    // Class files passed over: hidden ones in a folder searched, and those in subfolders not searched.
    qsizetype HiddenPassedOver() const { return Hidden; }
    qsizetype InSubfoldersPassedOver() const { return InSubfolders; }

private:
    struct FolderListing {
        QStringList Names;                       // of its class files, in listing order
        QHash<QString, QStringList> SameButCase; // by case-folded name, for names that several files share
    };

    void AddPath(const QString& path);
    // The class files in folder (and its subfolders), counting those found before too; nothing when the
    // folder cannot be listed, which is then a finding.
    std::optional<qsizetype> AddFolder(const QString& folder);
    // path: as shown; folder: its folder as a native path.
    void AddClassFile(const QString& path, const QString& folder, const QString& folderKey,
                      const QString& name);
    void AddProblem(const QString& path, Rule rule, const QString& text);
    const FolderListing& ListingOf(const QString& folder, const QString& folderKey);
    qsizetype ClassFilesBelow(const QString& folder, QSet<QString>& seen) const;

    bool Recursive;
    QList<Entry> Found;
    QSet<QString> FilesFound;               // by folder key and name
    QSet<QString> ProblemsFound;            // by path
    QHash<QString, qsizetype> FolderTotals; // the class files of each folder searched, by folder key
    QHash<QString, FolderListing> Listings;
    qsizetype Hidden = 0;
    qsizetype InSubfolders = 0;
};
