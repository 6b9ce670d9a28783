#pragma once

#include "platform/paths.h"

#include <QString>
#include <QStringList>
#include <optional>

// The name of a class's file: the class name trimmed of blanks and ".cfg". The name keeps its case.
QString ClassFileName(const QString& className);

// Class files are named after their class: the characters folder, the style's separator, the class name
// trimmed of blanks and ".cfg", as a native path. The name keeps its case.
QString ClassFilePath(const QString& characterPath, const QString& className, PathStyle style);

// The class file, as a native path, that picking a class in the class list loads, and that saving the class
// loaded from it replaces. The entry made from the class file listedFileName of the characters folder
// (empty for a name typed) loads that very file when its name is the class's own file name but for letter
// case, so that on a case-sensitive disk "Alpha.cfg" and "Alpha.CFG" each open from their own entry and
// are saved again to themselves; otherwise the class's own file (ClassFilePath), found without regard to
// case where it is missing as written: Alpha.old.cfg, listed as "Alpha", loads Alpha.cfg.
QString ClassFileToLoad(const QString& characterPath, const QString& classNameText,
                        const QString& listedFileName, PathStyle style);

// The class name that a class file's name shows in the class list: the file name cut before its first "."
// (Alpha.old.cfg is the class Alpha).
QString ClassNameOfFile(const QString& fileName);

// The names of the class files in folder ("*.cfg", any case), in listing order.
QStringList ClassFileNamesInFolder(const QString& folder);

// Why the class name cannot name a class file that the class list shows and loads again, or nothing when
// it can. In this order:
//  - any of < > & * / \ | : ? ' " or a control character, in the name as typed, gives the name-check
//    message (which does not list the apostrophe);
//  - a name empty or blank once trimmed (its file ".cfg" would be hidden and never listed);
//  - a dot (the class list cuts file names at their first dot: "v1.2" would be listed as "v1");
//  - a name that Windows keeps for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9 and the
//    COM and LPT names with the superscript digits 1 to 3), in any case, refused on every system so that
//    class files can be copied to Windows;
//  - characters that the file code page cannot hold (they would be written as "?").
std::optional<QString> ClassNameRefusal(const QString& className);
