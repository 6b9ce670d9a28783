#pragma once

#include "app/appsettings.h"

#include <QStringList>
#include <QTextStream>

// Which of the streams are terminals that show colours (see Utf8Console::ShowsColours).
struct ColourTerminals {
    bool Out = false;
    bool Err = false;
};

// rostermaker-check: judges class files as the editor would, without its window.
//
// arguments: the command line, the program first. editor: where the editor lies whose settings file the
// checker reads unless --settings names another. The report goes to out; what kept the check from running,
// the notes and a report that could not be written are told on err. Every path named is checked that can
// be. Returns the exit status: 0 when every path was checked and no class has an error (nor a warning,
// with --warnings-as-errors), 1 when one has, 2 when anything could not be checked (a path, the settings
// file named, the weapons file), an option is wrong or the report could not be written; 2 wins over 1.
// Needs a QCoreApplication. Writes nothing to disk.
int RunChecker(const QStringList& arguments, const ProgramLocation& editor, QTextStream& out,
               QTextStream& err, ColourTerminals terminals = {});

// The editor's base name, which its settings file bears: "Rostermaker" on Windows, "rostermaker" elsewhere.
QString EditorBaseName();
