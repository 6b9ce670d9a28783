#pragma once

#include "app/appsettings.h"
#include "catalogue/equipmentcatalogue.h"

#include <QString>
#include <QStringView>
#include <optional>

// A field of a data row that its numeric field cannot hold.
struct WeaponsFieldError {
    qsizetype LineNumber = 0; // from 1
    int Column = 0;           // from 1, in the order of the ending commas
    QString FieldName;        // the Equipment field of that column
    QString Text;             // the field as written
    bool WholeNumber = false; // a 16-bit whole number field, else a decimal one
};

struct WeaponsFileContent {
    QList<Equipment> Items;
    std::optional<WeaponsFieldError> Error; // when set, Items is incomplete and must not be used
    bool HasHeaderRow = false;              // without one, every line was read as an empty record
};

// Reads the text of a weapons file. A line that holds identifier (case-sensitive) is a header row that
// names the columns, counted from its first field; every other line, the empty one included, is a data
// row that adds one record. Fields are ended by commas; the text after the last comma of a line is
// ignored. Whole-number fields take -32768 to 32767, weights -1000000 to 1000000 kg.
WeaponsFileContent ReadWeaponsFile(const QString& text, const QString& identifier);

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
