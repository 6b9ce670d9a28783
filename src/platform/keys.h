#pragma once

#include <Qt>
#include <QtGlobal>

// Keys as Windows reports them to a key-down handler: a virtual-key code and a shift state.

// The virtual-key code of a key press, for the keys that have commands: the letters A to Z (65 to 90),
// the digits (48 to 57) and Escape (27); 0 for any other key. A letter key gives the code of the Latin
// letter it bears, whatever the keyboard layout: where the layout types a Latin letter, that letter (an
// AZERTY "A" is A); where it types another script (the Russian "Ф"), the Latin letter of the physical
// key, which Windows reports as the native virtual key and X11 and Wayland as the key's scan code. Keys
// that type punctuation in the layout have no command.
int VirtualKeyCode(int qtKey, quint32 nativeScanCode, quint32 nativeVirtualKey);

// The shift state as a bit set of these.
inline constexpr int ShiftBit = 1;
inline constexpr int CtrlBit = 2;
inline constexpr int AltBit = 4;
int ShiftState(Qt::KeyboardModifiers modifiers);
