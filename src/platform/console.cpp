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

// Whether the console behind handle processes escape sequences, after asking it to: Windows 10 and later
// consoles do, older ones refuse. GetConsoleMode fails for a file or a pipe.
bool TurnOnEscapeSequences(HANDLE handle, std::optional<unsigned long>& previousMode)
{
    DWORD mode{};
    const bool turnedOn =
        GetConsoleMode(handle, &mode) && SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    if (turnedOn)
        previousMode = mode;
    return turnedOn;
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
    // Without a console the output goes to a file or a pipe, and the code page cannot be set.
    const UINT previous = GetConsoleOutputCP();
    if (SetConsoleOutputCP(CP_UTF8))
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
    // In the reverse order: when both streams are one console, standard error found the mode that
    // standard output had set.
    RestoreMode(GetStdHandle(STD_ERROR_HANDLE), Error.PreviousMode);
    RestoreMode(GetStdHandle(STD_OUTPUT_HANDLE), Output.PreviousMode);
#endif
}
