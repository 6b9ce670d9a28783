#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <iterator>

// text without the characters around it for which isBlank holds; inline, as the weapons file's reader
// trims every field.
template <typename IsBlank> QStringView TrimmedBy(QStringView text, IsBlank isBlank)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), isBlank).base();
    return QStringView(first, last);
}

// Leading and trailing spaces (U+0020 only) removed; tabs and other blanks stay.
QString TrimSpaces(const QString& text);

// True for the characters that may not stand inside a line of a text file the editor writes: those below
// U+0020, and U+007F.
bool IsControlCharacter(QChar c);
