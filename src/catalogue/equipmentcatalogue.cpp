#include "catalogue/equipmentcatalogue.h"

#include <QSet>

QString ListedName(const Equipment& item)
{
    return TrimSpaces(item.DisplayName);
}

QString InternalNameAsRead(QString name)
{
    name.remove(u'"');
    return TrimSpaces(name);
}

namespace {

// Chains the items by key, in catalogue order; an item whose key is null is left out.
template <typename Key, typename ChainIndex>
void BuildChains(const QList<Equipment>& items, Key key, ChainIndex& index, std::vector<qsizetype>& next)
{
    next.assign(static_cast<std::size_t>(items.size()), -1);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString itemKey = key(items.at(i));
        if (itemKey.isNull())
            continue;
        auto& chain = index[itemKey];
        if (chain.First < 0)
            chain.First = i;
        else
            next[static_cast<std::size_t>(chain.Last)] = i;
        chain.Last = i;
    }
}

// True when the reader takes the internal name otherwise than a save writes it.
bool ReadOtherwise(const QString& internalName)
{
    return internalName.contains(u'"') || internalName.startsWith(u' ') || internalName.endsWith(u' ');
}

} // namespace

EquipmentCatalogue::EquipmentCatalogue(QList<Equipment> items, bool itemNamesInUtf8)
    : Items(std::move(items))
    , NamesInUtf8(itemNamesInUtf8)
{
    ByListedName.reserve(Items.size());
    BuildChains(Items, ListedName, ByListedName, NextSameListedName);
    ByInternalName.reserve(Items.size());
    BuildChains(
        Items, [this](const Equipment& item) { return InternalNameKey(item.InternalName); }, ByInternalName,
        NextSameInternalName);
    // Names read as nothing are never looked up; those that two InternalNames read as name no item.
    QSet<QString> ambiguous;
    BuildChains(
        Items,
        [&](const Equipment& item) {
            if (!ReadOtherwise(item.InternalName))
                return QString();
            const QString key = InternalNameKey(item.InternalName);
            const QString asRead = InternalNameAsRead(key);
            const auto same = ByNameAsRead.constFind(asRead);
            if (same != ByNameAsRead.constEnd() && InternalNameKey(Items.at(same->First).InternalName) != key)
                ambiguous.insert(asRead);
            return asRead.isEmpty() ? QString() : asRead;
        },
        ByNameAsRead, NextSameNameAsRead);
    for (const QString& name : ambiguous)
        ByNameAsRead.remove(name);
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
    bool named = false;
    ForEachNamedInClassFile(name, classFileEncoding,
                            [&](const Equipment& found) { named = named || &found == &item; });
    return named;
}

bool EquipmentCatalogue::LoadsBack(const Equipment& item) const
{
    // A save writes the name's own bytes, which a class file in the code page reads back as its key.
    return NamedInClassFile(item, InternalNameKey(item.InternalName), FileEncoding::CodePage);
}
