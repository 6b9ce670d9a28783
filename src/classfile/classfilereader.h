#pragma once

#include "catalogue/equipmentcatalogue.h"
#include "rules/proficiencies.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

struct SkinSet {
    QString Model;
    QString HeadSkin;
    QString BodySkin;
    QString LegsSkin;
};

// What a class file sets in the window. Values that no line of the file sets stay empty: the window
// then keeps the class name as picked, and shows no callsign, model or skins.
struct LoadedClass {
    std::optional<QString> ClassName;
    std::optional<QString> Callsign;
    std::optional<SkinSet> Skins;
    std::array<std::optional<int>, ProficiencyCount> Levels; // indexed by the Proficiency value
    QStringList Entries; // display names to append to the selected equipment, in file order
};

// Reads a class file line by line: in the file code page, or in UTF-8 or UTF-16 after a byte-order mark;
// lines end at CR LF, a lone CR or a lone LF. Every double quote is first removed from the line; the line
// is then tested against each rule below, comparing its first characters with the rule's prefix,
// case-sensitively. Every rule that matches applies, and a later line overrides an earlier one; lines that
// match no rule are passed over.
//  - "set class", "set callsign": the rest of the line, trimmed of blanks.
//  - "set skin": model, head, body and legs skins, from "model/head body legs", each trimmed. What a line
//    edited by hand lacks stays empty: without a slash the whole text is the model, without blanks after
//    the slash the later skins are empty.
//  - the proficiency line prefixes: the one character after the prefix; the digits 0 to 4 give that
//    level, 5 to 9 the highest level 4, anything else or nothing level 0.
//  - "set equipment": the internal name after the blank that ends the counter, trimmed of blanks; every
//    catalogue item that the name names (see EquipmentCatalogue::ForEachNamedInClassFile) adds its name
//    as the grid lists it, in catalogue order. An empty name, or one that no item has, adds nothing.
//    The lines that one entry wrote, every item of a name that several items share in catalogue order,
//    read back as that one entry.
LoadedClass ReadClassFile(QByteArrayView bytes, const EquipmentCatalogue& catalogue);
