#include "support/testsupport.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray CrLfBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeWindows1252(line) + "\r\n";
    return bytes;
}

bool WriteTestFile(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray ReadTestFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

Equipment Item(const QString& internalName, const QString& displayName, qint16 costPoints, float weight)
{
    Equipment item;
    item.InternalName = internalName;
    item.DisplayName = displayName;
    item.CostPoints = costPoints;
    item.Weight = weight;
    return item;
}
