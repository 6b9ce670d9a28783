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

EquipmentCatalogue::EquipmentCatalogue(QList<Equipment> items, bool itemNamesInUtf8)
    : Items(std::move(items))
    , NamesInUtf8(itemNamesInUtf8)
{
    BuildChains(Items, ListedName, ByListedName, NextSameListedName);
    BuildChains(
        Items, [this](const Equipment& item) { return InternalNameKey(item.InternalName); }, ByInternalName,
        NextSameInternalName);
}

QByteArray EquipmentCatalogue::InternalNameBytes(const Equipment& item) const
{
    return NamesInUtf8 ? item.InternalName.toUtf8() : EncodeFileText(item.InternalName);
}

QString EquipmentCatalogue::InternalNameKey(const QString& name) const
{
    return NamesInUtf8 ? DecodeCodePage(name.toUtf8()) : name;
}

const Equipment* EquipmentCatalogue::FirstListedAs(const QString& name) const
{
    const auto found = ByListedName.constFind(TrimSpaces(name));
    return found == ByListedName.constEnd() ? nullptr : &Items.at(found->First);
}

bool EquipmentCatalogue::NamedInClassFile(const Equipment& item, const QString& name,
                                          FileEncoding classFileEncoding) const
{
    return InternalNameKey(item.InternalName) == ClassFileKey(name, classFileEncoding);
}
