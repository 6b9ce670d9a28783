#include "support/testsupport.h"

#include "catalogue/weaponsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

const QString WeaponsHeader = u"InternalName,DisplayName,EquipmentType,CostPoints,Weight,AmmoWeightPerUnit,"
                              "AmmoUnitsIncludedWithPointCost,NameOfAmmoUnit,ShotsPerAmmoUnit,NameOfShot,"
                              "ItemRestriction,SpecialModes,"_s;

void AddTableRowsFrom(const QString& path)
{
    QTest::addColumn<QStringList>("row");
    const QRegularExpression escape(u"\\\\(x[0-9A-F]{2}|u[0-9A-F]{4}|[rnt0s])"_s);
    const QStringList lines = QString::fromUtf8(ReadTestFile(path)).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        if (line.startsWith(u'#'))
            continue;
        QStringList fields;
        for (const QString& raw : line.split(u'|')) {
            QString field = raw.trimmed();
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
        QTest::newRow(qPrintable(fields.first())) << fields;
    }
    if (lines.isEmpty())
        qFatal("no table in %s", qPrintable(path));
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
