#include "models/modeldiscovery.h"
#include "models/modellibrary.h"
#include "support/testsupport.h"

// Player models and their skins: the rules over skinfolder.txt and image names, then the models folder on
// a disk.
class ModelsTest : public QObject {
    Q_OBJECT
private slots:
    void skinFolderFile_data() { AddTableRows("skin-folder-files.txt"); }
    void skinFolderFile()
    {
        QFETCH(TableRow, row);
        const QString parent = ModelsParentFolderOf(u"C:\\Game\\main\\models\\people"_s, PathStyle::Windows);
        const SkinFolders previous{u"C:\\old\\h"_s, u"C:\\old\\b"_s, u"C:\\old\\l"_s};
        const SkinFolders folders =
            ReadSkinFolderFile(row[u"skinfolder.txt"], parent, previous, PathStyle::Windows);
        QCOMPARE(QStringList({folders.Head, folders.Body, folders.Legs}),
                 QStringList({row[u"head"], row[u"body"], row[u"legs"]}));
        const SkinFolders posix =
            ReadSkinFolderFile(row[u"skinfolder.txt"], u"/game/main/models/"_s, {}, PathStyle::Posix);
        QVERIFY(!posix.Head.contains(u'\\') && !posix.Body.contains(u'\\'));
    }

    void skinIdsFromImageNames()
    {
        QCOMPARE(SkinIdsFromFileNames({"legs_r02.tga", "HEAD_00A.TGA", "head_001p1.tga", "body_002p2.tga",
                                       "head_001P1.tga", "head_1.tga", "head_.tga", "head", "head_0.1.tga",
                                       ".head_001.tga"}),
                 (QStringList{"r02", "00A", "001", "1", "", "", "0", ""}));
    }

    void library_listsModelsAndTheSkinsTheirFilesName()
    {
        GameFolder game;
        game.AddModel(
            u"Ranger"_s, {"head people/Ranger", "body SKINS/shared", "legs=people/Ranger"},
            {"head_002.tga", "HEAD_00A.TGA", "head_001.tga", "head_01.tga", "head_003.bmp", "legs_r01.tga"});
        game.AddModel(u"amber"_s, {"head people/amber"});
        for (const char* image : {"body_001.tga", "body_002.tga"})
            game.AddFile(u"main/models/skins/shared/"_s + QString::fromLatin1(image));
        ModelLibrary library(ModelsSetting.section(u'=', 1), game.Location());
        QCOMPARE(library.ModelNames(), (QStringList{"amber", "Ranger"}));
        const SkinLists skins = library.DiscoverSkins(u"Ranger"_s);
        QCOMPARE(skins.Head, (QStringList{"001", "002", "00A"}));
        QCOMPARE(skins.Body, (QStringList{"001", "002"})); // SKINS found as skins on case-sensitive disks
        QCOMPARE(skins.Legs, QStringList{"r01"});
        QCOMPARE(library.DiscoverSkins(u"amber"_s).Head, QStringList()); // a folder without images
        QCOMPARE(ModelLibrary(u"..\\nowhere"_s, game.Location()).ModelNames(), std::nullopt);
        SKIP_UNLESS_1252(true);
        game.AddModel(u"Caf\u00E9"_s, {"head people/Caf\u00E9"},
                      {"head_c01.tga"}); // the file in the code page
        QCOMPARE(library.DiscoverSkins(u"Caf\u00E9"_s).Head, QStringList{"c01"});
    }

    // Skin folders carry over from model to model, unless a model has no skinfolder.txt at all; a file that
    // is a folder, empty, junk or one long line names none.
    void library_skinFoldersCarriedOver_orNone()
    {
        GameFolder game;
        const QByteArray oddFiles[] = {QByteArray(), "", Junk(65536), "head " + QByteArray(10 << 20, 'x')};
        for (int i = 0; i < 4; ++i) {
            const QString model = u"odd%1"_s.arg(i);
            game.AddModel(model, {}, {"head_001.tga"});
            game.AddFile(u"main/models/people/%1/skinfolder.txt%2"_s.arg(model, i == 0 ? u"/x"_s : QString()),
                         oddFiles[i]);
        }
        game.AddModel(u"Ranger"_s, {"head people/Ranger", "legs people/Ranger"},
                      {"head_001.tga", "legs_002.tga"});
        game.AddModel(u"Sapper"_s, {}, {"head_009.tga"});
        game.AddModel(u"Urban"_s, {"head people/Urban"}, {"head_u01.tga", "legs_u09.tga"});
        game.AddFile(u"main/models/people/skinfolder.txt"_s, "legs people/Urban\r\n"); // the models folder's
        ModelLibrary library(ModelsSetting.section(u'=', 1), game.Location());
        for (int i = 0; i < 4; ++i) {
            const SkinLists odd = library.DiscoverSkins(u"odd%1"_s.arg(i));
            QCOMPARE(odd.Head + odd.Body + odd.Legs, QStringList());
        }
        library.DiscoverSkins(u"Ranger"_s);
        const SkinLists sapper = library.DiscoverSkins(u"Sapper"_s);
        QCOMPARE(sapper.Head + sapper.Body + sapper.Legs, QStringList());
        const SkinLists urban = library.DiscoverSkins(u"Urban"_s); // legs carried over from Ranger
        QCOMPARE(urban.Head + urban.Legs, (QStringList{"u01", "002"}));
        QCOMPARE(library.DiscoverSkins(QString()).Legs, QStringList{"u09"});
    }
};

QTEST_GUILESS_MAIN(ModelsTest)
#include "modelstest.moc"
