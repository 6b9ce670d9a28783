#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/sortedcombobox.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>

// Files that are not what they should be, and a folder that vanishes: the editor reports what it must,
// shows no more than it can read, and never crashes.
class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    void charactersFolderRemovedWhileRunning_saveIsReported();
    void oddFile_data();
    void oddFile();
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

} // namespace

void FaultsTest::charactersFolderRemovedWhileRunning_saveIsReported()
{
    std::unique_ptr<EditorGame> game = StartedStandardGame();
    Form1& window = *game->Editor->Window;
    window.ClassName->setEditText(QStringLiteral("Ranger"));
    DoubleClickGridItem(window, QStringLiteral("M4A1"));
    QVERIFY(QDir(game->Path(QStringLiteral("tool/characters"))).removeRecursively());
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QCOMPARE(game->Messages.Shown.size(), 1);
    QVERIFY(
        game->Messages.Shown.first().startsWith(QStringLiteral("Unable to save the class file ") +
                                                game->Path(QStringLiteral("tool/characters/Ranger.cfg"))));
    QCOMPARE(ComboEntries(window.ClassName), (QStringList{"<New Class>", "Grenadier"}));
    QCOMPARE(window.List1->count(), 2);
}

void FaultsTest::oddFile_data()
{
    QTest::addColumn<QString>("file");       // which file is odd
    QTest::addColumn<QByteArray>("content"); // a null array stands for a folder in the file's place
    QTest::addColumn<int>("messages");
    const QByteArray hugeLine(10 * 1024 * 1024, 'x');
    for (const char* file :
         {"weapons.csv", "tool/characters/Odd.cfg", "main/models/people/odd/skinfolder.txt"}) {
        const bool weapons = QByteArrayView(file) == "weapons.csv";
        const bool classFile = QByteArrayView(file).endsWith(".cfg");
        QTest::addRow("%s: folder", file) << file << QByteArray() << (weapons || classFile ? 1 : 0);
        QTest::addRow("%s: empty", file) << file << QByteArray("") << 0;
        // Junk under a header has a bad number somewhere; a 10 MB line is one name or one field.
        QTest::addRow("%s: junk", file)
            << file << (weapons ? "InternalName,CostPoints,\r\n" : "") + Junk(65536) << (weapons ? 1 : 0);
        QTest::addRow("%s: one 10 MB line", file)
            << file
            << (weapons ? "InternalName,DisplayName,\r\nx," + hugeLine + ","
                        : "head set callsign " + hugeLine)
            << 0;
    }
    QTest::addRow("class file over 16 MiB")
        << "tool/characters/Odd.cfg" << QByteArray(16 * 1024 * 1024 + 1, '\n') << 1;
}

void FaultsTest::oddFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, messages);
    EditorGame game;
    game.WriteSettings({"[Application]", ModelsSetting});
    if (file != u"weapons.csv")
        game.WriteWeapons(StandardItems());
    game.AddModel(QStringLiteral("odd"), {}, {"head_001.tga"});
    if (content.isNull())
        game.AddFile(file + QStringLiteral("/x"));
    else
        game.AddFile(file, content);
    Form1* window = game.Start();
    if (file == u"weapons.csv") {
        QCOMPARE(game.Messages.Shown.size(), messages);
        QCOMPARE(window != nullptr, messages == 0);
        return;
    }
    QVERIFY(window);
    QCOMPARE(window->HeadSkin->count(), 0);
    QCOMPARE(game.Messages.Shown, QStringList());
    if (!file.endsWith(u".cfg"))
        return;
    AddSortedItem(window->ClassName, QStringLiteral("Odd"));
    PickComboEntry(window->ClassName, QStringLiteral("Odd"));
    QCOMPARE(game.Messages.Shown.size(), messages);
    QCOMPARE(ListEntries(window->List1).first(), Base);
    QCOMPARE(window->PointsAvailable->text(), QStringLiteral("30"));
}

ROSTERMAKER_REGISTER_TEST(FaultsTest)
#include "faultstest.moc"
