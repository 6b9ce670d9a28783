#include "classfile/classfilename.h"

#include "classfile/classfilewriter.h"
#include "platform/text.h"

#include <algorithm>
#include <array>

namespace {

bool IsRefusedNameCharacter(QChar c)
{
    return QStringView(u"<>&*/\\|:?'\"").contains(c) || IsControlCharacter(c);
}

// Windows opens the device of that name instead of a file, whatever the extension.
bool IsDeviceName(const QString& fileName)
{
    QStringView stem = QStringView(fileName);
    const qsizetype dot = stem.indexOf(u'.');
    if (dot >= 0)
        stem = stem.first(dot);
    while (stem.endsWith(u' '))
        stem.chop(1);

    static constexpr std::array<QStringView, 4> Devices = {u"CON", u"PRN", u"AUX", u"NUL"};
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

QString ClassFilePath(const QString& characterPath, const QString& className, PathStyle style)
{
    return ToNativePath(JoinPath(characterPath, TrimSpaces(className) + QStringLiteral(".cfg"), style),
                        style);
}

std::optional<QString> ClassNameRefusal(const QString& className)
{
    if (std::any_of(className.cbegin(), className.cend(), IsRefusedNameCharacter)) {
        return QStringLiteral("As the Character name is used as the file name the following symbols are not "
                              "permitted in the characters name: < > * & | / \\ : ? \"");
    }
    if (IsDeviceName(TrimSpaces(className))) {
        return QStringLiteral(
            "As the Character name is used as the file name, the names that Windows keeps for "
            "devices are not permitted: CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, "
            "alone or followed by a dot.");
    }
    return std::nullopt;
}
