#include "platform/executable.h"
#include "ui/seams.h"
#include "ui/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rostermaker"));

    const ExecutableLocation executable = CurrentExecutable();
    DialogMessageBoxes messages;
    EventLoopProgramEnd end;
    const std::unique_ptr<RunningEditor> editor =
        Main(ProgramLocation{executable.Folder, executable.BaseName, NativePathStyle()}, messages, end);
    if (!editor)
        return 1;
    return QApplication::exec();
}
