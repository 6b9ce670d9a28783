#include "platform/text.h"

QString TrimSpaces(const QString& text)
{
    const QStringView trimmed = TrimmedBy(text, [](QChar c) { return c == u' '; });
    return trimmed.size() == text.size() ? text : trimmed.toString(); // the same text shares its characters
}

bool IsControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}
