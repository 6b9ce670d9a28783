#include "platform/executable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ExecutableLocation CurrentExecutable()
{
    const QFileInfo file(QCoreApplication::applicationFilePath());
    return {QDir::toNativeSeparators(file.absolutePath()), file.completeBaseName()};
}
