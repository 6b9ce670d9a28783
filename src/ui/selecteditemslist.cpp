#include "ui/selecteditemslist.h"

QModelIndex SelectedItemsList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if ((cursorAction == MoveHome || cursorAction == MoveEnd) && count() > 0)
        return indexFromItem(item(cursorAction == MoveHome ? 0 : count() - 1));
    return QListWidget::moveCursor(cursorAction, modifiers);
}
