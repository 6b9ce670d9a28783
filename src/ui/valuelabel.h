#pragma once

#include <QLabel>
#include <QString>

// The width a one-line label needs for its text: at least its given width, at most widest (the room up to
// the next control on its right), so that no caption is cut off and none grows over another control.
int FittedLabelWidth(const QLabel& label, int givenWidth, int widestWidth);

// A label that shows a value the window computes (the points, the weight, the movement, the load mode).
// A screen reader reads it with its caption ("Points Available: 30") and hears of every change; a
// one-line value grows to the right as far as its text needs, within the room measured when it is placed.
class ValueLabel final : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& caption, QWidget* parent);

    // The room on the label's right, measured once the window's controls are placed; until then the value
    // keeps the label's given width.
    void SetWidestWidth(int widestWidth);

    void ShowValue(const QString& text);

private:
    void Fit();

    QString Caption;
    int GivenWidth = 0;
    int WidestWidth = 0;
};
