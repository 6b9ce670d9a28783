#pragma once

#include "platform/paths.h"

#include <QString>

// Where the running program lies.
struct ExecutableLocation {
    QString Folder;   // native path, without a final separator except at the root ("C:\", "/")
    QString BaseName; // the name its settings file bears, before ".ini" (see ExecutableBaseName)
};

// The executable's name without its extension: on Windows ".exe" (in any case) is taken off, elsewhere
// executables have none, so the whole name counts ("rostermaker-1.2" stays "rostermaker-1.2").
QString ExecutableBaseName(const QString& fileName, PathStyle style);

// Needs a QCoreApplication.
ExecutableLocation CurrentExecutable();
