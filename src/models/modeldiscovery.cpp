#include "models/modeldiscovery.h"

#include "platform/textlines.h"

#include <utility>

namespace {

// What the first five characters of a skinfolder.txt line hold: the part word and one separator.
constexpr qsizetype SkinFolderLinePrefix = 5;

QString FolderOfLine(QStringView line, const QString& modelsParentFolder)
{
    return QString(modelsParentFolder).append(line.mid(SkinFolderLinePrefix)); // empty for a shorter line
}

QString NativeFolder(QString folder, PathStyle style)
{
    return ToNativePath(folder.replace(u'/', u'\\'), style);
}

} // namespace

QString ModelsParentFolderOf(const QString& modelsFolder, PathStyle style)
{
    return ResolveRelativePath(QStringLiteral("..\\"), modelsFolder, style);
}

SkinFolders ReadSkinFolderFile(QStringView text, const QString& modelsParentFolder, SkinFolders previous,
                               PathStyle style)
{
    SkinFolders folders = std::move(previous);
    ForEachLine(text, [&](QStringView line) {
        if (line.contains(u"head"))
            folders.Head = FolderOfLine(line, modelsParentFolder);
        if (line.contains(u"body"))
            folders.Body = FolderOfLine(line, modelsParentFolder);
        if (line.contains(u"legs"))
            folders.Legs = FolderOfLine(line, modelsParentFolder);
    });
    folders.Head = NativeFolder(folders.Head, style);
    folders.Body = NativeFolder(folders.Body, style);
    folders.Legs = NativeFolder(folders.Legs, style);
    return folders;
}

QStringList SkinIdsFromFileNames(const QStringList& fileNames)
{
    QStringList ids;
    for (const QString& name : fileNames) {
        const QStringView ninthAndTenth = QStringView(name).mid(8, 2);
        if (ninthAndTenth == u"p1" || ninthAndTenth == u"p2")
            continue;
        const qsizetype dot = name.indexOf(u'.');
        const QStringView stem = dot < 0 ? QStringView(name) : QStringView(name).left(dot);
        ids.append(stem.mid(5, 3).toString());
    }
    return ids;
}
