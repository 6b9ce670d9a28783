// rostermaker-check: the console checker of class files, beside the editor.

#include "checker/checkerrun.h"
#include "platform/console.h"
#include "platform/executable.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rostermaker-check"));
    const Utf8Console console;
    // Standard output and error (descriptors 1 and 2 on every system) unbuffered, so that a failed write
    // (a full disk) shows in the stream's status with the system's reason. A closed pipe ends the program
    // by its signal, as it ends other console programs.
    QFile output, errorOutput;
    if (!output.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !errorOutput.open(2, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;
    QTextStream out(&output);
    QTextStream err(&errorOutput);
    // The editor's settings file lies beside the checker, under the editor's name.
    const ExecutableLocation executable = CurrentExecutable();
    return RunChecker(QCoreApplication::arguments(),
                      ProgramLocation{executable.Folder, EditorBaseName(), NativePathStyle()}, out, err,
                      {console.ShowsColours(Utf8Console::Stream::Output),
                       console.ShowsColours(Utf8Console::Stream::Error)});
}
