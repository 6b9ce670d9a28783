#pragma once

#include <QComboBox>
#include <QString>

// The combo boxes keep their lists sorted without regard to case: every entry is inserted at its place.
// Returns the entry's index.
int AddSortedItem(QComboBox* box, const QString& text);

// An editable combo box as the window uses it: typing changes only its text (never its list), and no
// completer offers entries. Only a pick from the list counts (QComboBox::activated); the window keeps the
// other ways Qt has to activate an entry away from it (see SwallowsUnintendedInput).
QComboBox* NewEditableComboBox(QWidget* parent);

// The entries of the box's list, in order.
QStringList ComboEntries(const QComboBox* box);
