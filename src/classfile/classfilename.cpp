#include "classfile/classfilename.h"

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/text.h"

#include <algorithm>

namespace {

bool IsRefusedNameCharacter(QChar c)
{
    return QStringView(u"<>&*/\\|:?'\"").contains(c) || IsControlCharacter(c);
}

// Windows opens the device of that name instead of a file, whatever the extension.
bool IsDeviceName(QStringView stem)
{
    static constexpr QStringView Devices[] = {u"CON", u"PRN", u"AUX", u"NUL"};
    for (const QStringView device : Devices) {
        if (stem.compare(device, Qt::CaseInsensitive) == 0)
            return true;
    }
    if (stem.size() != 4)
        return false;
    const QStringView port = stem.first(3);
    if (port.compare(u"COM", Qt::CaseInsensitive) != 0 && port.compare(u"LPT", Qt::CaseInsensitive) != 0)
        return false;
    const char16_t digit = stem.at(3).unicode();
    return (digit >= u'1' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' || digit == u'\u00B3';
}

} // namespace

QString ClassFileName(const QString& className)
{
    return TrimSpaces(className) + QStringLiteral(".cfg");
}

QString ClassFilePath(const QString& characterPath, const QString& className, PathStyle style)
{
    return ToNativePath(JoinPath(characterPath, ClassFileName(className), style), style);
}

QString ClassFileToLoad(const QString& characterPath, const QString& classNameText,
                        const QString& listedFileName, PathStyle style)
{
    if (listedFileName.isEmpty() ||
        listedFileName.compare(ClassFileName(classNameText), Qt::CaseInsensitive) != 0)
        return ClassFilePath(characterPath, classNameText, style);
    // The listed name as it stands: on Posix it may hold a "\", which is no separator there.
    return LocatePath(ToNativePath(characterPath, style)) + Separator(NativePathStyle()) + listedFileName;
}

QString ClassNameOfFile(const QString& fileName)
{
    return fileName.left(fileName.indexOf(u'.')); // the whole name when it holds no dot
}

QStringList ClassFileNamesInFolder(const QString& folder)
{
    return ListFiles(folder, QStringLiteral("*.cfg"));
}

std::optional<QString> ClassNameRefusal(const QString& className)
{
    if (std::any_of(className.cbegin(), className.cend(), IsRefusedNameCharacter)) {
        return QStringLiteral("As the Character name is used as the file name the following symbols are not "
                              "permitted in the characters name: < > * & | / \\ : ? \"");
    }
    const QString name = TrimSpaces(className);
    if (name.isEmpty()) {
        return QStringLiteral("As the Character name is used as the file name, it cannot be empty or made of "
                              "blanks only. Type a name for the class.");
    }
    if (name.contains(u'.')) {
        return QStringLiteral("As the Character name is used as the file name, it may not contain a dot: the "
                              "class list shows a class file only by the part of its name before the first "
                              "dot, so the class could not be found again.");
    }
    if (IsDeviceName(name)) {
        return QStringLiteral(
            "As the Character name is used as the file name, the names that Windows keeps for "
            "devices are not permitted: CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9.");
    }
    if (const QString outside = CharactersOutsideFileCodePage(name); !outside.isEmpty()) {
        return QStringLiteral("As the Character name is written into the class file, it may only hold "
                              "characters of the system's code page. These characters are not permitted: ") +
               outside;
    }
    return std::nullopt;
}
