#include "commands/keycommands.h"
#include "commands/saveclass.h"
#include "platform/keys.h"
#include "ui/form1.h"
#include "ui/inputguards.h"
#include "ui/seams.h"
#include "ui/tooltips.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>

// The window's key preview: the keyboard commands and the keys that add and remove items, wherever the focus
// is; the input kept from the controls; the controls' wrapped tool tips.

bool Form1::IsPartOfWindow(const QWidget* widget) const
{
    // A combo box's open list is a window of its own; message boxes are not part of this one.
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == this)
            return true;
        if (w->isWindow() && w->windowType() != Qt::Popup)
            return false;
    }
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the application passes here (paints, timers, mouse moves): only these five are looked
    // at further.
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::Wheel &&
        type != QEvent::FocusIn && type != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !IsPartOfWindow(widget))
        return QWidget::eventFilter(watched, event);
    if (type == QEvent::ToolTip) // the controls' tool tips, the long ones wrapped
        return ShowWrappedToolTip(widget, static_cast<QHelpEvent&>(*event)) ||
               QWidget::eventFilter(watched, event);
    if (type == QEvent::FocusIn)
        OnFocusIn(widget);
    if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
        if (PreviewKey(widget, static_cast<QKeyEvent*>(event)))
            return true;
    }
    if (SwallowsUnintendedInput(widget, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool Form1::PreviewKey(QWidget* target, QKeyEvent* key)
{
    const KeyCommand command =
        KeyCommandFor(VirtualKeyCode(key->key(), key->nativeScanCode(), key->nativeVirtualKey()),
                      ShiftState(key->modifiers()));
    const bool inOpenList = target->window() != this;
    if (command != KeyCommand::None && !(inOpenList && key->key() == Qt::Key_Escape)) {
        // ShortcutOverride: claim the key so that the buttons' access keys do not also fire.
        key->accept();
        if (key->type() == QEvent::KeyPress) {
            if (inOpenList)
                ClosePopup(target->window());
            RunGuarded([this, command] { OnKeyCommand(command); });
        }
        return true;
    }
    if (key->type() != QEvent::KeyPress || key->modifiers() & ~Qt::KeypadModifier)
        return false;
    const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (target == MSHFlexGrid1 && isReturn) {
        RunGuarded([this] { AddSelectedItem(); });
        return true;
    }
    if (target == List1 && key->key() == Qt::Key_Delete) {
        if (QListWidgetItem* current = List1->currentItem())
            current->setSelected(true);
        RunGuarded([this] { OnListDoubleClick(); });
        return true;
    }
    return false;
}

void Form1::ClosePopup(QWidget* popup)
{
    if (auto* box = qobject_cast<QComboBox*>(popup->parentWidget()))
        box->hidePopup();
    else
        popup->close();
}

void Form1::OnKeyCommand(KeyCommand command)
{
    switch (command) {
    case KeyCommand::EndProgram:
        Context.End.End();
        break;
    case KeyCommand::ClearClass:
        ClearClass();
        break;
    case KeyCommand::SaveClass:
        if (const std::optional<QString> refusal = AltSaveRefusal(PointsAvailable->text()))
            Context.Messages.Show(*refusal);
        else
            SaveClass();
        break;
    case KeyCommand::None:
        break;
    }
}

void Form1::OnFocusIn(QWidget* target)
{
    if (target == Callsign)
        OnCallsignFocus();
    else if (target == ClassName)
        ClassName->lineEdit()->selectAll(); // typing a name replaces the one shown, as on Windows
}

void Form1::OnCallsignFocus()
{
    if (Callsign->text() == DefaultCallsign)
        Callsign->clear();
}
