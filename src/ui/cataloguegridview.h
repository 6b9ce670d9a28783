#pragma once

#include <QTableView>

// The catalogue grid as a list of whole rows: the current row is always the selected one, so it shows
// wherever the keyboard moves it, and Home and End go to the first and the last row whatever was current
// before, also when nothing was.
class CatalogueGridView final : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};
