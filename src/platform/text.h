#pragma once

#include <QString>

// Leading and trailing spaces (U+0020 only) removed; tabs and other blanks stay.
QString TrimSpaces(const QString& text);
