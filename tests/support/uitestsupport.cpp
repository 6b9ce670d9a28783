#include "support/uitestsupport.h"

#include <QAbstractItemView>
#include <QTableView>
#include <QTest>

Form1* EditorGame::Start()
{
    Editor = Main(Location(), Messages, End);
    if (!Editor)
        return nullptr;
    Form1* window = Editor->Window.get();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the window did not become active");
    return window;
}

std::unique_ptr<EditorGame> StartedStandardGame()
{
    auto game = std::make_unique<EditorGame>();
    game->WriteSettings({"[Application]", ModelsSetting});
    game->WriteWeapons(StandardItems());
    game->AddModel(QStringLiteral("trooper"),
                   {"head people/trooper", "body people/trooper", "legs people/trooper"},
                   {"head_001.tga", "head_002.tga", "body_002.tga", "legs_003.tga"});
    game->WriteClass(QStringLiteral("Grenadier.cfg"),
                     {"set class \"Grenadier\"", "set callsign \"Thunder\"",
                      "set skin \"trooper/h01 b01 l01\"", "set proficiency8 explosives1",
                      "set proficiency12 strength2", "set equipment1 lbv", "set equipment2 frag",
                      "set equipment3 c4"});
    if (!game->Start())
        qWarning("the editor did not start");
    return game;
}

void DoubleClickGridRow(Form1& window, int row)
{
    QTableView* grid = window.MSHFlexGrid1;
    const QModelIndex cell = grid->model()->index(row, 1); // any cell of the row gives the row's name
    grid->scrollTo(cell);
    const QPoint centre = grid->visualRect(cell).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre); // QTest sends the double-click alone
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
}

void DoubleClickGridItem(Form1& window, const QString& itemName)
{
    const QModelIndexList found = window.MSHFlexGrid1->model()->match(
        window.MSHFlexGrid1->model()->index(0, 0), Qt::DisplayRole, itemName, 1, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(itemName));
    DoubleClickGridRow(window, found.first().row());
}

void DoubleClickListEntry(Form1& window, int index)
{
    QListWidget* list = window.List1;
    list->scrollToItem(list->item(index));
    const QPoint centre = list->visualItemRect(list->item(index)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void MoveSlider(QSlider* slider, int level)
{
    slider->setFocus();
    while (slider->value() != level)
        QTest::keyClick(slider, slider->value() < level ? Qt::Key_Right : Qt::Key_Left);
}

void PickComboEntry(QComboBox* box, const QString& text)
{
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    box->showPopup();
    QAbstractItemView* view = box->view();
    view->scrollTo(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(index, 0)).center());
}

QStringList ListEntries(const QListWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    return entries;
}
