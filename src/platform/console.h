#pragma once

// The console that a console program writes to. Its text is UTF-8 on every system: on Windows the
// console is switched to the UTF-8 code page while an instance lives, and switched back after, so that
// names outside the system's code page print as themselves. On Windows a console is also switched to
// process the ANSI escape sequences of colours while an instance lives, where it can.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

    enum class Stream { Output, Error };

    // True when the stream is a terminal that shows colours written as ANSI escape sequences: a terminal
    // whose TERM is not "dumb" elsewhere, a console that processes them on Windows. False for a file or a
    // pipe.
    bool ShowsColours(Stream stream) const { return Colours[stream == Stream::Output ? 0 : 1]; }

private:
    unsigned int PreviousCodePage = 0; // 0: left as it was
    bool Colours[2] = {false, false};  // standard output, standard error
#ifdef _WIN32
    unsigned long PreviousModes[2] = {0, 0};
    bool ModeChanged[2] = {false, false};
#endif
};
