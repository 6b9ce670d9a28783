#include "models/modellibrary.h"

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/listing.h"

namespace {

// A skinfolder.txt is a few lines; anything far larger is not read into memory.
constexpr qint64 LargestSkinFolderFile = 16 * 1024 * 1024;

} // namespace

QString ModelsFolderMissingMessage()
{
    return QStringLiteral(
        "A grimvale models directory was not detected. Models and skin selection is disabled.");
}

ModelLibrary::ModelLibrary(const QString& modelPath, const ProgramLocation& location)
    : Style(location.Style)
    , Folder(ResolveSettingPath(modelPath, location))
{
}

std::optional<QStringList> ModelLibrary::ModelNames() const
{
    const std::optional<QStringList> subfolders = ListSubfolders(Folder);
    if (!subfolders)
        return std::nullopt;
    QStringList names;
    for (const QString& path : *subfolders)
        names.append(LastPathComponent(path, Style));
    return names;
}

SkinLists ModelLibrary::DiscoverSkins(const QString& modelName)
{
    const QString skinFile =
        JoinPath(JoinPath(Folder, modelName, Style), QStringLiteral("skinfolder.txt"), Style);
    const FileContent content = ReadWholeFile(skinFile, LargestSkinFolderFile);
    if (content.Result != FileContent::Outcome::Read)
        return {};
    Skins =
        ReadSkinFolderFile(DecodeFileText(content.Bytes), ModelsParentFolderOf(Folder, Style), Skins, Style);

    SkinLists lists;
    lists.Head = SkinIdsFromFileNames(ListFiles(Skins.Head, QStringLiteral("head_???.tga")));
    lists.Body = SkinIdsFromFileNames(ListFiles(Skins.Body, QStringLiteral("body_???.tga")));
    lists.Legs = SkinIdsFromFileNames(ListFiles(Skins.Legs, QStringLiteral("legs_???.tga")));
    return lists;
}
