// rostermaker-check: the console checker of class files, beside the editor.

#include "checker/checkerrun.h"
#include "platform/console.h"
#include "platform/executable.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rostermaker-check"));
    const Utf8Console console;
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The editor's settings file lies beside the checker, under the editor's name.
    const ExecutableLocation executable = CurrentExecutable();
    return RunChecker(QCoreApplication::arguments(),
                      ProgramLocation{executable.Folder, EditorBaseName(), NativePathStyle()}, out, err);
}
