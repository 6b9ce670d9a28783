#include "support/testsupport.h"

#include "catalogue/weaponsfilereader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

const QString WeaponsHeader = u"InternalName,DisplayName,EquipmentType,CostPoints,Weight,AmmoWeightPerUnit,"
                              "AmmoUnitsIncludedWithPointCost,NameOfAmmoUnit,ShotsPerAmmoUnit,NameOfShot,"
                              "ItemRestriction,SpecialModes,"_s;

TableRow::TableRow(QStringList columns, QStringList fields)
    : Columns(std::move(columns))
    , Fields(std::move(fields))
{
}

QString TableRow::operator[](QStringView column) const
{
    const qsizetype index = Columns.indexOf(column);
    if (index < 0)
        qFatal("no column \"%s\" in the table", qPrintable(column.toString()));
    return Fields.value(index);
}

namespace {

QStringList FieldsOf(QStringView line)
{
    static const QRegularExpression escape(u"\\\\(x[0-9A-F]{2}|u[0-9A-F]{4}|[rnt0s])"_s);
    QStringList fields;
    for (const QStringView raw : line.split(u'|')) {
        QString field = raw.trimmed().toString();
        for (QRegularExpressionMatch m = escape.match(field); m.hasMatch();
             m = escape.match(field, m.capturedStart() + 1)) {
            const QString code = m.captured(1);
            const QChar c = code.size() > 1
                                ? QChar(code.sliced(1).toUShort(nullptr, 16))
                                : QStringView(u"\r\n\t\0 ", 5).at(QStringView(u"rnt0s").indexOf(code));
            field.replace(m.capturedStart(), m.capturedLength(), c);
        }
        fields.append(field);
    }
    return fields;
}

} // namespace

void AddTableRowsFrom(const QString& path)
{
    QTest::addColumn<TableRow>("row");
    QStringList columns;
    const QStringList lines = QString::fromUtf8(ReadTestFile(path)).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        if (line.startsWith(u'#')) {
            const QStringList names = FieldsOf(QStringView(line).sliced(1));
            if (names.size() > 1 && names.first() == u"name")
                columns = names;
            continue;
        }
        if (columns.isEmpty())
            qFatal("no header line \"# name | ...\" before the rows of %s", qPrintable(path));
        const QStringList fields = FieldsOf(line);
        QTest::newRow(qPrintable(fields.first())) << TableRow(columns, fields);
    }
    if (lines.isEmpty())
        qFatal("no table in %s", qPrintable(path));
}

QStringList EntriesOf(const QString& entries)
{
    if (entries.startsWith(u'!'))
        return entries.sliced(1).split(u';');
    return QStringList{Base} + (entries.isEmpty() ? QStringList() : entries.split(u';'));
}

SkillLevels LevelsOf(QStringView digits)
{
    SkillLevels levels{};
    for (qsizetype i = 0; i < digits.size() && i < ProficiencyCount; ++i)
        levels[std::size_t(i)] = digits[i].digitValue();
    return levels;
}

ClassRecord ClassOf(const QString& name, const QString& callsign, const QString& model, const QString& head,
                    const QString& body, const QString& legs, QStringView levels, const QString& entries)
{
    return {name, callsign, model, head, body, legs, LevelsOf(levels), EntriesOf(entries)};
}

QByteArray CrLfBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeFileText(line) + "\r\n";
    return bytes;
}

QByteArray ReadTestFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Junk(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(i * 7919 % 251);
    return bytes;
}

EquipmentCatalogue CatalogueOf(const QStringList& rows)
{
    WeaponsFileContent content =
        ReadWeaponsFile((QStringList{WeaponsHeader} + rows).join(u'\n'), u"InternalName"_s);
    if (content.Error)
        qFatal("bad test catalogue row %lld", static_cast<long long>(content.Error->LineNumber));
    return EquipmentCatalogue(std::move(content.Items));
}

QStringList StandardItems()
{
    return QString::fromLatin1(ReadTestFile(u"" ROSTERMAKER_STANDARD_WEAPONS ""_s))
        .split(u"\r\n"_s, Qt::SkipEmptyParts)
        .mid(1);
}

void MakeStandardGame(GameFolder& game, const QStringList& extraItems)
{
    game.WriteSettings({"[Application]", ModelsSetting});
    game.WriteWeapons(StandardItems() + extraItems);
    game.AddModel(u"trooper"_s, {"head people/trooper", "body people/trooper", "legs people/trooper"},
                  {"head_001.tga", "head_002.tga", "body_002.tga", "legs_003.tga"});
    game.AddModel(u"urban"_s, {"head people/urban", "legs people/urban"}, {"head_u01.tga", "legs_u02.tga"});
}

QString GameFolder::Path(const QString& relative) const
{
    return QDir::toNativeSeparators(relative.isEmpty() ? Dir.path() : Dir.filePath(relative));
}

void GameFolder::AddModel(const QString& name, const QStringList& skinFolderLines, const QStringList& images)
{
    const QString folder = u"main/models/people/"_s + name;
    QDir(Dir.path()).mkpath(folder);
    if (!skinFolderLines.isEmpty())
        AddFile(folder + u"/skinfolder.txt"_s, CrLfBytes(skinFolderLines));
    for (const QString& image : images)
        AddFile(folder + u'/' + image);
}

void GameFolder::AddFile(const QString& relative, const QByteArray& bytes)
{
    QFile file(Dir.filePath(relative));
    if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size())
        qWarning("could not write %s", qPrintable(relative));
}
