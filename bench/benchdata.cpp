#include "benchdata.h"

#include "catalogue/weaponsfilereader.h"
#include "platform/codepage.h"

#include <array>
#include <cstdio>
#include <string>

namespace {

// One kind of item: the twelve fields but the names, which get the row number.
struct ItemKind {
    const char* InternalPrefix;
    const char* DisplayPrefix;
    const char* Type;
    int Cost;
    double Weight;
    const char* AmmoWeight; // empty for items without ammunition
    const char* Units;
    const char* UnitName;
    int Shots;
    const char* ShotName;
    int Restriction;
    const char* SpecialModes;
};

constexpr std::array<ItemKind, 14> Kinds = {{
    {"pistol", "Pistol", "pistol", 2, 0.95, "0.15", "3", "magazines", 15, "rounds", 0, ""},
    {"smg", "SMG MP", "smg", 4, 2.9, "0.35", "4", "magazines", 30, "rounds", 0, ""},
    {"shotgun", "Shotgun", "shotgun", 3, 3.6, "0.3", "3", "clips", 7, "shells", 0, ""},
    {"rifle", "Rifle", "rifle", 5, 3.4, "0.5", "4", "magazines", 30, "rounds", 0, ""},
    {"sniper", "Sniper M", "sniper", 6, 5.4, "0.1", "5", "clips", 5, "rounds", 1, ""},
    {"mg", "MG Belt", "mg", 7, 7.5, "2", "3", "belts", 100, "rounds", 1, ""},
    {"frag", "Frag Grenade", "grenade", 2, 0.4, "", "", "", 0, "", 0, ""},
    {"smoke", "Smoke Gren.", "grenade", 1, 0.55, "", "", "", 0, "", 0, ""},
    {"c4", "C4 Charge", "explosive", 4, 1.2, "", "", "", 0, "", 2, "explosivesskill"},
    {"knife", "Knife", "knife", 1, 0.3, "", "", "", 0, "", 0, ""},
    {"armour", "Armour", "armour", 4, 4.5, "", "", "", 0, "", 1, ""},
    {"medkit", "Medkit", "equipment", 2, 1.0, "", "", "", 0, "", 1, "medicskill"},
    {"kit", "Field Kit", "equipment", 1, 0.9, "", "", "", 0, "", 1, ""},
    {"tags", "Dog Tags", "equipment", 0, 0.05, "", "", "", 0, "", 0, ""}, // costs 0: not in the grid
}};

void AppendNumber(std::string& out, int row)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06d", row);
    out += digits;
}

} // namespace

QByteArray GeneratedWeaponsFile(int rows)
{
    std::string out = "InternalName,DisplayName,EquipmentType,CostPoints,Weight,AmmoWeightPerUnit,"
                      "AmmoUnitsIncludedWithPointCost,NameOfAmmoUnit,ShotsPerAmmoUnit,NameOfShot,"
                      "ItemRestriction,SpecialModes,\r\n";
    out.reserve(static_cast<std::size_t>(rows) * 80 + 200);
    if (rows > 0)
        out += "lbv,Load Bearing Vest,equipment,2,1.5,,,,0,,1,,\r\n";
    for (int row = 1; row < rows; ++row) {
        const ItemKind& kind = Kinds[static_cast<std::size_t>(row) % Kinds.size()];
        char weight[16];
        std::snprintf(weight, sizeof weight, "%.2f", kind.Weight + (row % 7) * 0.05);
        out += kind.InternalPrefix;
        AppendNumber(out, row);
        out += ',';
        out += kind.DisplayPrefix;
        out += ' ';
        AppendNumber(out, row);
        out += ',';
        out += kind.Type;
        out += ',';
        out += std::to_string(kind.Cost == 0 ? 0 : kind.Cost + row % 3);
        out += ',';
        out += weight;
        out += ',';
        out += kind.AmmoWeight;
        out += ',';
        out += kind.Units;
        out += ',';
        out += kind.UnitName;
        out += ',';
        out += std::to_string(kind.Shots);
        out += ',';
        out += kind.ShotName;
        out += ',';
        out += std::to_string(kind.Restriction);
        out += ',';
        out += kind.SpecialModes;
        out += ",\r\n";
    }
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

AppSettings BenchSettings(const QString& weaponsFilePath, const QString& characterPath)
{
    const ProgramLocation location{QStringLiteral("/nonexistent/tool"), QStringLiteral("rostermaker"),
                                   NativePathStyle()};
    AppSettings settings = *SettingsFromValues([](const QString&) { return QStringLiteral("0"); }, location);
    if (!weaponsFilePath.isEmpty())
        settings.WeaponsFileName = weaponsFilePath;
    if (!characterPath.isEmpty())
        settings.CharacterPath = characterPath;
    return settings;
}

EquipmentCatalogue GeneratedCatalogue(int rows)
{
    WeaponsFileContent content =
        ReadWeaponsFile(DecodeFileText(GeneratedWeaponsFile(rows)), QStringLiteral("InternalName"));
    return EquipmentCatalogue(std::move(content.Items));
}

QStringList SelectedEntries(const EquipmentCatalogue& catalogue, const QString& startingItem, int count)
{
    QStringList entries{startingItem};
    if (count > 1)
        entries.append(catalogue.At(0).DisplayName);
    const qsizetype step = qMax<qsizetype>(1, catalogue.Count() / qMax(1, count));
    for (qsizetype i = 1; entries.size() < count && i < catalogue.Count(); i += step) {
        // Step to the next item that the grid offers.
        qsizetype j = i;
        while (j < catalogue.Count() && catalogue.At(j).CostPoints == 0)
            ++j;
        if (j < catalogue.Count())
            entries.append(catalogue.At(j).DisplayName);
    }
    return entries;
}

const EquipmentCatalogue& TenThousandItemCatalogue()
{
    static const EquipmentCatalogue catalogue = GeneratedCatalogue(10000);
    return catalogue;
}
