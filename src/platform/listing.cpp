#include "platform/listing.h"

#include "platform/files.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

// The groups of characters in the lists' order.
enum class CharacterGroup { Other, Digit, Letter };

CharacterGroup GroupOf(QChar c)
{
    if (c.isLetter())
        return CharacterGroup::Letter;
    if (c.isDigit())
        return CharacterGroup::Digit;
    return CharacterGroup::Other;
}

bool LessWithoutCase(const QString& a, const QString& b)
{
    return std::is_lt(CompareWithoutCase(a, b));
}

QStringList SortedWithoutCase(QStringList names)
{
    std::sort(names.begin(), names.end(), LessWithoutCase);
    return names;
}

} // namespace

std::strong_ordering CompareWithoutCase(QStringView a, QStringView b)
{
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const QChar x = a.at(i).toCaseFolded();
        const QChar y = b.at(i).toCaseFolded();
        if (x == y)
            continue;
        if (const auto byGroup = GroupOf(x) <=> GroupOf(y); byGroup != 0)
            return byGroup;
        return x.unicode() <=> y.unicode();
    }
    if (const auto byLength = a.size() <=> b.size(); byLength != 0)
        return byLength;
    // Equal but for case: the first code unit that differs decides.
    const auto [x, y] = std::ranges::mismatch(a, b);
    return x == a.end() ? std::strong_ordering::equal : x->unicode() <=> y->unicode();
}

bool MatchesWildcard(QStringView name, QStringView pattern)
{
    // Greedy matching; on a mismatch the last "*" takes one more character and the matching goes on after
    // it.
    struct Star {
        qsizetype InPattern;
        qsizetype NameTaken; // where in name the characters it takes end
    };
    std::optional<Star> lastStar;
    qsizetype n = 0;
    qsizetype p = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern.at(p) == u'*') {
            lastStar = Star{p++, n};
        } else if (p < pattern.size() &&
                   (pattern.at(p) == u'?' || pattern.at(p).toCaseFolded() == name.at(n).toCaseFolded())) {
            ++p;
            ++n;
        } else if (lastStar) {
            p = lastStar->InPattern + 1;
            n = ++lastStar->NameTaken;
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
