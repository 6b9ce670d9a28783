#include "platform/console.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

Utf8Console::Utf8Console()
{
#ifdef Q_OS_WIN
    const UINT previous = GetConsoleOutputCP(); // 0 without a console: the output goes to a file or pipe
    if (previous != 0 && previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        PreviousCodePage = previous;
#endif
}

Utf8Console::~Utf8Console()
{
#ifdef Q_OS_WIN
    if (PreviousCodePage != 0)
        SetConsoleOutputCP(PreviousCodePage);
#endif
}
