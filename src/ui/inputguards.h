#pragma once

class QEvent;
class QWidget;

// Input that a user makes without meaning to change the class is kept from the window's controls:
//  - the wheel over a combo box whose list is closed, and over a slider that does not have the keyboard
//    focus (the grid, the list and an open drop-down list still scroll);
//  - in a combo box whose list is closed, every key that would step to another entry (Up, Down, Page Up,
//    Page Down with or without modifiers): alone they open the list, with modifiers they do nothing. Only a
//    pick from the open list loads a class or picks a model. Alt+Up, Alt+Down and F4 open the list and
//    close it again without picking;
//  - Alt with a key that types (Alt+B, Shift+Alt+S): Windows types nothing then. Ctrl+Alt, which is
//    AltGr on Windows, still types.
// Returns true when the event must not reach target.
bool SwallowsUnintendedInput(QWidget* target, QEvent* event);
