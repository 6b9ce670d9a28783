#pragma once

// The window's keyboard commands, which work wherever the focus is.
enum class KeyCommand { None, EndProgram, ClearClass, SaveClass };

// The command of a virtual-key code and shift state (see platform/keys.h): Escape ends the program
// whatever the modifiers; with Alt alone, A clears the class, S saves it and C ends the program. Anything
// else is no command.
KeyCommand KeyCommandFor(int keyCode, int shiftState);
