#pragma once

#include "catalogue/equipmentcatalogue.h"
#include "classfile/classrecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The exact bytes of the class file of record, in the file's single-byte code page:
//   the header comment naming the class, the class line, the callsign line (when the callsign is not
//   empty), the skin line (when the model is not empty), a line per proficiency above level 0, an empty
//   line, "//Weapons and Equipment", a line per equipment item written and a final empty line; every line
//   ends with CR LF, so the file ends with CR LF CR LF.
// The texts are written trimmed of blanks. Double quotes and control characters are left out of the values,
// as they could close the quotes or start a line of their own in a file that the servers execute.
// Each entry other than an empty one or the starting item writes one line per catalogue item that displays
// it, in catalogue order, counted "set equipment1", "set equipment2" ... across all entries; the item's
// internal name is written with the bytes the catalogue gives (see EquipmentCatalogue::InternalNameBytes).
// Nothing is checked here: see UnwritableTextRefusal.
QByteArray ClassFileBytes(const ClassRecord& record, const EquipmentCatalogue& catalogue,
                          const QString& startingEquipmentName);

// Why the class file cannot hold the class so that it loads back as it is, or nothing. In this order:
//  - a callsign, a model or a skin that the file holds (skins only with a model) with characters that the
//    file code page cannot hold, which would be written as "?";
//  - likewise the internal name of an item written, unless its weapons file was UTF-8;
//  - an item whose line would not read back as that item (EquipmentCatalogue::LoadsBack): an internal name
//    that is empty once its quotes and the blanks around it are gone, or that then reads as another's;
//  - a model holding a slash, or a skin holding a blank or a slash, which the skin line would split
//    elsewhere when read.
// Each message names the field and what is not permitted.
std::optional<QString> UnwritableTextRefusal(const ClassRecord& record, const EquipmentCatalogue& catalogue,
                                             const QString& startingEquipmentName);
