#include "support/testmain.h"
#include "support/testsupport.h"
#include "support/uitestsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

// Bad input and faults while the editor runs: nothing crashes, every failure is reported or ignored as the
// program promises, and no file is lost.
class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    void charactersFolderRemovedWhileRunning_saveIsReported();
    void weaponsFile_emptyJunkOrOneHugeLine_data();
    void weaponsFile_emptyJunkOrOneHugeLine();
    void classFile_folderEmptyJunkOrHugeLine_data();
    void classFile_folderEmptyJunkOrHugeLine();
    void skinFolderFile_folderEmptyJunkOrHugeLine_data();
    void skinFolderFile_folderEmptyJunkOrHugeLine();
};

namespace {

QByteArray Junk(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(20261206);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

const QByteArray HugeLine = QByteArray(10 * 1024 * 1024, 'x');

} // namespace

void FaultsTest::charactersFolderRemovedWhileRunning_saveIsReported()
{
    GameFolder game;
    game.WriteSettings({"[Application]"});
    game.WriteWeapons(StandardWeapons());
    Form1& window = *game.Start()->Window;
    game.Messages.Shown.clear();
    window.ClassName->setEditText(QStringLiteral("Ranger"));
    DoubleClickGridItem(window, QStringLiteral("M4A1"));
    QVERIFY(QDir(game.Path(QStringLiteral("tool/characters"))).removeRecursively());
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QCOMPARE(game.Messages.Shown.size(), 1);
    QVERIFY(game.Messages.Shown.first().startsWith(
        QStringLiteral("Unable to save the class file ") +
        QDir::toNativeSeparators(game.Path("tool/characters/Ranger.cfg"))));
    QCOMPARE(ComboEntries(window.ClassName), QStringList{"<New Class>"});
    QCOMPARE(ListEntries(window.List1).size(), 2);
    QCOMPARE(window.ClassName->currentText(), QStringLiteral("Ranger"));
}

void FaultsTest::weaponsFile_emptyJunkOrOneHugeLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("runs");
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("one 10 MB line") << HugeLine << true;
    QTest::newRow("header then one 10 MB field")
        << QByteArray("InternalName,DisplayName,\r\nx," + HugeLine + ",\r\n") << true;
    QTest::newRow("binary junk with a header")
        << QByteArray("InternalName,CostPoints,\r\n" + Junk(4096)) << false;
}

void FaultsTest::weaponsFile_emptyJunkOrOneHugeLine()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, runs);
    GameFolder game;
    game.WriteSettings({"[Application]"});
    game.AddFile(QStringLiteral("weapons.csv"), content);
    RunningEditor* editor = game.Start();
    QCOMPARE(editor != nullptr, runs);
    if (editor) {
        QCOMPARE(editor->Window->MSHFlexGrid1->model()->rowCount(), 1); // the heading: nothing costs points
    } else {
        // Junk in a numeric column stops the start with the line, column and text named.
        QVERIFY(game.Messages.Shown.last().contains(QStringLiteral("(CostPoints)")));
        QVERIFY(game.Messages.Shown.last().endsWith(
            QStringLiteral("The Application will not run without this file.")));
    }
}

void FaultsTest::classFile_folderEmptyJunkOrHugeLine_data()
{
    QTest::addColumn<QByteArray>("content"); // a null array stands for a folder in the file's place
    QTest::addColumn<bool>("reported");
    QTest::newRow("folder") << QByteArray() << true;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("binary junk") << Junk(65536) << false;
    QTest::newRow("one 10 MB line") << QByteArray("set callsign " + HugeLine) << false;
    QTest::newRow("over 16 MiB") << QByteArray(16 * 1024 * 1024 + 1, '\n') << true;
}

void FaultsTest::classFile_folderEmptyJunkOrHugeLine()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, reported);
    GameFolder game;
    game.WriteSettings({"[Application]"});
    game.WriteWeapons(StandardWeapons());
    if (content.isNull())
        QVERIFY(QDir().mkpath(game.Path(QStringLiteral("tool/characters/Odd.cfg"))));
    else
        game.AddFile(QStringLiteral("tool/characters/Odd.cfg"), content);
    Form1& window = *game.Start()->Window;
    game.Messages.Shown.clear();
    AddSortedItem(window.ClassName, QStringLiteral("Odd"));
    PickComboEntry(window.ClassName, QStringLiteral("Odd"));
    QCOMPARE(game.Messages.Shown.size(), reported ? 1 : 0);
    QCOMPARE(ListEntries(window.List1).first(), QStringLiteral("Base (Clothing and Shoes/Boots/Knife)"));
    QVERIFY(!window.PointsAvailable->text().isEmpty());
}

void FaultsTest::skinFolderFile_folderEmptyJunkOrHugeLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("folder") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("binary junk") << Junk(65536);
    QTest::newRow("one 10 MB line") << QByteArray("head " + HugeLine);
}

void FaultsTest::skinFolderFile_folderEmptyJunkOrHugeLine()
{
    QFETCH(QByteArray, content);
    GameFolder game;
    game.WriteSettings({"[Application]", "Model Path=..\\models\\people"});
    game.WriteWeapons(StandardWeapons());
    game.AddModel(QStringLiteral("odd"), {}, {"head_001.tga"});
    if (content.isNull())
        QVERIFY(QDir().mkpath(game.Path(QStringLiteral("models/people/odd/skinfolder.txt"))));
    else
        game.AddFile(QStringLiteral("models/people/odd/skinfolder.txt"), content);
    Form1& window = *game.Start()->Window;
    QCOMPARE(game.Messages.Shown, QStringList());
    QCOMPARE(ComboEntries(window.ModelName), QStringList{"odd"});
    QCOMPARE(window.HeadSkin->count(), 0);
    QCOMPARE(window.LegsSkin->count(), 0);
}

ROSTERMAKER_REGISTER_TEST(FaultsTest)
#include "faultstest.moc"
