#include "platform/executable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ExecutableBaseName(const QString& fileName, PathStyle style)
{
    if (style == PathStyle::Windows && fileName.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        return fileName.chopped(4);
    return fileName;
}

ExecutableLocation CurrentExecutable()
{
    const QFileInfo file(QCoreApplication::applicationFilePath());
    return {QDir::toNativeSeparators(file.absolutePath()),
            ExecutableBaseName(file.fileName(), NativePathStyle())};
}
