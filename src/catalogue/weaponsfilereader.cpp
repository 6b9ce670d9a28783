#include "catalogue/weaponsfilereader.h"

#include "platform/numbers.h"
#include "platform/textlines.h"

#include <QStringMatcher>
#include <algorithm>
#include <array>
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

const std::array<QString, FieldCount>& UpperFieldNames()
{
    static const std::array<QString, FieldCount> upper = [] {
        std::array<QString, FieldCount> names;
        for (int field = 0; field < FieldCount; ++field)
            names[field] = FieldNames[field].toUpper();
        return names;
    }();
    return upper;
}

// Where each field's text goes: a text, a 16-bit whole number or a single-precision number of the record.
// A text that many rows repeat (a type, the name of an ammunition unit) is shared.
struct FieldTarget {
    QString Equipment::*Text = nullptr;
    qint16 Equipment::*WholeNumber = nullptr;
    float Equipment::*Decimal = nullptr;
    bool Repeated = false;
};

const std::array<FieldTarget, FieldCount> FieldTargets = {{
    {&Equipment::InternalName, nullptr, nullptr, false},
    {&Equipment::DisplayName, nullptr, nullptr, false},
    {&Equipment::EquipmentType, nullptr, nullptr, true},
    {nullptr, &Equipment::CostPoints, nullptr},
    {nullptr, nullptr, &Equipment::Weight},
    {nullptr, nullptr, &Equipment::AmmoWeightPerUnit},
    {nullptr, &Equipment::AmmoUnitsIncludedWithPointCost, nullptr},
    {&Equipment::NameOfAmmoUnit, nullptr, nullptr, true},
    {nullptr, &Equipment::ShotsPerAmmoUnit, nullptr},
    {&Equipment::NameOfShot, nullptr, nullptr, true},
    {nullptr, &Equipment::ItemRestriction, nullptr},
    {&Equipment::SpecialModes, nullptr, nullptr, true},
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
    if (target.Text) {
        if (!text.isEmpty()) // an empty field allocates nothing
            e.*target.Text = target.Repeated ? repeated.Of(text) : text.toString();
        return true;
    }
    if (text.isEmpty())
        return true; // the field keeps its 0
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
        Columns.fill(0);
    }

    bool IsHeaderRow(QStringView line) const
    {
        // An empty identifier is found in every text but the empty one.
        return Identifier.isEmpty() ? !line.isEmpty() : IdentifierMatcher.indexIn(line) >= 0;
    }

    // Every header row counts its columns from the first, so a title line before it changes nothing.
    void ReadHeaderRow(QStringView line)
    {
        int column = 0;
        qsizetype start = 0;
        for (qsizetype comma = line.indexOf(u','); comma >= 0; comma = line.indexOf(u',', start)) {
            ++column;
            const QString upper = line.sliced(start, comma - start).toString().toUpper();
            for (int field = 0; field < FieldCount; ++field) {
                if (upper == UpperFieldNames()[field]) {
                    Columns[field] = column;
                    break;
                }
            }
            start = comma + 1;
        }
        SortColumns();
    }

    // Adds one record; false (with Error set) when a numeric field cannot hold its text.
    bool ReadDataRow(QStringView line, qsizetype lineNumber, QList<Equipment>& items)
    {
        Equipment& record = items.emplace_back();
        int column = 0;
        qsizetype start = 0;
        int next = 0; // the first column of ColumnOrder not yet passed
        // Columns after the last named one hold nothing to store. Fields are short: a plain scan for the
        // commas beats a call per field.
        for (qsizetype comma = 0; comma < line.size() && next < ColumnOrderSize; ++comma) {
            if (line[comma] != u',')
                continue;
            ++column;
            while (next < ColumnOrderSize && ColumnOrder[next].Column < column)
                ++next;
            const int target =
                next < ColumnOrderSize && ColumnOrder[next].Column == column ? ColumnOrder[next].Field : -1;
            const QStringView field = line.sliced(start, comma - start);
            if (target >= 0 && !StoreField(record, target, field, Repeated)) {
                items.removeLast();
                Error = WeaponsFieldError{lineNumber, column, FieldNames[target], field.toString(),
                                          IsWholeNumberField(target)};
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
        ColumnOrderSize = 0;
        for (int field = 0; field < FieldCount; ++field) {
            if (Columns[field] > 0)
                ColumnOrder[ColumnOrderSize++] = {Columns[field], field};
        }
        std::stable_sort(ColumnOrder.begin(), ColumnOrder.begin() + ColumnOrderSize,
                         [](const ColumnField& a, const ColumnField& b) { return a.Column < b.Column; });
    }

    struct ColumnField {
        int Column;
        int Field;
    };

    QString Identifier;
    RepeatedTexts Repeated;
    QStringMatcher IdentifierMatcher; // the case-sensitive search for Identifier, prepared once for all lines
    std::array<int, FieldCount> Columns{};
    std::array<ColumnField, FieldCount> ColumnOrder{};
    int ColumnOrderSize = 0;
};

// How often c stands in text, in a loop that the compiler vectorises.
qsizetype CountOf(QStringView text, char16_t c)
{
    qsizetype count = 0;
    for (const QChar ch : text)
        count += ch.unicode() == c;
    return count;
}

} // namespace

WeaponsFileContent ReadWeaponsFile(const QString& text, const QString& identifier)
{
    WeaponsFileContent content;
    // Every line adds at most one record: one reservation, no growing list.
    const qsizetype lineEnds = CountOf(text, u'\n');
    content.Items.reserve((lineEnds > 0 ? lineEnds : CountOf(text, u'\r')) + 1);
    WeaponsFileReader reader(identifier);
    qsizetype lineNumber = 0;
    bool failed = false;
    ForEachLine(text, [&](QStringView line) {
        ++lineNumber;
        if (failed)
            return;
        if (reader.IsHeaderRow(line)) {
            reader.ReadHeaderRow(line);
            content.HasHeaderRow = true;
        } else
            failed = !reader.ReadDataRow(line, lineNumber, content.Items);
    });
    content.Error = reader.Error;
    // Lines that added no record (header rows) leave room that the catalogue would keep for the whole run.
    if (content.Items.capacity() > content.Items.size() + content.Items.size() / 4 + 16)
        content.Items.squeeze();
    return content;
}
