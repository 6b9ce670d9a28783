#pragma once

#include "app/appsettings.h"
#include "catalogue/equipmentcatalogue.h"
#include "classfile/classrecord.h"
#include "platform/codepage.h"
#include "rules/proficiencies.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Helpers shared by the test suites.

using namespace Qt::StringLiterals;

// Tables of examples lie in the test's data folder, one row per line: fields separated by "|", blanks around
// a field dropped, the first field naming the row. Lines starting with "#" are comments, but for the header
// line "# name | ...", which names the columns. In a field, \r \n \t \0 \s (a blank), \xHH and \uHHHH
// (hexadecimal in capitals) stand for the characters they name; any other backslash is itself.
// A test's _data function calls AddTableRows("file.txt"); the test takes its row with
// QFETCH(TableRow, row) and its fields by their columns' names: row[u"class name"].
class TableRow {
public:
    TableRow() = default;
    TableRow(QStringList columns, QStringList fields);
    // The field of the named column; empty where the row ends before it. A name that the header lacks ends
    // the test run.
    QString operator[](QStringView column) const;
    QString Name() const { return Fields.value(0); }
    // True when the row reaches the named column, if only with an empty field.
    bool Has(QStringView column) const { return Columns.indexOf(column) < Fields.size(); }

private:
    QStringList Columns;
    QStringList Fields;
};
Q_DECLARE_METATYPE(TableRow)

void AddTableRowsFrom(const QString& path);
#define AddTableRows(fileName) AddTableRowsFrom(QStringLiteral(ROSTERMAKER_TEST_DATA "/" fileName))
// Any other file of the test's data folder, whole.
#define TestDataFile(fileName) ReadTestFile(QStringLiteral(ROSTERMAKER_TEST_DATA "/") + (fileName))

// Skips the test, when needed, unless the file code page (the system's on Windows) is Windows-1252.
#define SKIP_UNLESS_1252(needed)                                                                             \
    if (!(needed) || DecodeFileText("\x80\xE9") == u"\u20AC\u00E9") {                                        \
    } else                                                                                                   \
        QSKIP("the file code page is not Windows-1252")

// Lines joined with CR LF after each one, in the file code page: a file as the editor writes it.
QByteArray CrLfBytes(const QStringList& lines);

QByteArray ReadTestFile(const QString& path);

// Bytes of every value in a fixed order, for files that are no text at all.
QByteArray Junk(qsizetype size);

inline const QString Base = QStringLiteral("Base (Clothing and Shoes/Boots/Knife)"); // the starting item

// Tables write a class's entries after the starting item, joined by ";" ("!" first: the entries without
// the starting item, the first standing in its place), and its levels as digits in proficiency order from
// the left (missing ones 0).
QStringList EntriesOf(const QString& entries);
SkillLevels LevelsOf(QStringView digits);

// A class as the window holds it, its levels and entries written as in the tables.
ClassRecord ClassOf(const QString& name, const QString& callsign, const QString& model, const QString& head,
                    const QString& body, const QString& legs, QStringView levels = {},
                    const QString& entries = {});

// The weapons file's header row naming the twelve columns in their usual order, and a catalogue read from
// data rows under it.
extern const QString WeaponsHeader;
EquipmentCatalogue CatalogueOf(const QStringList& rows);

// The data rows of support/standard-weapons.csv: an item of each kind the rules know, from a rifle with
// magazines to a forbidden item and one that costs less than nothing.
QStringList StandardItems();

// A game folder in a temporary place, laid out as the players' guide describes one: tool/ is the editor's
// folder with the settings file and the characters folder, the weapons file lies beside tool/ and the
// models in main/models/people (the setting ModelsSetting). Its paths are native ones.
class GameFolder {
public:
    GameFolder() { QDir(Dir.path()).mkpath(u"tool/characters"_s); }

    QString Path(const QString& relative = {}) const;
    // The editor as tool/rostermaker.
    ProgramLocation Location() const { return {Path(u"tool"_s), u"rostermaker"_s, NativePathStyle()}; }

    void WriteSettings(const QStringList& lines) { AddFile(u"tool/rostermaker.ini"_s, CrLfBytes(lines)); }
    void WriteWeapons(const QStringList& rows)
    {
        AddFile(u"weapons.csv"_s, CrLfBytes(QStringList{WeaponsHeader} + rows));
    }
    void WriteClass(const QString& fileName, const QStringList& lines)
    {
        AddFile(u"tool/characters/"_s + fileName, CrLfBytes(lines));
    }
    // A model with its skinfolder.txt lines (none: no file) and empty image files.
    void AddModel(const QString& name, const QStringList& skinFolderLines, const QStringList& images = {});
    void AddFile(const QString& relative, const QByteArray& bytes = "x");

private:
    QTemporaryDir Dir;
};

inline const QString ModelsSetting = QStringLiteral("Model Path=..\\main\\models\\people");

// The standard game: its settings name the models, the weapons file holds the standard items (and the extra
// rows), and the models are trooper (head 001 002, body 002, legs 003) and urban (head u01, legs u02; its
// body skins those of the model before).
void MakeStandardGame(GameFolder& game, const QStringList& extraItems = {});
