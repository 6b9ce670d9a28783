#pragma once

#include "app/appsettings.h"
#include "catalogue/equipmentcatalogue.h"
#include "catalogue/weaponsfilereader.h"

#include <QString>

// Reads the weapons file that the settings name (see ResolveSettingPath) into the catalogue: in the file code
// page, or in UTF-8 or UTF-16 after a byte-order mark. Fails, each with its message, when the file cannot be
// opened (or is no regular file), is larger than 256 MiB, is marked as UTF-8 but is not, holds a number that
// its field cannot hold (naming the line, column and text), or has no header row (a wrong identifier would
// otherwise give an empty catalogue without a word, and every class would lose its items).
// Without the catalogue the program must not run.
Result<EquipmentCatalogue> LoadWeaponsFile(const AppSettings& settings, const ProgramLocation& location);

QString MissingWeaponsFileMessage(const QString& path);
QString BadWeaponsFieldMessage(const QString& path, const WeaponsFieldError& error);
QString NoHeaderRowMessage(const QString& path, const QString& identifier, const QString& settingsFile);
