#include "classfile/classload.h"

#include "classfile/classfilename.h"
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
    const FileContent file = ReadWholeFile(path, LargestClassFile);
    switch (file.Result) {
    case FileContent::Outcome::Read:
        break;
    case FileContent::Outcome::Unreadable:
        return {std::nullopt, UnreadableFileMessage(path)};
    case FileContent::Outcome::TooLarge:
        return {std::nullopt, QStringLiteral("The file ") + path +
                                  QStringLiteral(" is larger than 16 MiB, too large for a class file, which "
                                                 "holds a few hundred bytes. It was not loaded.")};
    }
    return {ReadClassFile(file.Bytes, catalogue), std::nullopt};
}
