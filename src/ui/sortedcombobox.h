#pragma once

#include <QComboBox>
#include <QString>

// The combo boxes keep their lists sorted without regard to case: every entry is inserted at its place.
// Returns the entry's index.
int AddSortedItem(QComboBox* box, const QString& text);

// An editable combo box as the window uses it: typing changes only its text (never its list), and no
// completer offers entries. Only a pick from the list counts (QComboBox::activated): neither Return in the
// text nor leaving it activates the entry that the text equals, and the window keeps the wheel and the
// keys that step through the entries away from it (see SwallowsUnintendedInput).
QComboBox* NewEditableComboBox(QWidget* parent);

// The entries of the box's list, in order.
QStringList ComboEntries(const QComboBox* box);
