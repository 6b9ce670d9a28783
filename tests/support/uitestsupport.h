#pragma once

#include "support/testsupport.h"
#include "ui/form1.h"
#include "ui/seams.h"
#include "ui/startup.h"

#include <QComboBox>
#include <QListWidget>
#include <QLocale>
#include <QSlider>
#include <QTableView>
#include <memory>

// Records the messages the program shows, instead of showing boxes, and how often it asked to end.
class RecordingSeams : public MessageBoxes, public ProgramEnd {
public:
    void Show(const QString& text) override { Shown.append(text); }
    void End() override { ++Ends; }
    QStringList Shown;
    int Ends = 0;
};

// A game folder and the editor started on it, recording.
class EditorGame : public GameFolder, public RecordingSeams {
public:
    // The start-up order; the window, active on screen as on a desktop, or null when the program ended.
    Form1* Start()
    {
        QLocale::setDefault(QLocale::c()); // weights with "." unless a test says otherwise
        Editor = Main(Location(), *this, *this);
        if (!Editor)
            return nullptr;
        Editor->Window->activateWindow();
        if (!QTest::qWaitForWindowActive(Editor->Window.get()))
            qWarning("the window did not become active");
        return Editor->Window.get();
    }

    std::unique_ptr<RunningEditor> Editor;
};

// Window gestures as the system delivers them.

// A click (twice: a double-click) on the item of the view, as the system delivers them: a double-click
// comes after a click.
inline void ClickItem(QAbstractItemView* view, const QModelIndex& index, bool twice)
{
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

inline void DoubleClickListEntry(Form1& window, int index)
{
    ClickItem(window.List1, window.List1->model()->index(index, 0), true);
}

// Moves the slider by key presses.
inline void MoveSlider(QSlider* slider, int level)
{
    slider->setFocus();
    while (slider->value() != level)
        QTest::keyClick(slider, slider->value() < level ? Qt::Key_Right : Qt::Key_Left);
}

// The skill levels in proficiency order, from the left.
inline void SetLevels(Form1& window, QStringView levels)
{
    for (qsizetype i = 0; i < levels.size(); ++i)
        MoveSlider(window.SkillSliders[std::size_t(i)], levels[i].digitValue());
}

inline void DoubleClickGridItems(Form1& window, const QStringList& itemNames)
{
    const QAbstractItemModel* grid = window.MSHFlexGrid1->model();
    for (const QString& name : itemNames) {
        const QModelIndexList found =
            grid->match(grid->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        ClickItem(window.MSHFlexGrid1, found.first().siblingAtColumn(1), true); // any cell gives the row
    }
}

inline void PickComboEntry(QComboBox* box, const QString& text)
{
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    box->showPopup();
    ClickItem(box->view(), box->view()->model()->index(index, 0), false);
}
