#include "catalogue/equipmentcatalogue.h"

QString ListedName(const Equipment& item)
{
    return TrimSpaces(item.DisplayName);
}

namespace {

template <typename Key, typename ChainIndex>
void BuildChains(const QList<Equipment>& items, Key key, ChainIndex& index, std::vector<qsizetype>& next)
{
    next.assign(static_cast<std::size_t>(items.size()), -1);
    index.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        auto& chain = index[key(items.at(i))];
        if (chain.First < 0)
            chain.First = i;
        else
            next[static_cast<std::size_t>(chain.Last)] = i;
        chain.Last = i;
    }
}

} // namespace

EquipmentCatalogue::EquipmentCatalogue(QList<Equipment> items)
    : Items(std::move(items))
{
    BuildChains(Items, ListedName, ByListedName, NextSameListedName);
}

void EquipmentCatalogue::BuildInternalNameChains() const
{
    BuildChains(
        Items, [](const Equipment& item) { return item.InternalName; }, ByInternalName, NextSameInternalName);
}

const Equipment* EquipmentCatalogue::FirstListedAs(const QString& name) const
{
    const auto found = ByListedName.constFind(TrimSpaces(name));
    return found == ByListedName.constEnd() ? nullptr : &Items.at(found->First);
}
