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

bool SwallowsWheel(QWidget* target)
{
    if (ComboBoxOf(target))
        return true; // an open list is a window of its own and gets its wheel events itself
    const auto* slider = qobject_cast<QSlider*>(target); // not the scroll bars of the grid and the list
    return slider && !slider->hasFocus();
}

bool SwallowsComboBoxKey(QComboBox* box, const QKeyEvent& key)
{
    const bool stepsThroughEntries = key.key() == Qt::Key_Up || key.key() == Qt::Key_Down ||
                                     key.key() == Qt::Key_PageUp || key.key() == Qt::Key_PageDown;
    // Alt+Down opens the list itself; Ctrl with the arrows is the text field's.
    if (!stepsThroughEntries || key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    box->showPopup();
    return true;
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
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (TypesWithAlt(key))
        return true;
    QComboBox* box = ComboBoxOf(target);
    return box && box->isEditable() && SwallowsComboBoxKey(box, key);
}
