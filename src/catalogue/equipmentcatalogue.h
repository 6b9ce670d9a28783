#pragma once

#include "catalogue/equipment.h"

#include <QHash>
#include <QList>
#include <vector>

// The items of the weapons file in file order, read-only once built. Items are found by DisplayName and
// by InternalName through indexes that keep file order, so "every item of this name, in catalogue order"
// costs no walk over the whole catalogue.
class EquipmentCatalogue {
public:
    EquipmentCatalogue() = default;
    explicit EquipmentCatalogue(QList<Equipment> items);

    qsizetype Count() const { return Items.size(); }
    const Equipment& At(qsizetype index) const { return Items.at(index); } // 0 is the first item
    const QList<Equipment>& All() const { return Items; }

    // The first item whose DisplayName equals name (case-sensitive, whole text), or null.
    const Equipment* FirstWithDisplayName(const QString& name) const;

    // Calls visit(const Equipment&) for every item whose DisplayName equals name, in catalogue order.
    template <typename Visit> void ForEachWithDisplayName(const QString& name, Visit&& visit) const
    {
        ForEachInChain(ByDisplayName, NextSameDisplayName, name, visit);
    }

    // Calls visit(const Equipment&) for every item whose InternalName equals name, in catalogue order.
    // Only loading a class file asks for items by InternalName, so that index is built at the first asking
    // (the editor runs on one thread).
    template <typename Visit> void ForEachWithInternalName(const QString& name, Visit&& visit) const
    {
        if (NextSameInternalName.size() != static_cast<std::size_t>(Items.size()))
            BuildChains(Items, &Equipment::InternalName, ByInternalName, NextSameInternalName);
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

    static void BuildChains(const QList<Equipment>& items, QString Equipment::*field, ChainIndex& index,
                            std::vector<qsizetype>& next);

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
    ChainIndex ByDisplayName;
    std::vector<qsizetype> NextSameDisplayName;
    mutable ChainIndex ByInternalName;
    mutable std::vector<qsizetype> NextSameInternalName;
};
