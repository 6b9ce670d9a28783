#pragma once

#include "app/appsettings.h"
#include "catalogue/equipmentcatalogue.h"
#include "classfile/classfilereader.h"
#include "platform/paths.h"
#include "platform/result.h"

#include <QString>

// A class file is a few hundred bytes; anything larger than this is no class file and is not loaded.
inline constexpr qint64 LargestClassFile = 16 * 1024 * 1024;

// The bytes of the class file at path (a native path). A file that cannot be opened or is no regular file,
// and one larger than LargestClassFile, are refused, each with its message.
Result<QByteArray> ReadClassFileBytes(const QString& path);

// Reads the class file at path (see ClassFileToLoad). A file that ReadClassFileBytes refuses is refused with
// its message. The window clears the class before it applies the outcome, whether the file could be read
// or not.
Result<LoadedClass> LoadClassFile(const QString& path, const EquipmentCatalogue& catalogue);

// What the window tells after a load whose file it did not load as written (see LoadNotes), on one line:
// "Scout.cfg was not loaded as written: line 13, item "m203" is not in the weapons file: it is left out
// (1 more)"; empty when there is nothing to tell.
QString LoadNoteSummary(const QString& fileName, const QList<LineNote>& notes);

// Every note of the load, one a line: "Scout.cfg was not loaded as written:", then "line 13: item ...".
QString LoadNoteDetails(const QString& fileName, const QList<LineNote>& notes);
