#include "models/modellibrary.h"

#include "platform/paths.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Models and skins found on real folders: a game folder with the editor in game/tool, the Model Path
// "..\models\people", so that skinfolder.txt lines name folders below game/models.
class ModelLibraryTest : public QObject {
    Q_OBJECT
private slots:
    void modelNames_unlistableFolder_givesNothing_data();
    void modelNames_unlistableFolder_givesNothing();
    void modelNames_emptyModelsFolder_givesEmptyList();
    void discoverSkins_listsIdsFromFoldersTheSkinFileNames();
    void discoverSkins_folderNamesInOtherCase_areFound();
    void discoverSkins_folderNameInCodePage_isFound();
    void missingSkinFile_leavesListsEmpty();
    void missingSkinFile_noSkins_keepsEarlierFolders();
    void discoverSkins_missingSkinFolder_givesEmptyList();
    void discoverSkins_emptyModelName_readsSkinFileOfModelsFolder();
};

namespace {

// A game folder in a temporary folder: the editor in game/tool, the models in game/models/people.
class GameFolder {
public:
    // Writes files, their paths relative to game/models.
    bool Add(const QStringList& paths)
    {
        for (const QString& path : paths) {
            if (!Add(path, "x"))
                return false;
        }
        return true;
    }

    bool Add(const QString& path, const QByteArray& bytes)
    {
        return WriteTestFile(Dir.filePath(QStringLiteral("game/models/") + path), bytes);
    }

    bool AddFolder(const QString& path)
    {
        return QDir().mkpath(Dir.filePath(QStringLiteral("game/models/") + path));
    }

    bool AddSkinFile(const QString& model, const QStringList& lines)
    {
        return Add(QStringLiteral("people/") + model + QStringLiteral("/skinfolder.txt"), CrLfBytes(lines));
    }

    ModelLibrary Library(const QString& modelPath = QStringLiteral("..\\models\\people")) const
    {
        const ProgramLocation location{QDir::toNativeSeparators(Dir.filePath(QStringLiteral("game/tool"))),
                                       QStringLiteral("rostermaker"), NativePathStyle()};
        return ModelLibrary(modelPath, location);
    }

private:
    QTemporaryDir Dir;
};

} // namespace

void ModelLibraryTest::modelNames_unlistableFolder_givesNothing_data()
{
    QTest::addColumn<QString>("modelPath");
    QTest::newRow("missing folder") << "..\\nowhere";
    QTest::newRow("absent setting") << "0";
    QTest::newRow("a file") << "..\\models\\people\\notes.txt";
}

void ModelLibraryTest::modelNames_unlistableFolder_givesNothing()
{
    QFETCH(QString, modelPath);
    GameFolder game;
    QVERIFY(game.Add({"people/notes.txt"}));
    QCOMPARE(game.Library(modelPath).ModelNames(), std::nullopt);
}

void ModelLibraryTest::modelNames_emptyModelsFolder_givesEmptyList()
{
    GameFolder game;
    QVERIFY(game.AddFolder(QStringLiteral("people")));
    QCOMPARE(game.Library().ModelNames(), QStringList());
}

void ModelLibraryTest::discoverSkins_listsIdsFromFoldersTheSkinFileNames()
{
    GameFolder game;
    QVERIFY(game.AddSkinFile(QStringLiteral("Ranger"),
                             {"head people/Ranger", "body skins/shared", "legs=people/Ranger"}));
    QVERIFY(
        game.Add({"people/Ranger/head_002.tga", "people/Ranger/HEAD_00A.TGA", "people/Ranger/head_001.tga",
                  "people/Ranger/head_01.tga", "people/Ranger/head_003.bmp", "people/Ranger/legs_r01.tga",
                  "people/Ranger/body_009.tga", "skins/shared/body_001.tga", "skins/shared/body_002.tga"}));
    ModelLibrary library = game.Library();
    const SkinLists skins = library.DiscoverSkins(QStringLiteral("Ranger"));
    QCOMPARE(skins.Head, (QStringList{"001", "002", "00A"}));
    QCOMPARE(skins.Body, (QStringList{"001", "002"}));
    QCOMPARE(skins.Legs, QStringList{"r01"});
}

void ModelLibraryTest::discoverSkins_folderNamesInOtherCase_areFound()
{
    if (NativePathStyle() == PathStyle::Windows)
        QSKIP("Windows disks do not tell case apart");
    GameFolder game;
    QVERIFY(game.Add(QStringLiteral("people/Ranger/SkinFolder.TXT"),
                     CrLfBytes({"head People/TALL", "body PEOPLE\\tall"})));
    QVERIFY(game.Add({"people/tall/head_001.tga", "people/tall/body_002.tga"}));
    ModelLibrary library = game.Library();
    const SkinLists skins = library.DiscoverSkins(QStringLiteral("Ranger"));
    QCOMPARE(skins.Head, QStringList{"001"});
    QCOMPARE(skins.Body, QStringList{"002"});
}

void ModelLibraryTest::discoverSkins_folderNameInCodePage_isFound()
{
    GameFolder game;
    QVERIFY(game.Add(QStringLiteral("people/Caf\u00e9/skinfolder.txt"), "head people/Caf\xe9\r\n"));
    QVERIFY(game.Add({QStringLiteral("people/Caf\u00e9/head_001.tga")}));
    ModelLibrary library = game.Library();
    QCOMPARE(library.DiscoverSkins(QStringLiteral("Caf\u00e9")).Head, QStringList{"001"});
}

void ModelLibraryTest::missingSkinFile_leavesListsEmpty()
{
    GameFolder game;
    QVERIFY(game.Add({"people/Ranger/head_001.tga"}));
    ModelLibrary library = game.Library();
    const SkinLists skins = library.DiscoverSkins(QStringLiteral("Ranger"));
    QCOMPARE(skins.Head, QStringList());
    QCOMPARE(skins.Body, QStringList());
    QCOMPARE(skins.Legs, QStringList());
    QCOMPARE(library.CurrentSkinFolders(), SkinFolders());
}

void ModelLibraryTest::missingSkinFile_noSkins_keepsEarlierFolders()
{
    GameFolder game;
    QVERIFY(game.AddSkinFile(QStringLiteral("Ranger"), {"head people/Ranger"}));
    QVERIFY(game.Add({"people/Ranger/head_001.tga"}));
    QVERIFY(game.AddFolder(QStringLiteral("people/Sapper")));
    ModelLibrary library = game.Library();
    library.DiscoverSkins(QStringLiteral("Ranger"));
    const SkinFolders afterRanger = library.CurrentSkinFolders();
    QCOMPARE(library.DiscoverSkins(QStringLiteral("Sapper")).Head, QStringList());
    QCOMPARE(library.CurrentSkinFolders(), afterRanger);
}

void ModelLibraryTest::discoverSkins_missingSkinFolder_givesEmptyList()
{
    GameFolder game;
    QVERIFY(game.AddSkinFile(QStringLiteral("Ranger"), {"head people/Ranger", "body skins/gone"}));
    QVERIFY(game.Add({"people/Ranger/head_001.tga"}));
    ModelLibrary library = game.Library();
    const SkinLists skins = library.DiscoverSkins(QStringLiteral("Ranger"));
    QCOMPARE(skins.Head, QStringList{"001"});
    QCOMPARE(skins.Body, QStringList());
}

void ModelLibraryTest::discoverSkins_emptyModelName_readsSkinFileOfModelsFolder()
{
    GameFolder game;
    QVERIFY(game.Add(QStringLiteral("people/skinfolder.txt"), CrLfBytes({"legs shared"})));
    QVERIFY(game.Add({"shared/legs_001.tga"}));
    ModelLibrary library = game.Library();
    QCOMPARE(library.ModelNames(), QStringList());
    QCOMPARE(library.DiscoverSkins(QString()).Legs, QStringList{"001"});
}

ROSTERMAKER_REGISTER_TEST(ModelLibraryTest)
#include "modellibrarytest.moc"
