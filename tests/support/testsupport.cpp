#include "support/testsupport.h"

#include "catalogue/weaponsfile.h"
#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString WeaponsHeader =
    QStringLiteral("InternalName,DisplayName,EquipmentType,CostPoints,Weight,AmmoWeightPerUnit,"
                   "AmmoUnitsIncludedWithPointCost,"
                   "NameOfAmmoUnit,ShotsPerAmmoUnit,NameOfShot,ItemRestriction,SpecialModes,");

QByteArray CrLfBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeFileText(line) + "\r\n";
    return bytes;
}

bool WriteTestFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

QByteArray ReadTestFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

EquipmentCatalogue CatalogueOf(const QStringList& rows)
{
    WeaponsFileContent content =
        ReadWeaponsFile((QStringList{WeaponsHeader} + rows).join(u'\n'), QStringLiteral("InternalName"));
    if (content.Error)
        qFatal("bad test catalogue row %lld", static_cast<long long>(content.Error->LineNumber));
    return EquipmentCatalogue(std::move(content.Items));
}

QStringList StandardItems()
{
    return {
        QStringLiteral("m4a1,M4A1,rifle,5,3.4,0.5,4,magazines,30,rounds,0,,"),
        QStringLiteral("lbv,Load Bearing Vest,equipment,2,1.5,,,,,,1,,"),
        QStringLiteral("frag,Frag Grenade,grenade,1,0.5,,,,,,0,,"),
        QStringLiteral("thermite,Thermite,Grenade,2,0.6,,,,,,2,,"),
        QStringLiteral("m249,M249 SAW,mg,7,7.5,2,3,Belts,100,rounds,0,,"),
        QStringLiteral("c4,C4 Charge,explosive,4,1,,,,,,0,explosivesskill,"),
        QStringLiteral("claymore,Claymore,explosive,3,1.5,,,,,,0,remote ExplosivesSkill,"),
        QStringLiteral("medkit,Medkit,equipment,2,1,,,,,,0,heals medicskill,"),
        QStringLiteral("tags,Dog Tags,equipment,0,0.1,,,,,,0,,"),
        QStringLiteral("crate,Crate,equipment,1,21.08,,,,,,0,,"),
        QStringLiteral("banned,Banned Item,equipment,1,1,,,,,,-1,,"),
        QStringLiteral("twin_a,Twin,equipment,2,2,,,,,,3,,"),
        QStringLiteral("twin_b,Twin,equipment,3,5,,,,,,1,,"),
        QStringLiteral("pack,  Pack ,equipment,1,1,,,,,,1,medicskill explosivesskill,"),
        QStringLiteral("refund,Refund,equipment,-2,0,,,,,,0,,"),
    };
}

GameFolder::GameFolder()
{
    QDir(Dir.path()).mkpath(QStringLiteral("tool/characters"));
}

QString GameFolder::Path(const QString& relative) const
{
    return QDir::toNativeSeparators(relative.isEmpty() ? Dir.path() : Dir.filePath(relative));
}

ProgramLocation GameFolder::Location() const
{
    return {Path(QStringLiteral("tool")), QStringLiteral("rostermaker"), NativePathStyle()};
}

void GameFolder::WriteSettings(const QStringList& lines)
{
    AddFile(QStringLiteral("tool/rostermaker.ini"), CrLfBytes(lines));
}

void GameFolder::WriteWeapons(const QStringList& rows)
{
    AddFile(QStringLiteral("weapons.csv"), CrLfBytes(QStringList{WeaponsHeader} + rows));
}

void GameFolder::WriteClass(const QString& fileName, const QStringList& lines)
{
    AddFile(QStringLiteral("tool/characters/") + fileName, CrLfBytes(lines));
}

void GameFolder::AddModel(const QString& name, const QStringList& skinFolderLines, const QStringList& images)
{
    const QString folder = QStringLiteral("main/models/people/") + name;
    QDir(Dir.path()).mkpath(folder);
    if (!skinFolderLines.isEmpty())
        AddFile(folder + QStringLiteral("/skinfolder.txt"), CrLfBytes(skinFolderLines));
    for (const QString& image : images)
        AddFile(folder + u'/' + image);
}

void GameFolder::AddFile(const QString& relative, const QByteArray& bytes)
{
    if (!WriteTestFile(Dir.filePath(relative), bytes))
        qWarning("could not write %s", qPrintable(relative));
}
