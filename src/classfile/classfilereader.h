#pragma once

#include "catalogue/equipmentcatalogue.h"
#include "classfile/classrecord.h"
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

// A line that the reader passes over, or reads otherwise than it stands: the editor's next save of the
// class drops it or writes it otherwise. The window tells the player of them after a load; the checker
// reports them.
struct LineNote {
    enum class Kind {
        UnknownItem,        // an equipment line whose internal name no catalogue item has (Text: the name)
        IncompleteSkinLine, // a skin line without its slash or without two blanks after it
        UnknownProficiency, // a "set proficiency" line whose number and keyword name no proficiency
        OtherLevel,         // a proficiency line whose level is not one digit from 0 to 4
        UnknownLine,        // any other line that no rule reads, but a comment ("//") or an empty line
        OtherClassName,     // a class line naming another class than the file (Text: the class name)
    };
    Kind What;
    qsizetype Line; // from 1
    QString Text;   // the line without its quotes, unless said otherwise above
};

// What the note tells of its line, for the window and the checker alike: "item "m203" is not in the
// weapons file: it is left out".
QString LineNoteText(const LineNote& note);

// What a class file sets in the window. Values that no line of the file sets stay empty: the window
// then keeps the class name as picked, and shows no callsign, model or skins.
struct LoadedClass {
    std::optional<QString> ClassName;
    std::optional<QString> Callsign;
    std::optional<SkinSet> Skins;
    std::array<std::optional<int>, ProficiencyCount> Levels; // indexed by the Proficiency value
    QStringList Entries;   // display names to append to the selected equipment, in file order
    QList<LineNote> Notes; // in file order

    // The lines (from 1) that set the values, for reports: the last class line and skin line (0: none),
    // and the first equipment line of each entry.
    qsizetype ClassNameLine = 0;
    qsizetype SkinLine = 0;
    QList<qsizetype> EntryLines;
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
//  - "set equipment": the internal name after the blank that ends the counter; every catalogue item that
//    the name names (see EquipmentCatalogue::ForEachNamedInClassFile: first by the name trimmed of
//    blanks, then as it stands with its quotes) adds its name as the grid lists it, in catalogue order.
//    An empty name, or one that no item has, adds nothing.
//    The lines that one entry wrote, every item of a name that several items share in catalogue order,
//    read back as that one entry.
// Lines that no rule reads, or that a rule reads otherwise than they stand, are noted (see LineNote).
LoadedClass ReadClassFile(QByteArrayView bytes, const EquipmentCatalogue& catalogue);

// The notes of a load of the class file listed as listedName: the reader's notes and, when the class line
// names another class, a note of that (the next save writes the file of that name), in line order.
QList<LineNote> LoadNotes(const LoadedClass& loaded, const QString& listedName);

// The class that a loaded file leaves in a window cleared before: the class name from the file, else the
// name as picked (untrimmed, as the class list shows it); callsign, model and skins that no line sets
// empty, and levels 0; the starting item, then the file's entries.
ClassRecord LoadedClassRecord(const LoadedClass& loaded, const QString& pickedName,
                              const QString& startingEquipmentName);
