#include "classfiledata.h"

#include "support/testsupport.h"

#include <QDir>
#include <QUrl>

EquipmentCatalogue TestCatalogue()
{
    Equipment charge = Item(QStringLiteral("c4"), QStringLiteral("C4 Charge"), 4);
    charge.SpecialModes = QStringLiteral("Explosives");
    return EquipmentCatalogue({
        Item(QStringLiteral("base"), StartingItem, 0),
        Item(QStringLiteral("rifle_long"), QStringLiteral("Long Rifle"), 8),
        Item(QStringLiteral("ammo_long"), QStringLiteral("Long Rifle Ammo"), 1),
        Item(QStringLiteral("medkit"), QStringLiteral("Medkit"), 2),
        Item(QStringLiteral("pistol_9mm"), QStringLiteral("Pistol"), 2),
        Item(QStringLiteral("smoke"), QStringLiteral("Smoke Grenade"), 1),
        Item(QStringLiteral("bandage"), QStringLiteral("Medkit"), 0),
        Item(QStringLiteral("smoke"), QStringLiteral("Smoke Grenade (Belt)"), 3),
        charge,
        Item(QStringLiteral("lbv"), QStringLiteral("  Load Bearing Vest "), 2),
        Item(QString(), QStringLiteral("Nameless"), 1),
    });
}

QString DataPath(const QString& fileName)
{
    return QStringLiteral(ROSTERMAKER_TEST_DATA "/") + fileName;
}

QStringList DataCases(const QString& extension)
{
    QStringList cases = QDir(QStringLiteral(ROSTERMAKER_TEST_DATA))
                            .entryList(QStringList{QStringLiteral("*.") + extension}, QDir::Files);
    for (QString& name : cases)
        name.chop(extension.size() + 1);
    return cases;
}

QStringList DescriptionLines(const QString& fileName)
{
    QStringList lines;
    for (const QString& line : QString::fromUtf8(ReadTestFile(DataPath(fileName))).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        lines.append(line.first(equals + 1) + QUrl::fromPercentEncoding(line.sliced(equals + 1).toUtf8()));
    }
    return lines;
}

ClassRecord RecordFromDescription(const QStringList& lines)
{
    ClassRecord record;
    QString ClassRecord::*const texts[] = {&ClassRecord::ClassName, &ClassRecord::Callsign,
                                           &ClassRecord::Model,     &ClassRecord::HeadSkin,
                                           &ClassRecord::BodySkin,  &ClassRecord::LegsSkin};
    const QStringList textKeys = {QStringLiteral("ClassName"), QStringLiteral("Callsign"),
                                  QStringLiteral("Model"),     QStringLiteral("HeadSkin"),
                                  QStringLiteral("BodySkin"),  QStringLiteral("LegsSkin")};
    for (const QString& line : lines) {
        const QString key = line.section(u'=', 0, 0);
        const QString value = line.sliced(key.size() + 1);
        if (key == QStringLiteral("Entry"))
            record.Entries.append(value);
        else if (const qsizetype text = textKeys.indexOf(key); text >= 0)
            record.*texts[text] = value;
        for (int i = 0; i < ProficiencyCount; ++i) {
            if (key == ProficiencyKeyword(ProficiencyAt(i)))
                record.Levels[static_cast<std::size_t>(i)] = value.toInt();
        }
    }
    return record;
}

QStringList DescriptionOf(const LoadedClass& loaded)
{
    QStringList lines;
    if (loaded.ClassName)
        lines.append(QStringLiteral("ClassName=") + *loaded.ClassName);
    if (loaded.Callsign)
        lines.append(QStringLiteral("Callsign=") + *loaded.Callsign);
    if (loaded.Skins) {
        lines.append(QStringLiteral("Model=") + loaded.Skins->Model);
        lines.append(QStringLiteral("HeadSkin=") + loaded.Skins->HeadSkin);
        lines.append(QStringLiteral("BodySkin=") + loaded.Skins->BodySkin);
        lines.append(QStringLiteral("LegsSkin=") + loaded.Skins->LegsSkin);
    }
    for (int i = 0; i < ProficiencyCount; ++i) {
        if (const std::optional<int> level = loaded.Levels[static_cast<std::size_t>(i)])
            lines.append(ProficiencyKeyword(ProficiencyAt(i)) + u'=' + QString::number(*level));
    }
    for (const QString& entry : loaded.Entries)
        lines.append(QStringLiteral("Entry=") + entry);
    return lines;
}

ClassRecord RecordFromLoaded(const LoadedClass& loaded)
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
