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

Result<LoadedClass> LoadClassFile(const QString& path, const EquipmentCatalogue& catalogue)
{
    const Result<QByteArray> bytes = ReadClassFileBytes(path);
    if (!bytes)
        return Result<LoadedClass>::Failure(bytes.Reason());
    return ReadClassFile(*bytes, catalogue);
}

namespace {

QString NotLoadedAsWritten(const QString& fileName)
{
    return fileName + QStringLiteral(" was not loaded as written:");
}

} // namespace

QString LoadNoteSummary(const QString& fileName, const QList<LineNote>& notes)
{
    if (notes.isEmpty())
        return {};
    QString summary = NotLoadedAsWritten(fileName) + QStringLiteral(" line %1, ").arg(notes.first().Line) +
                      LineNoteText(notes.first());
    if (notes.size() > 1)
        summary += QStringLiteral(" (%1 more)").arg(notes.size() - 1);
    return summary;
}

QString LoadNoteDetails(const QString& fileName, const QList<LineNote>& notes)
{
    QString details = NotLoadedAsWritten(fileName);
    for (const LineNote& note : notes)
        details += QStringLiteral("\nline %1: ").arg(note.Line) + LineNoteText(note);
    return details;
}
