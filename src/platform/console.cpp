#include "platform/console.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#ifndef ENABLE_VIRTUAL_TERMINAL_PROCESSING
#define ENABLE_VIRTUAL_TERMINAL_PROCESSING 0x0004
#endif
#else
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
namespace {

// Whether the console behind handle processes escape sequences, asking it to when it does not yet:
// Windows 10 and later consoles do once asked, older ones refuse. GetConsoleMode fails for a file or a
// pipe.
bool TurnOnEscapeSequences(HANDLE handle, std::optional<unsigned long>& previousMode)
{
    DWORD mode{};
    if (!GetConsoleMode(handle, &mode))
        return false;
    if (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING)
        return true;
    if (!SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING))
        return false;
    previousMode = mode;
    return true;
}

void RestoreMode(HANDLE handle, const std::optional<unsigned long>& previousMode)
{
    if (previousMode)
        SetConsoleMode(handle, *previousMode);
}

} // namespace
#endif

Utf8Console::Utf8Console()
{
#ifdef Q_OS_WIN
    // Without a console the output goes to a file or a pipe: the code page reads 0 and cannot be set.
    const UINT previous = GetConsoleOutputCP();
    if (previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        PreviousCodePage = previous;
    Output.Colours = TurnOnEscapeSequences(GetStdHandle(STD_OUTPUT_HANDLE), Output.PreviousMode);
    Error.Colours = TurnOnEscapeSequences(GetStdHandle(STD_ERROR_HANDLE), Error.PreviousMode);
#else
    const bool dumb = qgetenv("TERM") == "dumb";
    Output.Colours = !dumb && isatty(STDOUT_FILENO);
    Error.Colours = !dumb && isatty(STDERR_FILENO);
#endif
}

Utf8Console::~Utf8Console()
{
#ifdef Q_OS_WIN
    if (PreviousCodePage)
        SetConsoleOutputCP(*PreviousCodePage);
    RestoreMode(GetStdHandle(STD_OUTPUT_HANDLE), Output.PreviousMode);
    RestoreMode(GetStdHandle(STD_ERROR_HANDLE), Error.PreviousMode);
#endif
}
