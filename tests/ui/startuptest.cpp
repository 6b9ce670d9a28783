#include "support/testmain.h"
#include "support/testsupport.h"
#include "support/uitestsupport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// The start-up order on game folders of several shapes.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void demoData_opensFilledWithoutMessage();
    void missingWeaponsFile_endsBeforeWindow();
    void badNumberInWeaponsFile_endsBeforeWindow();
    void missingSettingsFile_usesDefaults();
    void classList_followsNewClassSortedWithoutCase();
    void missingCharactersFolder_leavesNewClassAlone();
    void grid_showsHeadingThenItemsThatCostPoints();
    void newClass_showsBudgetAndStartingWeight();
};

void StartupTest::demoData_opensFilledWithoutMessage()
{
    GameFolder game;
    game.CopyDemo();
    RunningEditor* editor = game.Start();
    QVERIFY(editor);
    QCOMPARE(game.Messages.Shown, QStringList());
    Form1& window = *editor->Window;
    QVERIFY(window.isVisible());
    QCOMPARE(ComboEntries(window.ClassName), (QStringList{"<New Class>", "Grenadier", "Sniper"}));
    QCOMPARE(window.ClassName->currentText(), QStringLiteral("<New Class>"));
    QCOMPARE(ComboEntries(window.ModelName), (QStringList{"commando", "Ranger", "Sapper", "urban"}));
    QVERIFY(window.MSHFlexGrid1->model()->rowCount() > 30);
    QCOMPARE(GridRowOf(window, QStringLiteral("Dog Tags")), -1);
    QCOMPARE(window.HeadSkin->currentText(),
             QStringLiteral("001")); // commando's head skins, found in "People"
    QWidget* focus = window.focusWidget();
    QVERIFY(focus == window.ClassName || window.ClassName->isAncestorOf(focus));
}

void StartupTest::missingWeaponsFile_endsBeforeWindow()
{
    GameFolder game;
    game.WriteSettings({"[Application]", "Model Path=..\\models\\people"});
    game.AddModel(QStringLiteral("trooper"), {"head people/trooper"});
    QVERIFY(!game.Start());
    const QString path = QDir::toNativeSeparators(game.Path(QStringLiteral("weapons.csv")));
    QCOMPARE(
        game.Messages.Shown,
        QStringList{QStringLiteral("Error : Unable to open file ") + path +
                    QStringLiteral(" for read access. Check the following:\r\n"
                                   " - Check to ensure that the file exists. \r\n"
                                   " - If using NTFS check file permissions. \r\n"
                                   " - Check to ensure no other applications are holding the file open.\r\n"
                                   "\r\nThe Application will not run without this file.")});
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<Form1*>(widget));
}

void StartupTest::badNumberInWeaponsFile_endsBeforeWindow()
{
    GameFolder game;
    game.WriteSettings({"[Application]"});
    game.WriteWeapons({"InternalName,DisplayName,CostPoints,", "m4,M4A1,five,"});
    QVERIFY(!game.Start());
    QCOMPARE(game.Messages.Shown.size(), 1);
    QVERIFY(game.Messages.Shown.first().contains(QStringLiteral("line 2, column 3 (CostPoints): \"five\"")));
    QVERIFY(game.Messages.Shown.first().endsWith(
        QStringLiteral("The Application will not run without this file.")));
}

void StartupTest::missingSettingsFile_usesDefaults()
{
    GameFolder game;
    game.WriteWeapons(StandardWeapons());
    RunningEditor* editor = game.Start();
    QVERIFY(editor);
    // The settings file, then the models folder ("0" by default) are reported; the window opens all the same.
    QCOMPARE(game.Messages.Shown.size(), 2);
    QCOMPARE(game.Messages.Shown[0],
             QDir::toNativeSeparators(game.Path(QStringLiteral("tool/rostermaker.ini"))) +
                 QStringLiteral(" not found. Defaults used."));
    QCOMPARE(game.Messages.Shown[1],
             QStringLiteral(
                 "A grimvale models directory was not detected. Models and skin selection is disabled."));
    QCOMPARE(ListEntries(editor->Window->List1), QStringList{"Base (Clothing and Shoes/Boots/Knife)"});
    QVERIFY(QDir(game.Path(QStringLiteral("tool/characters"))).exists());
}

void StartupTest::classList_followsNewClassSortedWithoutCase()
{
    GameFolder game;
    game.WriteSettings({"[Application]"});
    game.WriteWeapons(StandardWeapons());
    for (const char* name : {"bravo.cfg", "Alpha.old.cfg", "Charlie.CFG", "Delta.cfg.bak", "1st.cfg"})
        game.AddFile(QStringLiteral("tool/characters/") + QString::fromLatin1(name));
    RunningEditor* editor = game.Start();
    QVERIFY(editor);
    QCOMPARE(ComboEntries(editor->Window->ClassName),
             (QStringList{"<New Class>", "1st", "Alpha", "bravo", "Charlie"}));
    QCOMPARE(editor->Window->ClassName->currentText(), QStringLiteral("<New Class>"));
}

void StartupTest::missingCharactersFolder_leavesNewClassAlone()
{
    GameFolder game;
    game.WriteSettings({"[Application]", "Character Path=\\no\\such\\folder"});
    game.WriteWeapons(StandardWeapons());
    RunningEditor* editor = game.Start();
    QVERIFY(editor);
    QVERIFY(game.Messages.Shown.first().endsWith(
        QStringLiteral(" was not found. An attempt to create the path was unsuccessfully made.")));
    QCOMPARE(ComboEntries(editor->Window->ClassName), QStringList{"<New Class>"});
}

void StartupTest::grid_showsHeadingThenItemsThatCostPoints()
{
    GameFolder game;
    game.WriteSettings({"[Application]"});
    game.WriteWeapons(StandardWeapons());
    RunningEditor* editor = game.Start();
    QVERIFY(editor);
    const QAbstractItemModel* grid = editor->Window->MSHFlexGrid1->model();
    QCOMPARE(grid->rowCount(), 10); // heading and nine items; the Dog Tags cost nothing
    const QStringList heading = {grid->index(0, 0).data().toString(), grid->index(0, 1).data().toString(),
                                 grid->index(0, 2).data().toString(), grid->index(0, 3).data().toString()};
    QCOMPARE(heading, (QStringList{"Weapons and equipment", " Points", "Weight", "Ammunition Included"}));
    const QStringList rifle = {grid->index(1, 0).data().toString(), grid->index(1, 1).data().toString(),
                               grid->index(1, 2).data().toString(), grid->index(1, 3).data().toString()};
    QCOMPARE(rifle, (QStringList{"M4A1", "5", "4.9", "4 magazines of 30 rounds"}));
    const QList<int> widths = {
        editor->Window->MSHFlexGrid1->columnWidth(0), editor->Window->MSHFlexGrid1->columnWidth(1),
        editor->Window->MSHFlexGrid1->columnWidth(2), editor->Window->MSHFlexGrid1->columnWidth(3)};
    QCOMPARE(widths, (QList<int>{300, 40, 40, 135}));
}

void StartupTest::newClass_showsBudgetAndStartingWeight()
{
    GameFolder game;
    game.WriteSettings({"[Application]"});
    game.WriteWeapons(StandardWeapons());
    RunningEditor* editor = game.Start();
    QVERIFY(editor);
    Form1& window = *editor->Window;
    QCOMPARE(window.PointsAvailable->text(), QStringLiteral("30"));
    QCOMPARE(window.PointsAvailable->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QCOMPARE(window.WeightConsumed->text(), QStringLiteral("3.92 kg"));
    QCOMPARE(window.MovementMessage->text(), QStringLiteral("Can move without restrictions."));
    QCOMPARE(window.AmmoMessage->text(), QString());
    QCOMPARE(window.Callsign->text(), QStringLiteral("player"));
}

ROSTERMAKER_REGISTER_TEST(StartupTest)
#include "startuptest.moc"
