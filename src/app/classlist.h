#pragma once

#include <QString>
#include <QStringList>

// The class names of the class files in folder ("*.cfg", any case), in listing order: each file name cut
// before its first "." (Alpha.old.cfg is the class Alpha).
QStringList ClassNamesInFolder(const QString& folder);

// The file name cut before its first ".".
QString ClassNameOfFile(const QString& fileName);
