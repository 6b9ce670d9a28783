#include "commands/loadclass.h"

#include "classfile/classfilename.h"
#include "platform/files.h"

Result<QByteArray> ReadClassFileBytes(const QString& path)
{
    FileContent file = ReadWholeFile(path, LargestClassFile);
    switch (file.Result) {
    case FileContent::Outcome::Read:
        break;
    case FileContent::Outcome::Unreadable:
        return Result<QByteArray>::Failure(UnableToOpenFileMessage(path));
    case FileContent::Outcome::TooLarge:
        return Result<QByteArray>::Failure(
            QStringLiteral("The file ") + path +
            QStringLiteral(" is larger than 16 MiB, too large for a class file, which holds a few hundred "
                           "bytes. It was not loaded."));
    }
    return std::move(file.Bytes);
}

Result<LoadedClass> LoadClassFile(const QString& classNameText, const AppSettings& settings,
                                  const EquipmentCatalogue& catalogue, PathStyle style,
                                  const QString& listedFileName)
{
    const Result<QByteArray> bytes =
        ReadClassFileBytes(ClassFileToLoad(settings.CharacterPath, classNameText, listedFileName, style));
    if (!bytes)
        return Result<LoadedClass>::Failure(bytes.Reason());
    return ReadClassFile(*bytes, catalogue);
}
