#include "support/uitestsupport.h"
#include "ui/sortedcombobox.h"

#include <QDir>
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

void FaultsTest::charactersFolderRemovedWhileRunning_saveIsReported()
{
    std::unique_ptr<EditorGame> game = StartedStandardGame();
    Form1& window = *game->Editor->Window;
    window.ClassName->setEditText(u"Ranger"_s);
    QVERIFY(QDir(game->Path(u"tool/characters"_s)).removeRecursively());
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QCOMPARE(game->Messages.Shown.size(), 1);
    QVERIFY(game->Messages.Shown.first().startsWith(u"Unable to save the class file "_s +
                                                    game->Path(u"tool/characters/Ranger.cfg"_s)));
    QCOMPARE(ComboEntries(window.ClassName), (QStringList{"<New Class>", "Grenadier"}));
}

void FaultsTest::oddFile_data()
{
    QTest::addColumn<QString>("file");       // which file is odd
    QTest::addColumn<QByteArray>("content"); // a null array stands for a folder in the file's place
    QTest::addColumn<int>("messages");
    QByteArray junk(65536, Qt::Uninitialized);
    QRandomGenerator random(20261206);
    for (char& byte : junk)
        byte = char(random.bounded(256));
    const QByteArray hugeLine(10 * 1024 * 1024, 'x');
    for (const char* file :
         {"weapons.csv", "tool/characters/Odd.cfg", "main/models/people/odd/skinfolder.txt"}) {
        const bool weapons = QByteArrayView(file) == "weapons.csv";
        QTest::addRow("%s: folder", file)
            << file << QByteArray() << (QByteArrayView(file).endsWith("txt") ? 0 : 1);
        QTest::addRow("%s: empty", file) << file << QByteArray("") << 0;
        // Junk under a header has a bad number somewhere; a 10 MB line is one name or one field.
        QTest::addRow("%s: junk", file)
            << file << (weapons ? "InternalName,CostPoints,\r\n" : "") + junk << (weapons ? 1 : 0);
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
    game.AddModel(u"odd"_s, {}, {"head_001.tga"});
    game.AddFile(content.isNull() ? file + u"/x"_s : file, content.isNull() ? QByteArray("x") : content);
    Form1* window = game.Start();
    if (window && file.endsWith(u".cfg")) {
        QCOMPARE(game.Messages.Shown, QStringList());
        AddSortedItem(window->ClassName, u"Odd"_s);
        PickComboEntry(window->ClassName, u"Odd"_s);
        QCOMPARE(Displays(*window), u"30 | 3.92 kg | Can move without restrictions. |  | "_s);
    }
    QCOMPARE(game.Messages.Shown.size(), messages);
    QCOMPARE(window == nullptr, file == u"weapons.csv" && messages == 1);
    if (window)
        QCOMPARE(window->HeadSkin->count(), 0);
}

QTEST_MAIN(FaultsTest)
#include "faultstest.moc"
