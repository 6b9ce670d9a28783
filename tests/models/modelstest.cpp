#include "models/modeldiscovery.h"
#include "models/modellibrary.h"
#include "platform/codepage.h"
#include "support/testmain.h"
#include "support/testsupport.h"

namespace {

// A skinfolder.txt under C:\Game\main\models\people, read after a model whose file set the head,
// body and legs folders C:\old\h, C:\old\b and C:\old\l; the folders it leaves, joined by "|".
constexpr struct {
    const char* Name;
    const char* Text;
    const char* Folders;
} SkinFiles[] = {
    {"blank separator", "head people/tall", "C:\\Game\\main\\models\\people\\tall|C:\\old\\b|C:\\old\\l"},
    {"equals separator, no legs line", "head=people/tall\r\nbody people\\tall",
     "C:\\Game\\main\\models\\people\\tall|C:\\Game\\main\\models\\people\\tall|C:\\old\\l"},
    {"the word inside a line", "overhead lights", "C:\\Game\\main\\models\\ead lights|C:\\old\\b|C:\\old\\l"},
    {"two words on one line", "bodylegs/shared",
     "C:\\old\\h|C:\\Game\\main\\models\\egs\\shared|C:\\Game\\main\\models\\egs\\shared"},
    {"trailing blanks kept", "legs people/tall  ",
     "C:\\old\\h|C:\\old\\b|C:\\Game\\main\\models\\people\\tall  "},
    {"capitals are other words", "Head x\r\nHEAD y\r\nBody z", "C:\\old\\h|C:\\old\\b|C:\\old\\l"},
    {"the word alone names the parent",
     "head\r\nbody=", "C:\\Game\\main\\models\\|C:\\Game\\main\\models\\|C:\\old\\l"},
    {"later lines win, any line end", "head a\rhead b\nlegs c",
     "C:\\Game\\main\\models\\b|C:\\old\\b|C:\\Game\\main\\models\\c"},
};

} // namespace

// Player models and their skins: the rules over skinfolder.txt, image names and the Model Path setting,
// then the models folder on a disk.
class ModelsTest : public QObject {
    Q_OBJECT
private slots:
    void skinFolderFile_data() { AddRows(SkinFiles); }
    void skinFolderFile();
    void skinIdsAndModelsFolder();
    void library_listsModelsAndTheSkinsTheirFilesName();
    void library_modelWithoutSkinFile_hasNoSkins();
};

void ModelsTest::skinFolderFile()
{
    const auto& row = Row(SkinFiles);
    const QString parent =
        ModelsParentFolderOf(QStringLiteral("C:\\Game\\main\\models\\people"), PathStyle::Windows);
    const SkinFolders previous{QStringLiteral("C:\\old\\h"), QStringLiteral("C:\\old\\b"),
                               QStringLiteral("C:\\old\\l")};
    const SkinFolders folders =
        ReadSkinFolderFile(QString::fromLatin1(row.Text), parent, previous, PathStyle::Windows);
    QCOMPARE(QStringList({folders.Head, folders.Body, folders.Legs}).join(u'|'),
             QString::fromLatin1(row.Folders));
    const SkinFolders posix = ReadSkinFolderFile(QString::fromLatin1(row.Text),
                                                 QStringLiteral("/game/main/models/"), {}, PathStyle::Posix);
    QVERIFY(!posix.Head.contains(u'\\') && !posix.Body.contains(u'\\'));
}

void ModelsTest::skinIdsAndModelsFolder()
{
    QCOMPARE(SkinIdsFromFileNames({"legs_r02.tga", "HEAD_00A.TGA", "head_001p1.tga", "body_002p2.tga",
                                   "head_001P1.tga", "head_1.tga", "head_.tga", "head", "head_0.1.tga"}),
             (QStringList{"r02", "00A", "001", "1", "", "", "0"}));
    QCOMPARE(ReplaceCharacter(QStringLiteral("a/aA/"), QStringLiteral("/"), QStringLiteral("--")),
             QStringLiteral("a--aA--"));
    QCOMPARE(ReplaceCharacter(QStringLiteral("aA"), QStringLiteral("a"), QStringLiteral("b")),
             QStringLiteral("bA"));
    const ProgramLocation win{QStringLiteral("C:\\Games\\Mod\\Tool"), QStringLiteral("Rostermaker"),
                              PathStyle::Windows};
    const ProgramLocation posix{QStringLiteral("/games/mod/tool"), QStringLiteral("rostermaker"),
                                PathStyle::Posix};
    QCOMPARE(ResolveModelsFolder(QStringLiteral("..\\main\\models\\people"), win),
             QStringLiteral("C:\\Games\\Mod\\main\\models\\people"));
    QCOMPARE(ResolveModelsFolder(QStringLiteral("C:\\Game\\models"), win),
             QStringLiteral("C:\\Game\\models"));
    QCOMPARE(ResolveModelsFolder(QStringLiteral("0"), win), QStringLiteral("C:\\Games\\Mod\\Tool0"));
    QCOMPARE(ResolveModelsFolder(QStringLiteral("..\\main\\models"), posix),
             QStringLiteral("/games/mod/main/models"));
    QCOMPARE(ResolveModelsFolder(QStringLiteral("D:\\Game\\models"), posix),
             QStringLiteral("D:/Game/models"));
    QCOMPARE(ModelsParentFolderOf(QStringLiteral("/games/mod/models"), PathStyle::Posix),
             QStringLiteral("/games/mod/"));
}

void ModelsTest::library_listsModelsAndTheSkinsTheirFilesName()
{
    GameFolder game;
    game.AddModel(
        QStringLiteral("Ranger"), {"head people/Ranger", "body SKINS/shared", "legs=people/Ranger"},
        {"head_002.tga", "HEAD_00A.TGA", "head_001.tga", "head_01.tga", "head_003.bmp", "legs_r01.tga"});
    game.AddModel(QStringLiteral("amber"), {"head people/amber"});
    for (const char* image : {"body_001.tga", "body_002.tga"})
        game.AddFile(QStringLiteral("main/models/skins/shared/") + QString::fromLatin1(image));
    ModelLibrary library(ModelsSetting.section(u'=', 1), game.Location());
    QCOMPARE(library.ModelNames(), (QStringList{"amber", "Ranger"}));
    const SkinLists skins = library.DiscoverSkins(QStringLiteral("Ranger"));
    QCOMPARE(skins.Head, (QStringList{"001", "002", "00A"}));
    QCOMPARE(skins.Body, (QStringList{"001", "002"})); // SKINS found as skins on case-sensitive disks
    QCOMPARE(skins.Legs, QStringList{"r01"});
    QCOMPARE(library.DiscoverSkins(QStringLiteral("amber")).Head, QStringList()); // a folder without images
    QCOMPARE(ModelLibrary(QStringLiteral("..\\nowhere"), game.Location()).ModelNames(), std::nullopt);
    if (EncodeFileText(u"\u00E9") != "\xE9")
        QSKIP("the file code page (the system's on Windows) is not Windows-1252");
    game.AddModel(QStringLiteral("Caf\u00E9"), {"head people/Caf\u00E9"},
                  {"head_c01.tga"}); // the file in the code page
    QCOMPARE(library.DiscoverSkins(QStringLiteral("Caf\u00E9")).Head, QStringList{"c01"});
}

void ModelsTest::library_modelWithoutSkinFile_hasNoSkins()
{
    GameFolder game;
    game.AddModel(QStringLiteral("Ranger"), {"head people/Ranger", "legs people/Ranger"},
                  {"head_001.tga", "legs_002.tga"});
    game.AddModel(QStringLiteral("Sapper"), {}, {"head_009.tga"});
    game.AddModel(QStringLiteral("Urban"), {"head people/Urban"}, {"head_u01.tga", "legs_u09.tga"});
    game.AddFile(QStringLiteral("main/models/people/skinfolder.txt"),
                 "legs people/Urban\r\n"); // the models folder's
    ModelLibrary library(ModelsSetting.section(u'=', 1), game.Location());
    library.DiscoverSkins(QStringLiteral("Ranger"));
    const SkinLists sapper = library.DiscoverSkins(QStringLiteral("Sapper"));
    QCOMPARE(sapper.Head + sapper.Body + sapper.Legs, QStringList());
    const SkinLists urban = library.DiscoverSkins(QStringLiteral("Urban")); // legs carried over from Ranger
    QCOMPARE(urban.Head + urban.Legs, (QStringList{"u01", "002"}));
    QCOMPARE(library.DiscoverSkins(QString()).Legs, QStringList{"u09"});
}

ROSTERMAKER_REGISTER_TEST(ModelsTest)
#include "modelstest.moc"
