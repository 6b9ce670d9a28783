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

HANDLE StreamHandle(int stream)
{
    return GetStdHandle(stream == 0 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

} // namespace
#endif

Utf8Console::Utf8Console()
{
#ifdef Q_OS_WIN
    const UINT previous = GetConsoleOutputCP(); // 0 without a console: the output goes to a file or pipe
    if (previous != 0 && previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        PreviousCodePage = previous;
    // GetConsoleMode fails for a file or a pipe; Windows 10 and later consoles take escape sequences once
    // asked to, older ones refuse.
    for (int stream = 0; stream < 2; ++stream) {
        DWORD mode = 0;
        if (!GetConsoleMode(StreamHandle(stream), &mode))
            continue;
        if (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) {
            Colours[stream] = true;
        } else if (SetConsoleMode(StreamHandle(stream), mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING)) {
            Colours[stream] = true;
            PreviousModes[stream] = mode;
            ModeChanged[stream] = true;
        }
    }
#else
    const bool dumb = qgetenv("TERM") == "dumb";
    Colours[0] = !dumb && isatty(STDOUT_FILENO) == 1;
    Colours[1] = !dumb && isatty(STDERR_FILENO) == 1;
#endif
}

Utf8Console::~Utf8Console()
{
#ifdef Q_OS_WIN
    if (PreviousCodePage != 0)
        SetConsoleOutputCP(PreviousCodePage);
    for (int stream = 0; stream < 2; ++stream) {
        if (ModeChanged[stream])
            SetConsoleMode(StreamHandle(stream), PreviousModes[stream]);
    }
#endif
}
