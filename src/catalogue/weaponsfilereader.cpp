#include "catalogue/weaponsfilereader.h"

#include "platform/numbers.h"
#include "platform/textlines.h"

#include <QStringMatcher>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <cmath>
#include <ranges>

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

const std::array<QString, FieldCount>& UpperFieldNames()
{
    static const std::array<QString, FieldCount> upper = [] {
        std::array<QString, FieldCount> names;
        std::transform(FieldNames.begin(), FieldNames.end(), names.begin(),
                       [](const QString& name) { return name.toUpper(); });
        return names;
    }();
    return upper;
}

// Where each field's text goes: a text of the record's own, a text that many rows repeat (a type, the name
// of an ammunition unit), which the records share, a 16-bit whole number or a single-precision number.
struct FieldTarget {
    QString Equipment::*Text = nullptr;
    QString Equipment::*SharedText = nullptr;
    qint16 Equipment::*WholeNumber = nullptr;
    float Equipment::*Decimal = nullptr;
};

const std::array<FieldTarget, FieldCount> FieldTargets = {{
    {.Text = &Equipment::InternalName},
    {.Text = &Equipment::DisplayName},
    {.SharedText = &Equipment::EquipmentType},
    {.WholeNumber = &Equipment::CostPoints},
    {.Decimal = &Equipment::Weight},
    {.Decimal = &Equipment::AmmoWeightPerUnit},
    {.WholeNumber = &Equipment::AmmoUnitsIncludedWithPointCost},
    {.SharedText = &Equipment::NameOfAmmoUnit},
    {.WholeNumber = &Equipment::ShotsPerAmmoUnit},
    {.SharedText = &Equipment::NameOfShot},
    {.WholeNumber = &Equipment::ItemRestriction},
    {.SharedText = &Equipment::SpecialModes},
}};

// The texts that rows repeat, each held once and shared by the records (a record's copy is its own all the
// same: QString shares until written). A few dozen kinds are kept; rarer texts are copied.
class RepeatedTexts {
public:
    QString Of(QStringView text)
    {
        for (const QString& known : Known) {
            if (known == text)
                return known;
        }
        QString copy = text.toString();
        if (Known.size() < Kept)
            Known.append(copy);
        return copy;
    }

private:
    static constexpr qsizetype Kept = 32;
    QList<QString> Known;
};

bool IsWholeNumberField(int field)
{
    return FieldTargets[static_cast<std::size_t>(field)].WholeNumber != nullptr;
}

// Weights beyond a thousand tonnes are refused, so that the weight display's sums, counted in
// ten-thousandths of a kilogram, stay exact: even 20,000 items of that weight, each with 32,767
// ammunition units of it, stay inside their range.
constexpr double LargestWeight = 1e6;

// Stores a field's text into its field; false when a numeric field cannot hold it.
bool StoreField(Equipment& e, int field, QStringView text, RepeatedTexts& repeated)
{
    const FieldTarget& target = FieldTargets[static_cast<std::size_t>(field)];
    if (text.isEmpty())
        return true; // the field keeps its 0 or its empty text, which allocates nothing
    if (target.Text) {
        e.*target.Text = text.toString();
        return true;
    }
    if (target.SharedText) {
        e.*target.SharedText = repeated.Of(text);
        return true;
    }
    const std::optional<double> value = ParseDecimal(text);
    if (!value)
        return false;
    if (target.WholeNumber) {
        const std::optional<qint16> whole = ToInt16(*value);
        if (!whole)
            return false;
        e.*target.WholeNumber = *whole;
        return true;
    }
    if (std::fabs(*value) > LargestWeight)
        return false;
    e.*target.Decimal = static_cast<float>(*value);
    return true;
}

// The reading state that the file's lines share: the columns that the last header row named.
class WeaponsFileReader {
public:
    explicit WeaponsFileReader(const QString& identifier)
        : Identifier(identifier)
        , IdentifierMatcher(identifier)
    {
    }

    bool IsHeaderRow(QStringView line) const
    {
        // An empty identifier is found in every text but the empty one.
        return Identifier.isEmpty() ? !line.isEmpty() : IdentifierMatcher.indexIn(line) >= 0;
    }

    // Every header row counts its columns from the first, so a title line before it changes nothing.
    void ReadHeaderRow(QStringView line)
    {
        const std::array<QString, FieldCount>& upperNames = UpperFieldNames();
        int column = 0;
        qsizetype start = 0;
        for (qsizetype comma = line.indexOf(u','); comma >= 0; comma = line.indexOf(u',', start)) {
            ++column;
            const QString upper = line.sliced(start, comma - start).toString().toUpper();
            const auto named = std::find(upperNames.begin(), upperNames.end(), upper);
            if (named != upperNames.end())
                Columns[named - upperNames.begin()] = column;
            start = comma + 1;
        }
        SortColumns();
    }

    // Adds one record; false (with Error set) when a numeric field cannot hold its text.
    bool ReadDataRow(QStringView line, qsizetype lineNumber, QList<Equipment>& items)
    {
        Equipment& record = items.emplace_back();
        int column = 0;
        const QChar* start = line.begin();
        auto next = ColumnOrder.cbegin(); // the first named column not yet passed
        // Columns after the last named one hold nothing to store. Fields are short: a plain scan for the
        // commas beats a call per field.
        for (const QChar* comma = line.begin(); comma != line.end() && next != ColumnOrder.cend(); ++comma) {
            if (*comma != u',')
                continue;
            ++column;
            while (next != ColumnOrder.cend() && next->Column < column)
                ++next;
            const QStringView field(start, comma);
            if (next != ColumnOrder.cend() && next->Column == column &&
                !StoreField(record, next->Field, field, Repeated)) {
                items.removeLast();
                Error = WeaponsFieldError{lineNumber, column, FieldNames[next->Field], field.toString(),
                                          IsWholeNumberField(next->Field)};
                return false;
            }
            start = comma + 1;
        }
        return true;
    }

    std::optional<WeaponsFieldError> Error;

private:
    // The named columns in ascending order, a column named twice by its first field in table order, so that
    // a data row finds each column's field by walking along with its commas.
    void SortColumns()
    {
        ColumnOrder.clear();
        for (const int field : std::views::iota(0, int(FieldCount))) {
            if (Columns[field])
                ColumnOrder.append({*Columns[field], field});
        }
        std::ranges::stable_sort(ColumnOrder, {}, &ColumnField::Column);
    }

    struct ColumnField {
        int Column;
        int Field;
    };

    QString Identifier;
    RepeatedTexts Repeated;
    QStringMatcher IdentifierMatcher; // the case-sensitive search for Identifier, prepared once for all lines
    std::array<std::optional<int>, FieldCount> Columns; // the column each field was last named in
    QVarLengthArray<ColumnField, FieldCount> ColumnOrder;
};

} // namespace

WeaponsFileContent ReadWeaponsFile(const QString& text, const QString& identifier)
{
    const QList<QStringView> lines = Lines(text);
    WeaponsFileContent content;
    // Every line adds at most one record: one reservation, no growing list.
    content.Items.reserve(lines.size());
    WeaponsFileReader reader(identifier);
    qsizetype lineNumber = 0;
    for (const QStringView line : lines) {
        ++lineNumber;
        if (reader.IsHeaderRow(line)) {
            reader.ReadHeaderRow(line);
            content.HasHeaderRow = true;
        } else if (!reader.ReadDataRow(line, lineNumber, content.Items)) {
            break;
        }
    }
    content.Error = reader.Error;
    return content;
}
