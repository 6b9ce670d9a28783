#pragma once

#include <QLabel>
#include <QString>

// The line at the window's foot that tells what a load passed over or read otherwise. It shows one line,
// cut with "..." where the window is too narrow for it, and every note in its tool tip, which it also
// shows while it has the focus: it takes the focus by Tab while it has something to tell. A screen reader
// reads it as it appears, with every note as its description.
class LoadNoteLabel final : public QLabel {
    Q_OBJECT
public:
    explicit LoadNoteLabel(QWidget* parent);

    // summary on the line, details in the tool tip; both empty: nothing to tell.
    void ShowNote(const QString& summary, const QString& details);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
