#pragma once

#include <QString>

// Where the running program lies.
struct ExecutableLocation {
    QString Folder;   // native path, without a final separator except at the root ("C:\", "/")
    QString BaseName; // file name without its extension ("Rostermaker" for Rostermaker.exe)
};

// Needs a QCoreApplication.
ExecutableLocation CurrentExecutable();
