// Class files: ReadClassFile on the file's bytes with a small fixed catalogue, then the class that the
// window would hold after loading it is written with ClassFileBytes, read again and written again.
//
// The invariant checked is that write -> read -> write is stable: writing the re-read class gives the
// same bytes. read -> write -> read is not: the reader keeps what the writer leaves out (control
// characters, tabs at the ends of a value), and a class read from a file loses them on the way through a
// write. Items that share a display name ("Twin") write a run of lines that reads back as their one
// entry; the invariant needs internal names that are unique, which the catalogue below keeps.

#include "catalogue/equipmentcatalogue.h"
#include "classfile/classfilereader.h"
#include "classfile/classfilewriter.h"
#include "classfile/classrecord.h"
#include "fuzzsupport.h"
#include "platform/codepage.h"

namespace {

const QString StartingItem = QStringLiteral("Base (Clothing and Shoes/Boots/Knife)");

Equipment Item(const char* internalName, const char* displayName, qint16 points)
{
    Equipment item;
    item.InternalName = QString::fromLatin1(internalName);
    item.DisplayName = QString::fromLatin1(displayName);
    item.CostPoints = points;
    return item;
}

EquipmentCatalogue FixedCatalogue()
{
    Equipment charge = Item("c4", "C4 Charge", 4);
    charge.SpecialModes = QStringLiteral("explosivesskill");
    Equipment medkit = Item("medkit", "Medkit", 2);
    medkit.SpecialModes = QStringLiteral("medicskill");
    return EquipmentCatalogue({
        Item("base", "Base (Clothing and Shoes/Boots/Knife)", 0),
        Item("rifle_long", "Long Rifle", 8),
        Item("ammo_long", "Long Rifle Ammo", 1),
        Item("pistol_9mm", "Pistol", 2),
        Item("lbv", "Load Bearing Vest", 2),
        Item("smoke", " Smoke Grenade ", 1), // blanks in a display name are kept
        Item("twin_a", "Twin", 1),
        Item("twin_b", "Twin", 2),
        medkit,
        charge,
    });
}

// The class as the window holds it once the file is loaded into a cleared window.
ClassRecord RecordOf(const LoadedClass& loaded)
{
    ClassRecord record;
    record.ClassName = loaded.ClassName.value_or(QString());
    record.Callsign = loaded.Callsign.value_or(QString());
    const SkinSet skins = loaded.Skins.value_or(SkinSet{});
    record.Model = skins.Model;
    record.HeadSkin = skins.HeadSkin;
    record.BodySkin = skins.BodySkin;
    record.LegsSkin = skins.LegsSkin;
    for (std::size_t i = 0; i < loaded.Levels.size(); ++i)
        record.Levels[i] = loaded.Levels[i].value_or(0);
    record.Entries = QStringList{StartingItem} + loaded.Entries;
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const EquipmentCatalogue catalogue = FixedCatalogue();

    const LoadedClass loaded = ReadClassFile(FuzzBytes(data, size), catalogue);
    for (const std::optional<int>& level : loaded.Levels)
        FUZZ_REQUIRE(!level || (*level >= 0 && *level <= HighestLevel));

    const ClassRecord record = RecordOf(loaded);
    const QByteArray written = ClassFileBytes(record, catalogue, StartingItem);
    FUZZ_REQUIRE(written.endsWith("\r\n\r\n"));

    const LoadedClass reread = ReadClassFile(written, catalogue);
    FUZZ_REQUIRE(reread.ClassName.has_value());
    for (std::size_t i = 0; i < record.Levels.size(); ++i)
        FUZZ_REQUIRE(reread.Levels[i].value_or(0) == record.Levels[i]);

    const QByteArray rewritten = ClassFileBytes(RecordOf(reread), catalogue, StartingItem);
    FUZZ_REQUIRE(rewritten == written);
    return 0;
}
