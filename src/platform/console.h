#pragma once

// The console that a console program writes to. Its text is UTF-8 on every system: on Windows the
// console is switched to the UTF-8 code page while an instance lives, and switched back after, so that
// names outside the system's code page print as themselves.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    unsigned int PreviousCodePage = 0; // 0: left as it was
};
