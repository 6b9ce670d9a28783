#pragma once

#include "checker/findings.h"

#include <QByteArrayView>
#include <QList>

// How a class file's bytes differ from the bytes that the editor writes for the class it loads (written),
// so that an admin can tell whether it matters:
//  - its line ends (LF, CR, mixed, none after the last line), its encoding (UTF-8 or UTF-16 after a
//    byte-order mark) and the empty lines at its end, which the editor reads exactly as intended: one note
//    (encoding);
//  - the first line whose text differs: blanks at its end, or a line the editor writes otherwise, or the
//    file ending before the editor's or going on after it: a warning with the line the editor writes
//    there and the file's (differs-from-editor).
// Nothing when the bytes are the same.
QList<Finding> DifferenceFindings(QByteArrayView file, QByteArrayView written);

// A file without a byte-order mark whose bytes beyond ASCII are all UTF-8 (as Linux editors write it):
// the editor reads it as its code page, so a warning on the first line that reads otherwise than UTF-8
// would (utf8-without-bom). Nothing for any other file, and for one that the editor writes alike.
std::optional<Finding> Utf8WithoutMarkFinding(QByteArrayView file);
