#include "ui/inputguards.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QSlider>

namespace {

// The combo box that target is, or whose text field it is.
QComboBox* ComboBoxOf(QWidget* target)
{
    if (auto* box = qobject_cast<QComboBox*>(target))
        return box;
    return qobject_cast<QComboBox*>(target->parentWidget());
}

// The combo box whose open list target is part of: the list is a pop-up window of the box's own.
QComboBox* OpenListOf(QWidget* target)
{
    const QWidget* popup = target->window();
    return popup->windowType() == Qt::Popup ? qobject_cast<QComboBox*>(popup->parentWidget()) : nullptr;
}

bool SwallowsWheel(QWidget* target)
{
    if (ComboBoxOf(target))
        return true; // an open list is a window of its own and gets its wheel events itself
    const auto* slider = qobject_cast<QSlider*>(target); // not the scroll bars of the grid and the list
    return slider && !slider->hasFocus();
}

Qt::KeyboardModifiers HeldModifiers(const QKeyEvent& key)
{
    return key.modifiers() & ~Qt::KeypadModifier; // the arrows of the number pad are arrows too
}

// Alt+Up, Alt+Down and F4 open a combo box's list and close it again, as on Windows.
bool TogglesList(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_F4)
        return HeldModifiers(key) == Qt::NoModifier;
    return (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) && HeldModifiers(key) == Qt::AltModifier;
}

// The keys with which QComboBox::keyPressEvent steps a closed list to another entry and reports it as
// picked (activated): the arrows and Page Up and Page Down with nearly any modifiers, Home and End when the
// box has no text field to take them.
bool StepsThroughEntries(const QComboBox& box, const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        return !box.isEditable();
    default:
        return false;
    }
}

// With the list open, the toggle keys close it without picking; the list's other keys stay its own (the
// arrows move the highlight, Return picks, Escape closes). With the list closed, the toggle keys and the
// plain stepping keys open it, and the stepping keys with modifiers do nothing.
bool SwallowsComboBoxKey(QWidget* target, QKeyEvent& key)
{
    if (QComboBox* box = OpenListOf(target)) {
        if (!TogglesList(key))
            return false;
        // The shortcut check comes first: claiming it keeps QComboBox's list from closing itself on Alt+Down
        // and F4 there and then leaving the key press to the hidden list.
        key.accept();
        if (key.type() == QEvent::KeyPress)
            box->hidePopup();
        return true;
    }
    QComboBox* box = ComboBoxOf(target);
    if (!box || key.type() != QEvent::KeyPress)
        return false;
    const bool steps = StepsThroughEntries(*box, key);
    if (TogglesList(key) || (steps && HeldModifiers(key) == Qt::NoModifier)) {
        box->showPopup();
        return true;
    }
    return steps;
}

bool TypesWithAlt(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (!(modifiers & Qt::AltModifier) || (modifiers & Qt::ControlModifier))
        return false;
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

bool SwallowsUnintendedInput(QWidget* target, QEvent* event)
{
    if (event->type() == QEvent::Wheel)
        return SwallowsWheel(target);
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    if (key.type() == QEvent::KeyPress && TypesWithAlt(key))
        return true;
    return SwallowsComboBoxKey(target, key);
}
