#pragma once

#include <QString>

// Leading and trailing spaces (U+0020 only) removed; tabs and other blanks stay.
QString TrimSpaces(const QString& text);

// True for the characters that may not stand inside a line of a text file the editor writes: those below
// U+0020, and U+007F.
bool IsControlCharacter(QChar c);
