#include "catalogue/weaponsfile.h"

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/textlines.h"

#include <QStringMatcher>
#include <array>
#include <cfloat>
#include <cmath>

namespace {

// The twelve fields in the order in which a header's names and a row's columns are matched.
enum Field {
    InternalName,
    DisplayName,
    EquipmentType,
    CostPoints,
    Weight,
    AmmoWeightPerUnit,
    AmmoUnitsIncludedWithPointCost,
    NameOfAmmoUnit,
    ShotsPerAmmoUnit,
    NameOfShot,
    ItemRestriction,
    SpecialModes,
    FieldCount
};

const std::array<QString, FieldCount> FieldNames = {
    QStringLiteral("InternalName"),
    QStringLiteral("DisplayName"),
    QStringLiteral("EquipmentType"),
    QStringLiteral("CostPoints"),
    QStringLiteral("Weight"),
    QStringLiteral("AmmoWeightPerUnit"),
    QStringLiteral("AmmoUnitsIncludedWithPointCost"),
    QStringLiteral("NameOfAmmoUnit"),
    QStringLiteral("ShotsPerAmmoUnit"),
    QStringLiteral("NameOfShot"),
    QStringLiteral("ItemRestriction"),
    QStringLiteral("SpecialModes"),
};

bool IsWholeNumberField(int field)
{
    return field == CostPoints || field == AmmoUnitsIncludedWithPointCost || field == ShotsPerAmmoUnit ||
           field == ItemRestriction;
}

QString* TextField(Equipment& e, int field)
{
    switch (field) {
    case InternalName:
        return &e.InternalName;
    case DisplayName:
        return &e.DisplayName;
    case EquipmentType:
        return &e.EquipmentType;
    case NameOfAmmoUnit:
        return &e.NameOfAmmoUnit;
    case NameOfShot:
        return &e.NameOfShot;
    case SpecialModes:
        return &e.SpecialModes;
    default:
        return nullptr;
    }
}

qint16* WholeNumberField(Equipment& e, int field)
{
    switch (field) {
    case CostPoints:
        return &e.CostPoints;
    case AmmoUnitsIncludedWithPointCost:
        return &e.AmmoUnitsIncludedWithPointCost;
    case ShotsPerAmmoUnit:
        return &e.ShotsPerAmmoUnit;
    case ItemRestriction:
        return &e.ItemRestriction;
    default:
        return nullptr;
    }
}

float* DecimalField(Equipment& e, int field)
{
    return field == Weight ? &e.Weight : field == AmmoWeightPerUnit ? &e.AmmoWeightPerUnit : nullptr;
}

// Stores a field's text into its field; false when a numeric field cannot hold it.
bool StoreField(Equipment& e, int field, QStringView text)
{
    if (QString* target = TextField(e, field)) {
        *target = text.toString();
        return true;
    }
    if (text.isEmpty())
        return true; // the field keeps its 0
    const std::optional<double> value = ParseDecimal(text);
    if (!value)
        return false;
    if (qint16* target = WholeNumberField(e, field)) {
        const std::optional<qint16> whole = ToInt16(*value);
        if (!whole)
            return false;
        *target = *whole;
        return true;
    }
    if (std::fabs(*value) > FLT_MAX)
        return false;
    *DecimalField(e, field) = static_cast<float>(*value);
    return true;
}

// The reading state that the file's lines share. The column counter and the pending field text go on from
// one line into a following header row; only a data row starts them afresh.
class WeaponsFileReader {
public:
    explicit WeaponsFileReader(const QString& identifier)
        : Identifier(identifier)
        , IdentifierMatcher(identifier)
    {
        Columns.fill(0);
    }

    bool IsHeaderRow(QStringView line) const
    {
        // An empty identifier is found in every text but the empty one.
        return Identifier.isEmpty() ? !line.isEmpty() : IdentifierMatcher.indexIn(line) >= 0;
    }

    void ReadHeaderRow(QStringView line)
    {
        // The pending text grows in place: copying it for each header row would make a run of header rows
        // without commas take time that grows with the square of their number.
        QString& fieldText = PendingText;
        for (QChar c : line) {
            if (c != u',') {
                fieldText.append(c);
                continue;
            }
            ++ColumnCounter;
            const QString upper = fieldText.toUpper();
            for (int field = 0; field < FieldCount; ++field) {
                if (upper == FieldNames[field].toUpper()) {
                    Columns[field] = ColumnCounter;
                    break;
                }
            }
            fieldText.clear();
        }
    }

    // Adds one record; false (with Error set) when a numeric field cannot hold its text.
    bool ReadDataRow(QStringView line, qsizetype lineNumber, QList<Equipment>& items)
    {
        Equipment record;
        ColumnCounter = 0;
        qsizetype start = 0;
        for (qsizetype comma = 0; comma < line.size(); ++comma) {
            if (line[comma] != u',')
                continue;
            ++ColumnCounter;
            const QStringView field = line.sliced(start, comma - start);
            const int target = FieldOfColumn(ColumnCounter);
            if (target >= 0 && !StoreField(record, target, field)) {
                Error = WeaponsFieldError{lineNumber, ColumnCounter, FieldNames[target], field.toString(),
                                          IsWholeNumberField(target)};
                return false;
            }
            start = comma + 1;
        }
        PendingText = line.sliced(start).toString();
        items.append(std::move(record));
        return true;
    }

    std::optional<WeaponsFieldError> Error;

private:
    // The first field (in table order) whose column is column (from 1), or -1. Looked up in the twelve
    // columns rather than in a table by column number: such a table, rebuilt for each header row, would
    // make header rows that follow a far column take time that grows with the square of their number.
    int FieldOfColumn(int column) const
    {
        for (int field = 0; field < FieldCount; ++field) {
            if (Columns[field] == column)
                return field;
        }
        return -1;
    }

    QString Identifier;
    QStringMatcher IdentifierMatcher; // the case-sensitive search for Identifier, prepared once for all lines
    std::array<int, FieldCount> Columns{};
    int ColumnCounter = 0;
    QString PendingText; // the text after the last comma of the line before
};

} // namespace

WeaponsFileContent ReadWeaponsFile(QStringView text, const QString& identifier)
{
    WeaponsFileContent content;
    WeaponsFileReader reader(identifier);
    qsizetype lineNumber = 0;
    bool failed = false;
    ForEachLine(text, [&](QStringView line) {
        ++lineNumber;
        if (failed)
            return;
        if (reader.IsHeaderRow(line))
            reader.ReadHeaderRow(line);
        else
            failed = !reader.ReadDataRow(line, lineNumber, content.Items);
    });
    content.Error = reader.Error;
    return content;
}

QString WeaponsFilePath(const QString& weaponsFileName, const ProgramLocation& location)
{
    const QString path = IsFullPath(weaponsFileName, location.Style)
                             ? weaponsFileName
                             : ResolveFromExecutable(weaponsFileName, location);
    return ToNativePath(path, location.Style);
}

QString MissingWeaponsFileMessage(const QString& path)
{
    return QStringLiteral("Error : Unable to open file ") + path +
           QStringLiteral(" for read access. Check the following:\r\n"
                          " - Check to ensure that the file exists. \r\n"
                          " - If using NTFS check file permissions. \r\n"
                          " - Check to ensure no other applications are holding the file open.\r\n"
                          "\r\n"
                          "The Application will not run without this file.");
}

QString BadWeaponsFieldMessage(const QString& path, const WeaponsFieldError& error)
{
    const QString expected = error.WholeNumber ? QStringLiteral("a whole number from -32768 to 32767")
                                               : QStringLiteral("a decimal number");
    return QStringLiteral("Error : Invalid value in file %1, line %2, column %3 (%4): \"%5\" is not %6.\r\n"
                          "\r\n"
                          "The Application will not run without this file.")
        .arg(path, QString::number(error.LineNumber), QString::number(error.Column), error.FieldName,
             error.Text, expected);
}

WeaponsFileLoad LoadWeaponsFile(const AppSettings& settings, const ProgramLocation& location)
{
    const QString path = WeaponsFilePath(settings.WeaponsFileName, location);
    const std::optional<QByteArray> bytes = FileExists(path) ? ReadWholeFile(path) : std::nullopt;
    if (!bytes)
        return {{}, MissingWeaponsFileMessage(path)};
    WeaponsFileContent content = ReadWeaponsFile(DecodeFileText(*bytes), settings.WeaponsFileIdentifier);
    if (content.Error)
        return {{}, BadWeaponsFieldMessage(path, *content.Error)};
    return {EquipmentCatalogue(std::move(content.Items)), {}};
}
