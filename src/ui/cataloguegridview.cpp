#include "ui/cataloguegridview.h"

QModelIndex CatalogueGridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction == MoveHome || cursorAction == MoveEnd)
        modifiers |= Qt::ControlModifier; // a table's Ctrl+Home and Ctrl+End: the first and the last row
    return QTableView::moveCursor(cursorAction, modifiers);
}

void CatalogueGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid() && !selectionModel()->isRowSelected(current.row(), current.parent()))
        selectRow(current.row());
}
