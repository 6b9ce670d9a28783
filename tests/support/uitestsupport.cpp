#include "support/uitestsupport.h"

#include "support/testsupport.h"

#include <QAbstractItemView>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

GameFolder::GameFolder()
{
    QDir(Dir.path()).mkpath(QStringLiteral("tool/characters"));
}

QString GameFolder::Path(const QString& relative) const
{
    return QDir::toNativeSeparators(relative.isEmpty() ? Dir.path() : Dir.filePath(relative));
}

void GameFolder::WriteSettings(const QStringList& lines)
{
    WriteTestFile(Path(QStringLiteral("tool/rostermaker.ini")), CrLfBytes(lines));
}

void GameFolder::WriteWeapons(const QStringList& lines)
{
    WriteTestFile(Path(QStringLiteral("weapons.csv")), CrLfBytes(lines));
}

void GameFolder::WriteClass(const QString& fileName, const QStringList& lines)
{
    WriteTestFile(Path(QStringLiteral("tool/characters/") + fileName), CrLfBytes(lines));
}

void GameFolder::AddModel(const QString& name, const QStringList& skinFolderLines, const QStringList& images)
{
    const QString folder = QStringLiteral("models/people/") + name;
    QDir(Dir.path()).mkpath(folder);
    if (!skinFolderLines.isEmpty())
        WriteTestFile(Path(folder + QStringLiteral("/skinfolder.txt")), CrLfBytes(skinFolderLines));
    for (const QString& image : images)
        AddFile(folder + u'/' + image);
}

void GameFolder::AddFile(const QString& relative, const QByteArray& bytes)
{
    WriteTestFile(Path(relative), bytes);
}

void GameFolder::CopyDemo()
{
    const QString demo = QStringLiteral(ROSTERMAKER_DEMO_DATA);
    QDirIterator files(demo, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = Path(QDir(demo).relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

RunningEditor* GameFolder::Start()
{
    Editor =
        Main(ProgramLocation{ToolFolder(), QStringLiteral("rostermaker"), NativePathStyle()}, Messages, End);
    if (Editor) {
        // As on a desktop: the window is on screen and active, so focus changes and clicks reach it.
        Form1* window = Editor->Window.get();
        if (!QTest::qWaitForWindowExposed(window))
            qWarning("the window was not exposed");
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the window did not become active");
    }
    return Editor.get();
}

QStringList StandardWeapons()
{
    return {
        QStringLiteral(
            "InternalName,DisplayName,EquipmentType,CostPoints,Weight,AmmoWeightPerUnit,"
            "AmmoUnitsIncludedWithPointCost,NameOfAmmoUnit,ShotsPerAmmoUnit,NameOfShot,ItemRestriction,"
            "SpecialModes,"),
        QStringLiteral("m4a1,M4A1,rifle,5,3.4,0.5,4,magazines,30,rounds,0,,"),
        QStringLiteral("lbv,Load Bearing Vest,equipment,2,1.5,,,,,,1,,"),
        QStringLiteral("frag,Frag Grenade,grenade,1,0.5,,,,,,0,,"),
        QStringLiteral("thermite,Thermite,grenade,2,0.6,,,,,,2,,"),
        QStringLiteral("m249,M249 SAW,mg,7,7.5,2,3,belts,100,rounds,0,,"),
        QStringLiteral("c4,C4 Charge,explosive,4,1,,,,,,0,explosivesskill,"),
        QStringLiteral("medkit,Medkit,equipment,2,1,,,,,,0,medicskill,"),
        QStringLiteral("tags,Dog Tags,equipment,0,0.1,,,,,,0,,"),
        QStringLiteral("crate,Crate,equipment,1,21.08,,,,,,0,,"),
        QStringLiteral("banned,Banned Item,equipment,1,1,,,,,,-1,,"),
    };
}

int GridRowOf(const Form1& window, const QString& itemName)
{
    const QAbstractItemModel* model = window.MSHFlexGrid1->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == itemName)
            return row;
    }
    return -1;
}

void DoubleClickGridRow(Form1& window, int row)
{
    QTableView* grid = window.MSHFlexGrid1;
    const QModelIndex cell = grid->model()->index(row, 1); // any cell of the row gives the row's name
    grid->scrollTo(cell);
    // As the system delivers it: a click, then the double-click (QTest sends the latter alone).
    const QPoint centre = grid->visualRect(cell).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
}

void DoubleClickGridItem(Form1& window, const QString& itemName)
{
    const int row = GridRowOf(window, itemName);
    QVERIFY2(row >= 0, qPrintable(itemName));
    DoubleClickGridRow(window, row);
}

void DoubleClickListEntry(Form1& window, int index)
{
    QListWidget* list = window.List1;
    QListWidgetItem* item = list->item(index);
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    // As the system delivers it: a click, then the double-click (QTest sends the latter alone).
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void MoveSlider(QSlider* slider, int level)
{
    slider->setFocus();
    while (slider->value() < level)
        QTest::keyClick(slider, Qt::Key_Right);
    while (slider->value() > level)
        QTest::keyClick(slider, Qt::Key_Left);
}

void PickComboEntry(QComboBox* box, const QString& text)
{
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

QStringList ListEntries(const QListWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    return entries;
}
