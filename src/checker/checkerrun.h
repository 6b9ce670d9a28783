#pragma once

#include "app/appsettings.h"

#include <QStringList>
#include <QTextStream>

// rostermaker-check: judges class files as the editor would, without its window.
//
// arguments: the command line, the program first. editor: where the editor lies whose settings file the
// checker reads unless --settings names another. The report goes to out, the settings' and the models'
// messages and the reasons why the check could not run to err. Returns the exit status: 0 when no class
// has an error, 1 when one has, 2 when the check could not run (a bad option, a settings file named that
// cannot be read, a weapons file the editor would not start with, a named file or folder that does not
// exist). Needs a QCoreApplication. Writes nothing to disk.
int RunChecker(const QStringList& arguments, const ProgramLocation& editor, QTextStream& out,
               QTextStream& err);

// The editor's base name, which its settings file bears: "Rostermaker" on Windows, "rostermaker" elsewhere.
QString EditorBaseName();
