#include "platform/paths.h"

#include "platform/files.h"
#include "support/testmain.h"
#include "support/testsupport.h"

namespace {

constexpr PathStyle Win = PathStyle::Windows;

constexpr PathStyle Posix = PathStyle::Posix;

constexpr struct {
    const char* Name;
    PathStyle Style;
    const char* Path;
    const char* Base;
    const char* Expected;
} Resolved[] = {
    {"win parent", Win, "..\\weapons.csv", "C:\\Games\\Mod\\Tool", "C:\\Games\\Mod\\weapons.csv"},
    {"win two parents", Win, "..\\..\\x", "C:\\Games\\Mod\\Tool", "C:\\Games\\x"},
    {"win leading separator", Win, "\\characters", "C:\\Games\\Mod\\Tool",
     "C:\\Games\\Mod\\Tool\\characters"},
    {"win nothing inserted", Win, "weapons.csv", "C:\\Games\\Mod\\Tool", "C:\\Games\\Mod\\Toolweapons.csv"},
    {"win drive root", Win, "..\\weapons.csv", "C:\\", "C:\\weapons.csv"},
    {"win parent keeps separator", Win, "..\\", "C:\\Games\\Mod\\models", "C:\\Games\\Mod\\"},
    {"win slashes do not climb", Win, "../x", "C:\\Games\\Mod\\Tool", "C:\\Games\\Mod\\Tool../x"},
    {"win more parents than folders", Win, "..\\..\\..\\..\\..\\x", "C:\\Games\\Mod\\Tool", "C:\\x"},
    {"posix parent", Posix, "..\\weapons.csv", "/games/mod/tool", "/games/mod/weapons.csv"},
    {"posix slashes climb", Posix, "..\\../x", "/games/mod/tool", "/games/x"},
    {"posix leading backslash", Posix, "\\characters", "/games/mod/tool", "/games/mod/tool\\characters"},
    {"posix root", Posix, "..\\weapons.csv", "/", "/weapons.csv"},
};

} // namespace

// Path text in the Windows style (the examples as the settings write them) and in the Posix style, and
// Windows-made names found on case-sensitive disks.
class PathsTest : public QObject {
    Q_OBJECT
private slots:
    void resolveRelativePath_data() { AddRows(Resolved); }
    void resolveRelativePath();
    void fullAndNativePaths();
    void locatePath_findsComponentsWithoutRegardToCase();
    void fileExists_isFalseForFoldersAndMissingFiles();
};

void PathsTest::resolveRelativePath()
{
    const auto& row = Row(Resolved);
    QCOMPARE(ResolveRelativePath(QString::fromLatin1(row.Path), QString::fromLatin1(row.Base), row.Style),
             QString::fromLatin1(row.Expected));
}

void PathsTest::fullAndNativePaths()
{
    for (const char* full : {"D:\\Classes", "/srv/classes"})
        QVERIFY(IsFullPath(QString::fromLatin1(full), Posix));
    QVERIFY(IsFullPath(QStringLiteral("D:\\Classes"), Win));
    for (const char* relative : {"\\characters", "../classes", ""})
        QVERIFY(!IsFullPath(QString::fromLatin1(relative), Posix));
    QVERIFY(!IsFullPath(QStringLiteral("/characters"), Win));
    QCOMPARE(ToNativePath(QStringLiteral("/a/tool\\characters\\x.cfg"), Posix),
             QStringLiteral("/a/tool/characters/x.cfg"));
    QCOMPARE(ToNativePath(QStringLiteral("C:\\a/b"), Win), QStringLiteral("C:\\a/b"));
    QCOMPARE(LastPathComponent(QStringLiteral("/a/models\\Ranger"), Posix), QStringLiteral("Ranger"));
    QCOMPARE(LastPathComponent(QStringLiteral("C:\\a/b"), Win), QStringLiteral("a/b"));
    QCOMPARE(JoinPath(QStringLiteral("C:\\a"), QStringLiteral("b"), Win), QStringLiteral("C:\\a\\b"));
}

void PathsTest::locatePath_findsComponentsWithoutRegardToCase()
{
    if (NativePathStyle() == Win)
        QSKIP("Windows disks do not tell case apart");
    GameFolder dir;
    dir.AddFile(QStringLiteral("Game/People/Tall/head_001.tga"));
    const QString asWritten = dir.Path() + QStringLiteral("/game\\people/TALL/HEAD_001.TGA");
    QCOMPARE(LocatePath(asWritten), dir.Path(QStringLiteral("Game/People/Tall/head_001.tga")));
    QVERIFY(FileExists(asWritten));
    // A missing tail keeps its spelling; an exact name wins over one that differs only in case.
    QCOMPARE(LocatePath(dir.Path() + QStringLiteral("/GAME/new/x.cfg")),
             dir.Path(QStringLiteral("Game/new/x.cfg")));
    dir.AddFile(QStringLiteral("Game/people/other.txt"));
    QCOMPARE(LocatePath(dir.Path(QStringLiteral("Game/people/other.txt"))),
             dir.Path(QStringLiteral("Game/people/other.txt")));
}

void PathsTest::fileExists_isFalseForFoldersAndMissingFiles()
{
    GameFolder dir;
    dir.AddFile(QStringLiteral("a.ini"));
    QVERIFY(FileExists(dir.Path(QStringLiteral("a.ini"))));
    QVERIFY(!FileExists(dir.Path(QStringLiteral("b.ini"))));
    QVERIFY(!FileExists(dir.Path()));
    QVERIFY(PathExists(dir.Path()));
    QVERIFY(!ReadWholeFile(dir.Path()));
    QCOMPARE(ReadWholeFile(dir.Path(QStringLiteral("a.ini")), 1), std::optional<QByteArray>("x"));
    QCOMPARE(ReadWholeFile(dir.Path(QStringLiteral("a.ini")), 0), std::nullopt);
}

ROSTERMAKER_REGISTER_TEST(PathsTest)
#include "pathstest.moc"
