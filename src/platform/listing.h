#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <compare>
#include <optional>

// Folder listings in the order and with the matching of the Windows file and folder list controls.

// Alphabetical order without regard to case, as the system's sorted lists show names: punctuation and
// other symbols before digits, digits before letters; names equal but for case keep a fixed order.
std::strong_ordering CompareWithoutCase(QStringView a, QStringView b);

// True when name matches pattern, where "*" stands for any run of characters and "?" for exactly one,
// compared without regard to case.
bool MatchesWildcard(QStringView name, QStringView pattern);

// The names (without folder) of the ordinary files of folder whose names match pattern; hidden and system
// files are left out; sorted by CompareWithoutCase. Empty when the folder cannot be listed.
QStringList ListFiles(const QString& folder, const QString& pattern);

// The files and folders that a path whose last component holds the wildcards "*" or "?" names: the entries
// of its folder whose names match that component (MatchesWildcard), hidden ones left out, each as the
// path's folder part as written followed by the name, sorted by CompareWithoutCase; empty when none
// matches. Nothing when the last component holds no wildcard.
std::optional<QStringList> PathsMatching(const QString& path);

// True where a program expands the wildcards in its path arguments itself: Windows shells pass
// "characters\*.cfg" on as typed (and no file name there holds "*" or "?"); elsewhere the shell has
// expanded them already, and a name may hold either.
#ifdef Q_OS_WIN
inline constexpr bool ProgramExpandsWildcards = true;
#else
inline constexpr bool ProgramExpandsWildcards = false;
#endif

// The full paths of the subfolders of folder (hidden ones left out), sorted by CompareWithoutCase of
// their names; nothing when the folder does not exist or cannot be listed.
std::optional<QStringList> ListSubfolders(const QString& folder);
