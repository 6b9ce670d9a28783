#pragma once

#include <QString>

// The two ways the program reaches outside its window: a message to the user, and its own end. Tests put
// recorders in their place.

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box with an OK button only, no icon, titled "Halcyx Rostermaker".
    virtual void Show(const QString& text) = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the program at once, without asking or saving.
    virtual void End() = 0;
};

inline const QString ApplicationTitle = QStringLiteral("Halcyx Rostermaker");

// What the user is told when an action, or the start-up, ended by an exception (memory exhausted, for one).
QString UnexpectedFailureMessage(const char* reason);

// Shows the box over the active window.
class DialogMessageBoxes final : public MessageBoxes {
public:
    void Show(const QString& text) override;
};

// Leaves the event loop; the program then ends as main returns.
class EventLoopProgramEnd final : public ProgramEnd {
public:
    void End() override;
};
