#include "ui/sortedcombobox.h"

#include "platform/listing.h"

#include <QLineEdit>

int AddSortedItem(QComboBox* box, const QString& text)
{
    // After the last entry that sorts before or with the text, as a sorted list box adds equal entries.
    int low = 0;
    int high = box->count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (CompareWithoutCase(box->itemText(middle), text) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    const QString shownText = box->currentText();
    box->insertItem(low, text);
    // Inserting into an empty list would make the new entry the text; the text changes only on a pick.
    if (box->currentText() != shownText)
        box->setEditText(shownText);
    return low;
}

QComboBox* NewEditableComboBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    // The box takes its text field's Return and the end of its editing (the focus leaving it) as a pick of
    // the entry that the text equals: typing a class's name and pressing Tab would load that class.
    QObject::disconnect(box->lineEdit(), &QLineEdit::returnPressed, box, nullptr);
    QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
    box->setMaxVisibleItems(20);
    return box;
}

QStringList ComboEntries(const QComboBox* box)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries.append(box->itemText(i));
    return entries;
}
