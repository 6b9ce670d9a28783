#include "catalogue/equipmentcatalogue.h"

EquipmentCatalogue::EquipmentCatalogue(QList<Equipment> items)
    : Items(std::move(items))
{
    BuildChains(Items, &Equipment::DisplayName, ByDisplayName, NextSameDisplayName);
}

void EquipmentCatalogue::BuildChains(const QList<Equipment>& items, QString Equipment::*field,
                                     ChainIndex& index, std::vector<qsizetype>& next)
{
    next.assign(static_cast<std::size_t>(items.size()), -1);
    index.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        Chain& chain = index[items.at(i).*field];
        if (chain.First < 0)
            chain.First = i;
        else
            next[static_cast<std::size_t>(chain.Last)] = i;
        chain.Last = i;
    }
}

const Equipment* EquipmentCatalogue::FirstWithDisplayName(const QString& name) const
{
    const auto found = ByDisplayName.constFind(name);
    return found == ByDisplayName.constEnd() ? nullptr : &Items.at(found->First);
}
