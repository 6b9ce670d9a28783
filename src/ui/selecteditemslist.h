#pragma once

#include <QListWidget>

// The list of the class's items (List1): Home and End go to the first and the last entry whatever was
// current before, also when nothing was (a click below the entries gives it the focus without a current
// entry, and QListView would then take the first entry for either key).
class SelectedItemsList final : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};
