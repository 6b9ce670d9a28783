#include "rules/selection.h"

#include "catalogue/cataloguegrid.h"
#include "platform/text.h"

#include <QHash>
#include <algorithm>

std::optional<QString> ItemToSelect(const QString& gridText)
{
    if (gridText.isEmpty() || gridText == CatalogueGridHeading()[0])
        return std::nullopt;
    return gridText;
}

namespace {

// The index of the first entry that names an item beyond the count allowed.
qsizetype EntryOverLimit(const QStringList& entries, const QString& name, qsizetype allowed)
{
    qsizetype seen = 0;
    const auto over = std::find_if(entries.begin(), entries.end(), [&](const QString& entry) {
        return TrimSpaces(entry) == name && ++seen > allowed;
    });
    return over - entries.begin();
}

} // namespace

QList<RestrictionBreach> RestrictionBreaches(const QStringList& entries, const EquipmentCatalogue& catalogue)
{
    QHash<QString, qsizetype> entriesByText; // entries that name the same items count together
    for (const QString& entry : entries)
        ++entriesByText[TrimSpaces(entry)];
    QList<RestrictionBreach> breaches;
    for (auto it = entriesByText.cbegin(); it != entriesByText.cend(); ++it) {
        const qsizetype count = it.value();
        catalogue.ForEachListedAs(it.key(), [&](const Equipment& item) {
            if (item.ItemRestriction != 0 && count > item.ItemRestriction) {
                const qsizetype allowed = qMax<qsizetype>(0, item.ItemRestriction);
                breaches.append({&item, count, EntryOverLimit(entries, ListedName(item), allowed)});
            }
        });
    }
    std::ranges::sort(breaches, {}, [](const RestrictionBreach& breach) {
        return std::pair(breach.EntryOver, breach.Item);
    });
    return breaches;
}

QString RestrictionBreachMessage(const RestrictionBreach& breach)
{
    const Equipment& item = *breach.Item;
    const QString times =
        breach.Count == 1 ? QStringLiteral("1 time") : QStringLiteral("%1 times").arg(breach.Count);
    if (item.ItemRestriction < 0) {
        return QStringLiteral("item \"%1\" (%2) is selected %3, but its limit of %4 forbids it")
            .arg(ListedName(item), item.InternalName, times, QString::number(item.ItemRestriction));
    }
    return QStringLiteral("item \"%1\" (%2) is selected %3, more than its limit of %4")
        .arg(ListedName(item), item.InternalName, times, QString::number(item.ItemRestriction));
}

bool CheckItemRestrictions(const QStringList& entries, const EquipmentCatalogue& catalogue)
{
    return RestrictionBreaches(entries, catalogue).isEmpty();
}

bool IsRemovable(const QString& entry, const QString& startingEquipmentName)
{
    return entry.toUpper() != startingEquipmentName.toUpper();
}

std::optional<UnmetSkillRequirement> FirstUnmetSkillRequirement(const QStringList& entries,
                                                                const EquipmentCatalogue& catalogue,
                                                                const SkillLevels& levels,
                                                                const QString& explosivesSkillName,
                                                                const QString& medicalSkillName)
{
    const QString explosives = explosivesSkillName.toUpper();
    const QString medical = medicalSkillName.toUpper();
    const bool hasExplosives = LevelOf(levels, Proficiency::Explosives) >= 1;
    const bool hasMedic = LevelOf(levels, Proficiency::Medic) >= 1;
    std::optional<UnmetSkillRequirement> unmet;
    for (qsizetype i = 1; i < entries.size() && !unmet; ++i) {
        catalogue.ForEachListedAs(entries.at(i), [&](const Equipment& item) {
            if (unmet)
                return;
            // An empty SpecialModes holds no skill name, not even an empty one.
            const QString modes = item.SpecialModes.toUpper();
            if (modes.isEmpty())
                return;
            if (modes.contains(explosives) && !hasExplosives)
                unmet = {i, Proficiency::Explosives,
                         QStringLiteral("You must posess an explosives skill to handle explosives")};
            else if (modes.contains(medical) && !hasMedic)
                unmet = {i, Proficiency::Medic,
                         QStringLiteral("You must posess medical knowledge to use a medkit")};
        });
    }
    return unmet;
}

std::optional<QString> SkillRequirementsRefusal(const QStringList& entries,
                                                const EquipmentCatalogue& catalogue,
                                                const SkillLevels& levels, const QString& explosivesSkillName,
                                                const QString& medicalSkillName)
{
    const std::optional<UnmetSkillRequirement> unmet =
        FirstUnmetSkillRequirement(entries, catalogue, levels, explosivesSkillName, medicalSkillName);
    if (!unmet)
        return std::nullopt;
    return unmet->Message;
}
