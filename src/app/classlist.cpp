#include "app/classlist.h"

#include "platform/listing.h"

QString ClassNameOfFile(const QString& fileName)
{
    const qsizetype dot = fileName.indexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

QStringList ClassNamesInFolder(const QString& folder)
{
    QStringList names;
    for (const QString& fileName : ListFiles(folder, QStringLiteral("*.cfg")))
        names.append(ClassNameOfFile(fileName));
    return names;
}
