#include "catalogue/weaponsfile.h"

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/textlines.h"

QString MissingWeaponsFileMessage(const QString& path)
{
    return UnableToOpenFileMessage(path) +
           QStringLiteral("\r\n\r\nThe Application will not run without this file.");
}

QString BadWeaponsFieldMessage(const QString& path, const WeaponsFieldError& error)
{
    const QString expected = error.WholeNumber ? QStringLiteral("a whole number from -32768 to 32767")
                                               : QStringLiteral("a decimal number from -1000000 to 1000000");
    return QStringLiteral("Error : Invalid value in file %1, line %2, column %3 (%4): \"%5\" is not %6.\r\n"
                          "\r\n"
                          "The Application will not run without this file.")
        .arg(path, QString::number(error.LineNumber), QString::number(error.Column), error.FieldName,
             error.Text, expected);
}

QString NoHeaderRowMessage(const QString& path, const QString& identifier, const QString& settingsFile)
{
    return QStringLiteral(
               "Error : No line of the file %1 holds the text \"%2\" that marks the header row of "
               "the weapons file, the row that names its columns. Check the setting \"Weapons File "
               "Identifier\" in %3, and that \"Weapons File Name\" names the weapons file.\r\n"
               "\r\n"
               "The Application will not run without this file.")
        .arg(path, identifier, settingsFile);
}

namespace {

QString TooLargeWeaponsFileMessage(const QString& path)
{
    return QStringLiteral("Error : The file ") + path +
           QStringLiteral(" is larger than 256 MiB, too large for a weapons file.\r\n"
                          "\r\n"
                          "The Application will not run without this file.");
}

QString NotUtf8WeaponsFileMessage(const QString& path, qsizetype lineNumber)
{
    return QStringLiteral(
               "Error : The file %1 starts with the mark of UTF-8 text, but its line %2 holds bytes "
               "that are not UTF-8. Save it again as UTF-8.\r\n"
               "\r\n"
               "The Application will not run without this file.")
        .arg(path, QString::number(lineNumber));
}

// A UTF-8 weapons file's item names are written into class files as the file's own bytes, which the
// decoded text gives back only where they are UTF-8: the first line (from 1) that is not, or 0.
qsizetype FirstLineNotUtf8(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return 0;
    qsizetype lineNumber = 0;
    qsizetype firstNotUtf8 = 0;
    ForEachLine(bytes, [&](QByteArrayView line) {
        ++lineNumber;
        if (firstNotUtf8 == 0 && !line.isValidUtf8())
            firstNotUtf8 = lineNumber;
    });
    return firstNotUtf8;
}

// A weapons file is at most a few megabytes; anything far larger is not read into memory.
constexpr qint64 LargestWeaponsFile = 256 * 1024 * 1024;

} // namespace

Result<EquipmentCatalogue> LoadWeaponsFile(const AppSettings& settings, const ProgramLocation& location)
{
    using Failure = Result<EquipmentCatalogue>;
    const QString path = ResolveSettingPath(settings.WeaponsFileName, location);
    const FileContent file = ReadWholeFile(path, LargestWeaponsFile);
    if (file.Result == FileContent::Outcome::Unreadable)
        return Failure::Failure(MissingWeaponsFileMessage(path));
    if (file.Result == FileContent::Outcome::TooLarge)
        return Failure::Failure(TooLargeWeaponsFileMessage(path));
    const bool utf8 = EncodingOf(file.Bytes) == FileEncoding::Utf8;
    if (utf8) {
        if (const qsizetype line = FirstLineNotUtf8(QByteArrayView(file.Bytes).sliced(3)))
            return Failure::Failure(NotUtf8WeaponsFileMessage(path, line));
    }
    WeaponsFileContent content = ReadWeaponsFile(DecodeFileText(file.Bytes), settings.WeaponsFileIdentifier);
    if (content.Error)
        return Failure::Failure(BadWeaponsFieldMessage(path, *content.Error));
    if (!content.HasHeaderRow) {
        return Failure::Failure(NoHeaderRowMessage(path, settings.WeaponsFileIdentifier,
                                                   ToNativePath(settings.SettingsFilePath, location.Style)));
    }
    return EquipmentCatalogue(std::move(content.Items), utf8);
}
