// skinfolder.txt: ReadSkinFolderFile on the decoded text in both path styles, and the skin ids that the
// lines of the text would give if they were the names of image files.

#include "fuzzsupport.h"
#include "models/modeldiscovery.h"
#include "platform/codepage.h"
#include "platform/textlines.h"

namespace {

void CheckFolder(const QString& folder, const QString& parent, const QString& previous, PathStyle style)
{
    FUZZ_REQUIRE(folder == previous || folder.startsWith(parent));
    FUZZ_REQUIRE(!folder.contains(style == PathStyle::Posix ? u'\\' : u'/'));
}

void CheckStyle(QStringView text, const QString& parent, const SkinFolders& previous, PathStyle style)
{
    const SkinFolders folders = ReadSkinFolderFile(text, parent, previous, style);
    CheckFolder(folders.Head, parent, previous.Head, style);
    CheckFolder(folders.Body, parent, previous.Body, style);
    CheckFolder(folders.Legs, parent, previous.Legs, style);

    // Reading the same file again over its own result changes nothing.
    FUZZ_REQUIRE(ReadSkinFolderFile(text, parent, folders, style) == folders);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = DecodeWindows1252(FuzzBytes(data, size));

    CheckStyle(text, QStringLiteral("/opt/game/models/"),
               {QStringLiteral("/opt/game/models/people/a"), QStringLiteral("/opt/game/models/skins/b"),
                QStringLiteral("/opt/game/models/people/c")},
               PathStyle::Posix);
    CheckStyle(text, QStringLiteral("C:\\Game\\models\\"),
               {QStringLiteral("C:\\Game\\models\\people\\a"), QStringLiteral("C:\\Game\\models\\skins\\b"),
                QStringLiteral("C:\\Game\\models\\people\\c")},
               PathStyle::Windows);

    QStringList names;
    ForEachLine(text, [&names](QStringView line) { names.append(line.toString()); });
    const QStringList ids = SkinIdsFromFileNames(names);
    FUZZ_REQUIRE(ids.size() <= names.size());
    for (const QString& id : ids)
        FUZZ_REQUIRE(id.size() <= 3);
    return 0;
}
