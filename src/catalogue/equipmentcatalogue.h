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

// An internal name as the class file reader takes it from an equipment line: without its double quotes
// and without blanks around it.
QString InternalNameAsRead(QString name);

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
    // catalogue order. lineName is the text after the blank that ends the line's counter, as it stands,
    // quotes and blanks kept, in a file of the given encoding. The items are, first found first:
    //  1. those whose InternalName is the name as the reader takes it (InternalNameAsRead), if not empty;
    //  2. those whose InternalName is the name as it stands, as a save writes one with a double quote or
    //     with blanks around it;
    //  3. those of the one InternalName that reads as the name does (a line whose quotes or blanks a tool
    //     dropped), unless two InternalNames read so.
    template <typename Visit>
    void ForEachNamedInClassFile(const QString& lineName, FileEncoding classFileEncoding, Visit&& visit) const
    {
        const QString written = ClassFileKey(lineName, classFileEncoding);
        const QString read = InternalNameAsRead(written);
        if (!read.isEmpty() && ForEachInChain(ByInternalName, NextSameInternalName, read, visit))
            return;
        if (!written.isEmpty() && written != read &&
            ForEachInChain(ByInternalName, NextSameInternalName, written, visit))
            return;
        if (!read.isEmpty())
            ForEachInChain(ByNameAsRead, NextSameNameAsRead, read, visit);
    }

    // True when an equipment line's name (as for ForEachNamedInClassFile) names item.
    bool NamedInClassFile(const Equipment& item, const QString& lineName,
                          FileEncoding classFileEncoding) const;

    // True when the line that a save writes for item reads back as item (and the items of its InternalName):
    // false for an empty internal name, and for one that reads as another item's InternalName once its
    // quotes and the blanks around it are dropped.
    bool LoadsBack(const Equipment& item) const;

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

    // False when no item has the name.
    template <typename Visit>
    bool ForEachInChain(const ChainIndex& index, const std::vector<qsizetype>& next, const QString& name,
                        Visit& visit) const
    {
        const auto found = index.constFind(name);
        if (found == index.constEnd())
            return false;
        for (qsizetype i = found->First; i >= 0; i = next[static_cast<std::size_t>(i)])
            visit(Items.at(i));
        return true;
    }

    QList<Equipment> Items;
    bool NamesInUtf8 = false;
    ChainIndex ByListedName;
    std::vector<qsizetype> NextSameListedName;
    ChainIndex ByInternalName;
    std::vector<qsizetype> NextSameInternalName;
    // The items whose InternalName the reader takes otherwise, by InternalNameAsRead; a name that two
    // InternalNames read as is left out.
    ChainIndex ByNameAsRead;
    std::vector<qsizetype> NextSameNameAsRead;
};
