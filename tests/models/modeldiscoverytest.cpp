#include "models/modeldiscovery.h"

#include "support/testmain.h"

#include <QTest>

// The rules of model and skin discovery over plain values: the Windows examples verbatim and their Posix
// equivalents.
class ModelDiscoveryTest : public QObject {
    Q_OBJECT
private slots:
    void readSkinFolderFile_data();
    void readSkinFolderFile();
    void readSkinFolderFile_partsNeverNamed_stayEmpty();
    void skinIdsFromFileNames_data();
    void skinIdsFromFileNames();
    void replaceCharacter_data();
    void replaceCharacter();
    void resolveModelsFolder_data();
    void resolveModelsFolder();
};

namespace {

const QString WindowsParent = QStringLiteral("C:\\Game\\main\\models\\");
const QString PosixParent = QStringLiteral("/game/main/models/");

SkinFolders PreviousFolders(PathStyle style)
{
    if (style == PathStyle::Windows)
        return {QStringLiteral("C:\\old\\head"), QStringLiteral("C:\\old\\body"),
                QStringLiteral("C:\\old\\legs")};
    return {QStringLiteral("/old/head"), QStringLiteral("/old/body"), QStringLiteral("/old/legs")};
}

} // namespace

void ModelDiscoveryTest::readSkinFolderFile_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("legs");
    const int windows = int(PathStyle::Windows);
    const QString tall = QStringLiteral("C:\\Game\\main\\models\\people\\tall");
    const QString oldHead = QStringLiteral("C:\\old\\head");
    const QString oldBody = QStringLiteral("C:\\old\\body");
    const QString oldLegs = QStringLiteral("C:\\old\\legs");
    QTest::newRow("win blank separator") << windows << "head people/tall" << tall << oldBody << oldLegs;
    QTest::newRow("win equals separator") << windows << "head=people/tall" << tall << oldBody << oldLegs;
    QTest::newRow("win word inside line")
        << windows << "overhead lights" << WindowsParent + "ead lights" << oldBody << oldLegs;
    QTest::newRow("win no legs line keeps legs") << windows << "head people/tall\r\nbody people/tall\r\n"
                                                 << tall << tall << oldLegs;
    QTest::newRow("win several words on one line")
        << windows << "bodylegs/shared" << oldHead << WindowsParent + "egs\\shared"
        << WindowsParent + "egs\\shared";
    QTest::newRow("win trailing blanks kept") << windows << "legs people/tall  \r\n"
                                              << oldHead << oldBody << tall + "  ";
    QTest::newRow("win capitalised word ignored")
        << windows << "Head people/tall\r\nHEAD x\r\nBody y" << oldHead << oldBody << oldLegs;
    QTest::newRow("win word alone names parent")
        << windows << "head\r\nbody=" << WindowsParent << WindowsParent << oldLegs;
    QTest::newRow("win later line wins")
        << windows << "head a\r\nhead b" << WindowsParent + "b" << oldBody << oldLegs;
    QTest::newRow("win lone CR and LF end lines")
        << windows << "head a\rbody b\nlegs c" << WindowsParent + "a" << WindowsParent + "b"
        << WindowsParent + "c";
    QTest::newRow("win other lines ignored") << windows << "; skins\r\n\r\nhair x\r\n"
                                             << oldHead << oldBody << oldLegs;

    const int posix = int(PathStyle::Posix);
    const QString posixTall = QStringLiteral("/game/main/models/people/tall");
    QTest::newRow("posix blank separator") << posix << "head people/tall" << posixTall << "/old/body"
                                           << "/old/legs";
    QTest::newRow("posix backslash in line") << posix << "head=people\\tall" << posixTall << "/old/body"
                                             << "/old/legs";
    QTest::newRow("posix word inside line") << posix << "overhead lights" << PosixParent + "ead lights"
                                            << "/old/body"
                                            << "/old/legs";
    QTest::newRow("posix trailing blanks kept") << posix << "body people\\tall \r\n"
                                                << "/old/head" << posixTall + " "
                                                << "/old/legs";
}

void ModelDiscoveryTest::readSkinFolderFile()
{
    QFETCH(int, style);
    QFETCH(QString, text);
    QFETCH(QString, head);
    QFETCH(QString, body);
    QFETCH(QString, legs);
    const PathStyle pathStyle = PathStyle(style);
    const QString parent = pathStyle == PathStyle::Windows ? WindowsParent : PosixParent;
    const SkinFolders folders = ReadSkinFolderFile(text, parent, PreviousFolders(pathStyle), pathStyle);
    QCOMPARE(folders.Head, head);
    QCOMPARE(folders.Body, body);
    QCOMPARE(folders.Legs, legs);
}

void ModelDiscoveryTest::readSkinFolderFile_partsNeverNamed_stayEmpty()
{
    const SkinFolders folders =
        ReadSkinFolderFile(u"head people/tall\r\n", WindowsParent, SkinFolders(), PathStyle::Windows);
    QCOMPARE(folders.Head, QStringLiteral("C:\\Game\\main\\models\\people\\tall"));
    QCOMPARE(folders.Body, QString());
    QCOMPARE(folders.Legs, QString());
}

void ModelDiscoveryTest::skinIdsFromFileNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("plain") << QStringList{"head_001.tga"} << QStringList{"001"};
    QTest::newRow("case kept") << QStringList{"HEAD_00A.TGA"} << QStringList{"00A"};
    QTest::newRow("order kept") << QStringList{"legs_r02.tga", "legs_r01.tga"} << QStringList{"r02", "r01"};
    QTest::newRow("p1 and p2 left out")
        << QStringList{"head_001p1.tga", "body_002p2.tga", "head_003.tga"} << QStringList{"003"};
    QTest::newRow("upper-case P1 and P2 kept")
        << QStringList{"head_001P1.tga", "head_002P2.tga"} << QStringList{"001", "002"};
    QTest::newRow("short id") << QStringList{"head_1.tga"} << QStringList{"1"};
    QTest::newRow("no id") << QStringList{"head_.tga", "head"} << QStringList{"", ""};
    QTest::newRow("cut at first dot") << QStringList{"head_0.1.tga"} << QStringList{"0"};
}

void ModelDiscoveryTest::skinIdsFromFileNames()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, ids);
    QCOMPARE(SkinIdsFromFileNames(names), ids);
}

void ModelDiscoveryTest::replaceCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("every occurrence") << "people/tall/x"
                                      << "/"
                                      << "\\"
                                      << "people\\tall\\x";
    QTest::newRow("case-sensitive") << "aAa"
                                    << "a"
                                    << "b"
                                    << "bAb";
    QTest::newRow("longer replacement") << "a/b"
                                        << "/"
                                        << "--"
                                        << "a--b";
}

void ModelDiscoveryTest::replaceCharacter()
{
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QCOMPARE(ReplaceCharacter(text, find, replacement), expected);
}

void ModelDiscoveryTest::resolveModelsFolder_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("modelPath");
    QTest::addColumn<QString>("expected");
    const int windows = int(PathStyle::Windows);
    QTest::newRow("win parent steps") << windows << "..\\main\\models\\people"
                                      << "C:\\Games\\Mod\\main\\models\\people";
    QTest::newRow("win leading separator") << windows << "\\models"
                                           << "C:\\Games\\Mod\\Tool\\models";
    QTest::newRow("win full path as it stands") << windows << "C:\\Game\\models"
                                                << "C:\\Game\\models";
    QTest::newRow("win absent setting") << windows << "0"
                                        << "C:\\Games\\Mod\\Tool0";
    QTest::newRow("win empty setting") << windows << ""
                                       << "C:\\Games\\Mod\\Tool";
    const int posix = int(PathStyle::Posix);
    QTest::newRow("posix backslash parent steps") << posix << "..\\main\\models\\people"
                                                  << "/games/mod/main/models/people";
    QTest::newRow("posix slash parent step") << posix << "../models"
                                             << "/games/mod/models";
    QTest::newRow("posix leading backslash") << posix << "\\models"
                                             << "/games/mod/tool/models";
    QTest::newRow("posix full path as it stands") << posix << "/srv/game/models"
                                                  << "/srv/game/models";
    QTest::newRow("posix drive letter is full") << posix << "D:\\Game\\models"
                                                << "D:/Game/models";
    QTest::newRow("posix absent setting") << posix << "0"
                                          << "/games/mod/tool0";
}

void ModelDiscoveryTest::resolveModelsFolder()
{
    QFETCH(int, style);
    QFETCH(QString, modelPath);
    QFETCH(QString, expected);
    const PathStyle pathStyle = PathStyle(style);
    const ProgramLocation location{pathStyle == PathStyle::Windows ? QStringLiteral("C:\\Games\\Mod\\Tool")
                                                                   : QStringLiteral("/games/mod/tool"),
                                   QStringLiteral("Rostermaker"), pathStyle};
    QCOMPARE(ResolveModelsFolder(modelPath, location), expected);
}

ROSTERMAKER_REGISTER_TEST(ModelDiscoveryTest)
#include "modeldiscoverytest.moc"
