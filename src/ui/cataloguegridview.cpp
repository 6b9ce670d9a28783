#include "ui/cataloguegridview.h"

QModelIndex CatalogueGridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // QTableView takes the first cell for any key while no cell is current (after a click on the scroll bar,
    // say), and Home and End within the row otherwise.
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    if ((cursorAction == MoveHome || cursorAction == MoveEnd) && rows > 0) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        return model()->index(cursorAction == MoveHome ? 0 : rows - 1, column, rootIndex());
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

void CatalogueGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid() && !selectionModel()->isRowSelected(current.row(), current.parent()))
        selectRow(current.row());
}
