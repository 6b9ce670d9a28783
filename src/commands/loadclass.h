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

// Reads the class file that picking the class named by the class name text loads (ClassFileToLoad; the
// class list entry was made from listedFileName, empty for a name typed). A file that ReadClassFileBytes
// refuses is refused with its message. The window clears the class before it applies the outcome, whether
// the file could be read or not.
Result<LoadedClass> LoadClassFile(const QString& classNameText, const AppSettings& settings,
                                  const EquipmentCatalogue& catalogue, PathStyle style,
                                  const QString& listedFileName = {});
