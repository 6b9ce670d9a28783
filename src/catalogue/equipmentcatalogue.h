#pragma once

#include "catalogue/equipment.h"
#include "platform/codepage.h"
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
    // itemNamesInUtf8: the items come from a UTF-8 weapons file, whose bytes class files repeat.
    explicit EquipmentCatalogue(QList<Equipment> items, bool itemNamesInUtf8 = false);

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

    // A class file names an item by the bytes of its InternalName: the bytes that its weapons file holds
    // when that file is UTF-8 (the servers compare them with it), else the name in the file code page.
    QByteArray InternalNameBytes(const Equipment& item) const;
    bool ItemNamesInUtf8() const { return NamesInUtf8; }

    // Calls visit(const Equipment&) for every item that an equipment line of a class file names, in
    // catalogue order: name is the line's internal name as read from a file of the given encoding.
    template <typename Visit>
    void ForEachNamedInClassFile(const QString& name, FileEncoding classFileEncoding, Visit&& visit) const
    {
        ForEachInChain(ByInternalName, NextSameInternalName, ClassFileKey(name, classFileEncoding), visit);
    }

    // True when the name of an equipment line, read from a class file of the given encoding, names item.
    bool NamedInClassFile(const Equipment& item, const QString& name, FileEncoding classFileEncoding) const;

private:
    // Items of one name form a chain: the hash gives the first and the last index, and the next index of
    // each item follows in a parallel array (-1 ends the chain).
    struct Chain {
        qsizetype First = -1;
        qsizetype Last = -1;
    };
    using ChainIndex = QHash<QString, Chain>;

    // Items are found by their InternalName as a class file in the code page reads it back: the name itself,
    // or the UTF-8 bytes of a UTF-8 weapons file's name read in the code page.
    QString InternalNameKey(const QString& name) const;
    // The key of an equipment line's name: a class file in the code page holds the bytes of the items'
    // names, so its text read is the key.
    QString ClassFileKey(const QString& name, FileEncoding classFileEncoding) const
    {
        return classFileEncoding == FileEncoding::CodePage ? name : InternalNameKey(name);
    }

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
    bool NamesInUtf8 = false;
    ChainIndex ByListedName;
    std::vector<qsizetype> NextSameListedName;
    ChainIndex ByInternalName;
    std::vector<qsizetype> NextSameInternalName;
};
