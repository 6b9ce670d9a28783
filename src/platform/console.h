#pragma once

#include <optional>

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
    bool ShowsColours(Stream stream) const
    {
        return stream == Stream::Output ? Output.Colours : Error.Colours;
    }

private:
    struct StreamState {
        bool Colours = false;
        std::optional<unsigned long> PreviousMode; // the console's mode before colours were turned on
    };
    StreamState Output;
    StreamState Error;
    std::optional<unsigned int> PreviousCodePage; // the code page before UTF-8 was set
};
