#pragma once

#include "platform/paths.h"

#include <QString>
#include <optional>

// Class files are named after their class: the characters folder, the style's separator, the class name
// trimmed of blanks and ".cfg", as a native path. The name keeps its case.
QString ClassFilePath(const QString& characterPath, const QString& className, PathStyle style);

// Why the class name cannot name a class file, or nothing when it can. The name is examined as typed:
//  - any of < > & * / \ | : ? ' " or a control character gives the name-check message (which does not
//    list the apostrophe);
//  - a name that Windows keeps for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9 and the
//    COM and LPT names with the superscript digits 1 to 3), alone or before a dot, in any case and with
//    blanks before the dot, is refused on every system so that class files can be copied to Windows.
// An empty name is accepted: its class file is ".cfg".
std::optional<QString> ClassNameRefusal(const QString& className);
