#pragma once

#include "catalogue/equipmentcatalogue.h"
#include "classfile/classfilereader.h"
#include "classfile/classrecord.h"

#include <QString>
#include <QStringList>

// The catalogue and the class descriptions of the class file tests. The data folder holds, per case, the
// class as the window holds it (<case>.class), its file (<case>.cfg) and what reading that file sets
// (<case>.loaded). Descriptions are UTF-8 lines "Key=value" with percent escapes in the value (%20 for an
// edge blank, %0D%0A for a line break); "#" starts a comment. The keys, in this order: ClassName, Callsign,
// Model, HeadSkin, BodySkin, LegsSkin, one per proficiency keyword ("pistol=2"), and Entry once per entry.

inline const QString StartingItem = QStringLiteral("Base (Clothing and Shoes/Boots/Knife)");

EquipmentCatalogue TestCatalogue();

QString DataPath(const QString& fileName);

// The cases whose data folder holds a file with that extension ("class", "loaded"), by base name.
QStringList DataCases(const QString& extension);

// The description's "Key=value" lines with the values unescaped.
QStringList DescriptionLines(const QString& fileName);

ClassRecord RecordFromDescription(const QStringList& lines);

// The description of what reading set, in key order.
QStringList DescriptionOf(const LoadedClass& loaded);

// The class that the window shows after clearing and loading: levels not set are 0, entries follow the
// starting item.
ClassRecord RecordFromLoaded(const LoadedClass& loaded);
