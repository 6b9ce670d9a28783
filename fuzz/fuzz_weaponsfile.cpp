// Weapons file: ReadWeaponsFile on the decoded text, then what the program does with a file that reads
// without error: the catalogue, the grid rows, and the point, weight and restriction rules over a few of
// the items, selected as double-clicks on the grid's rows select them.

#include "catalogue/cataloguegrid.h"
#include "catalogue/equipmentcatalogue.h"
#include "catalogue/weaponsfile.h"
#include "fuzzsupport.h"
#include "platform/codepage.h"
#include "platform/fixeddecimal.h"
#include "platform/text.h"
#include "platform/textlines.h"
#include "rules/points.h"
#include "rules/selection.h"
#include "rules/weight.h"

namespace {

const QString Identifier = QStringLiteral("InternalName");
const QString StartingItem = QStringLiteral("Base (Clothing and Shoes/Boots/Knife)");
constexpr qsizetype SelectedItems = 8;

void CheckError(const WeaponsFieldError& error, qsizetype lineCount)
{
    FUZZ_REQUIRE(error.LineNumber >= 1 && error.LineNumber <= lineCount);
    FUZZ_REQUIRE(error.Column >= 1);
    FUZZ_REQUIRE(!error.FieldName.isEmpty());
    FUZZ_REQUIRE(!BadWeaponsFieldMessage(QStringLiteral("weapons.csv"), error).isEmpty());
}

void CheckRules(const QStringList& entries, const EquipmentCatalogue& catalogue, const SkillLevels& levels)
{
    const qint64 points = AvailablePoints(30, levels, entries, catalogue);
    const QString pointsText = AvailablePointsText(points);
    FUZZ_REQUIRE(IsOverspent(pointsText) == (points < 0));

    const WeightDisplay weight =
        RecalculatedWeight(FixedDecimal::FromTenThousandths(39200), LevelOf(levels, Proficiency::Strength),
                           entries, catalogue, u'.');
    FUZZ_REQUIRE(weight.WeightText.endsWith(QStringLiteral(" kg")));
    FUZZ_REQUIRE(!weight.MovementText.isEmpty());

    (void)CheckItemRestrictions(entries, catalogue);
    (void)SkillRequirementsRefusal(entries, catalogue, levels, QStringLiteral("explosivesskill"),
                                   QStringLiteral("medicskill"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WeaponsFileContent content;
    qsizetype lineCount = 0;
    qsizetype dataRows = 0;
    {
        const QString text = DecodeWindows1252(FuzzBytes(data, size));
        content = ReadWeaponsFile(text, Identifier);
        // Every line that does not hold the identifier is a data row and adds one record, the empty one too.
        ForEachLine(text, [&](QStringView line) {
            ++lineCount;
            if (!line.contains(Identifier))
                ++dataRows;
        });
    } // The text is gone from here on, as it is in the program: the records must not depend on it.
    if (content.Error) {
        CheckError(*content.Error, lineCount);
        return 0;
    }
    FUZZ_REQUIRE(content.Items.size() == dataRows);

    const EquipmentCatalogue catalogue(std::move(content.Items));
    for (qsizetype i = 0; i < catalogue.Count(); ++i) {
        const Equipment& item = catalogue.At(i);
        const CatalogueGridRow row = CatalogueGridRowOf(item);
        FUZZ_REQUIRE(row[0] == TrimSpaces(item.DisplayName));
        FUZZ_REQUIRE(row[3].isEmpty() == (item.ShotsPerAmmoUnit == 0));
        const Equipment* first = catalogue.FirstListedAs(item.DisplayName);
        FUZZ_REQUIRE(first != nullptr && first <= &item);
    }

    // The entries that double-clicks on the first rows of the grid add: each row's first cell, the
    // trimmed display name; the first row twice, which tests the item restrictions.
    QStringList entries{StartingItem};
    const QList<qsizetype> rows = CatalogueGridItems(catalogue);
    for (qsizetype row = 0; row < qMin(rows.size(), SelectedItems); ++row) {
        if (const std::optional<QString> entry = ItemToSelect(CatalogueGridCell(catalogue.At(rows[row]), 0)))
            entries.append(*entry);
    }
    if (entries.size() > 1)
        entries.append(entries.at(1));
    SkillLevels none{};
    SkillLevels all;
    all.fill(HighestLevel);
    CheckRules(entries, catalogue, none);
    CheckRules(entries, catalogue, all);
    return 0;
}
