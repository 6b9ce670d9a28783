#pragma once

// The window's keyboard commands, which work wherever the focus is.
enum class KeyCommand { None, EndProgram, ClearClass, SaveClass };

// Shift state bits, as the key-down handler receives them.
inline constexpr int ShiftBit = 1;
inline constexpr int CtrlBit = 2;
inline constexpr int AltBit = 4;

// The command of a virtual-key code and shift state: Escape ends the program whatever the modifiers; with
// Alt alone, A clears the class, S saves it and C ends the program. Anything else is no command.
KeyCommand KeyCommandFor(int keyCode, int shiftState);
