#include "rules/selection.h"

#include "catalogue/cataloguegrid.h"
#include "platform/text.h"

#include <QHash>

std::optional<QString> ItemToSelect(const QString& gridText)
{
    if (gridText.isEmpty() || gridText == CatalogueGridHeading()[0])
        return std::nullopt;
    return gridText;
}

bool CheckItemRestrictions(const QStringList& entries, const EquipmentCatalogue& catalogue)
{
    QHash<QString, qsizetype> entriesByText; // entries that name the same items count together
    for (const QString& entry : entries)
        ++entriesByText[TrimSpaces(entry)];
    bool ok = true;
    for (auto it = entriesByText.cbegin(); it != entriesByText.cend() && ok; ++it) {
        const qsizetype count = it.value();
        catalogue.ForEachListedAs(it.key(), [&ok, count](const Equipment& item) {
            if (item.ItemRestriction != 0 && count > item.ItemRestriction)
                ok = false;
        });
    }
    return ok;
}

bool IsRemovable(const QString& entry, const QString& startingEquipmentName)
{
    return entry.toUpper() != startingEquipmentName.toUpper();
}

std::optional<QString> SkillRequirementsRefusal(const QStringList& entries,
                                                const EquipmentCatalogue& catalogue,
                                                const SkillLevels& levels, const QString& explosivesSkillName,
                                                const QString& medicalSkillName)
{
    const QString explosives = explosivesSkillName.toUpper();
    const QString medical = medicalSkillName.toUpper();
    const bool hasExplosives = LevelOf(levels, Proficiency::Explosives) >= 1;
    const bool hasMedic = LevelOf(levels, Proficiency::Medic) >= 1;
    std::optional<QString> refusal;
    for (qsizetype i = 1; i < entries.size() && !refusal; ++i) {
        catalogue.ForEachListedAs(entries.at(i), [&](const Equipment& item) {
            if (refusal)
                return;
            // An empty SpecialModes holds no skill name, not even an empty one.
            const QString modes = item.SpecialModes.toUpper();
            if (modes.isEmpty())
                return;
            if (modes.contains(explosives) && !hasExplosives)
                refusal = QStringLiteral("You must posess an explosives skill to handle explosives");
            else if (modes.contains(medical) && !hasMedic)
                refusal = QStringLiteral("You must posess medical knowledge to use a medkit");
        });
    }
    return refusal;
}
