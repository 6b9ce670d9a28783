#pragma once

#include "catalogue/equipment.h"
#include "platform/text.h"

#include <QHash>
#include <QList>
#include <vector>

// The name by which the grid and the selected equipment show an item: its DisplayName without leading
// and trailing blanks.
QString ListedName(const Equipment& item);

// The items of the weapons file in file order, read-only once built. Items are found by their listed name
// and by InternalName through indexes that keep file order, so "every item of this name, in catalogue
// order" costs no walk over the whole catalogue.
class EquipmentCatalogue {
public:
    EquipmentCatalogue() = default;
    explicit EquipmentCatalogue(QList<Equipment> items);

    qsizetype Count() const { return Items.size(); }
    const Equipment& At(qsizetype index) const { return Items.at(index); } // 0 is the first item
    const QList<Equipment>& All() const { return Items; }

    // An entry of the selected equipment names the items whose DisplayName equals it when both are
    // trimmed of blanks; letter case counts.

    // The first item that name names, or null.
    const Equipment* FirstListedAs(const QString& name) const;

    // Calls visit(const Equipment&) for every item that name names, in catalogue order.
    template <typename Visit> void ForEachListedAs(const QString& name, Visit&& visit) const
    {
        ForEachInChain(ByListedName, NextSameListedName, TrimSpaces(name), visit);
    }

    // Calls visit(const Equipment&) for every item whose InternalName equals name, in catalogue order.
    // Only loading a class file asks for items by InternalName, so that index is built at the first asking
    // (the editor runs on one thread).
    template <typename Visit> void ForEachWithInternalName(const QString& name, Visit&& visit) const
    {
        if (NextSameInternalName.size() != static_cast<std::size_t>(Items.size()))
            BuildInternalNameChains();
        ForEachInChain(ByInternalName, NextSameInternalName, name, visit);
    }

private:
    // Items of one name form a chain: the hash gives the first and the last index, and the next index of
    // each item follows in a parallel array (-1 ends the chain).
    struct Chain {
        qsizetype First = -1;
        qsizetype Last = -1;
    };
    using ChainIndex = QHash<QString, Chain>;

    void BuildInternalNameChains() const;

    template <typename Visit>
    void ForEachInChain(const ChainIndex& index, const std::vector<qsizetype>& next, const QString& name,
                        Visit& visit) const
    {
        const auto found = index.constFind(name);
        if (found == index.constEnd())
            return;
        for (qsizetype i = found->First; i >= 0; i = next[static_cast<std::size_t>(i)])
            visit(Items.at(i));
    }

    QList<Equipment> Items;
    ChainIndex ByListedName;
    std::vector<qsizetype> NextSameListedName;
    mutable ChainIndex ByInternalName;
    mutable std::vector<qsizetype> NextSameInternalName;
};
