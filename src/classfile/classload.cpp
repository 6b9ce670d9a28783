#include "classfile/classload.h"

#include "classfile/classfilename.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {

// A class file is a few hundred bytes; anything far larger is no class file and is not read into memory.
constexpr qint64 LargestClassFile = 16 * 1024 * 1024;

QString UnreadableFileMessage(const QString& path)
{
    return QStringLiteral("Error : Unable to open file ") + path +
           QStringLiteral(" for read access. Check the following:\r\n"
                          " - Check to ensure that the file exists. \r\n"
                          " - If using NTFS check file permissions. \r\n"
                          " - Check to ensure no other applications are holding the file open.");
}

} // namespace

LoadOutcome LoadClassFile(const QString& classNameText, const AppSettings& settings,
                          const EquipmentCatalogue& catalogue, PathStyle style)
{
    const QString path = ClassFilePath(settings.CharacterPath, classNameText, style);
    // A file that vanishes or fails between the test and the reading is reported the same way.
    const std::optional<QByteArray> bytes =
        FileExists(path) ? ReadWholeFile(path, LargestClassFile) : std::nullopt;
    if (!bytes)
        return {std::nullopt, UnreadableFileMessage(path)};
    return {ReadClassFile(DecodeFileText(*bytes), catalogue), std::nullopt};
}
