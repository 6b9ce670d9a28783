#include "platform/listing.h"

#include "platform/files.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

int Rank(QChar c)
{
    if (c.isLetter())
        return 2;
    if (c.isDigit())
        return 1;
    return 0;
}

bool LessWithoutCase(const QString& a, const QString& b)
{
    return CompareWithoutCase(a, b) < 0;
}

QStringList SortedWithoutCase(QStringList names)
{
    std::sort(names.begin(), names.end(), LessWithoutCase);
    return names;
}

} // namespace

int CompareWithoutCase(QStringView a, QStringView b)
{
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const QChar x = a.at(i).toCaseFolded();
        const QChar y = b.at(i).toCaseFolded();
        if (x == y)
            continue;
        const int rankX = Rank(x);
        const int rankY = Rank(y);
        if (rankX != rankY)
            return rankX < rankY ? -1 : 1;
        return x.unicode() < y.unicode() ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b, Qt::CaseSensitive);
}

bool MatchesWildcard(QStringView name, QStringView pattern)
{
    // Greedy matching with backtracking to the last "*".
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype starPattern = -1;
    qsizetype starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern.at(p) == u'*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() &&
                   (pattern.at(p) == u'?' || pattern.at(p).toCaseFolded() == name.at(n).toCaseFolded())) {
            ++p;
            ++n;
        } else if (starPattern >= 0) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == u'*')
        ++p;
    return p == pattern.size();
}

QStringList ListFiles(const QString& folder, const QString& pattern)
{
    if (folder.isEmpty())
        return {};
    // Sorted below, in the list controls' order.
    const QStringList entries = QDir(LocatePath(folder)).entryList(QDir::Files, QDir::NoSort);
    QStringList matching;
    for (const QString& entry : entries) {
        if (MatchesWildcard(entry, pattern))
            matching.append(entry);
    }
    return SortedWithoutCase(matching);
}

std::optional<QStringList> PathsMatching(const QString& path)
{
    qsizetype nameStart = path.size();
    while (nameStart > 0 && !IsSeparator(path.at(nameStart - 1), NativePathStyle()))
        --nameStart;
    const QStringView pattern = QStringView(path).sliced(nameStart);
    if (!pattern.contains(u'*') && !pattern.contains(u'?'))
        return std::nullopt;
    const QString folder = path.first(nameStart);
    const QStringList entries = QDir(LocatePath(folder.isEmpty() ? QStringLiteral(".") : folder))
                                    .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    QStringList matching;
    for (const QString& entry : entries) {
        if (MatchesWildcard(entry, pattern))
            matching.append(entry);
    }
    QStringList paths;
    for (const QString& name : SortedWithoutCase(matching))
        paths.append(folder + name);
    return paths;
}

bool ProgramExpandsWildcards()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

std::optional<QStringList> ListSubfolders(const QString& folder)
{
    const QString located = LocatePath(folder);
    const QFileInfo info(located);
    if (located.isEmpty() || !info.isDir() || !info.isReadable())
        return std::nullopt;
    const QDir dir(located);
    QStringList paths;
    for (const QString& name :
         SortedWithoutCase(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort)))
        paths.append(QDir::toNativeSeparators(dir.filePath(name)));
    return paths;
}
