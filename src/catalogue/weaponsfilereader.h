#pragma once

#include "catalogue/equipment.h"

#include <QList>
#include <QString>
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
