#include "platform/paths.h"

#include "platform/files.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The path rules in both styles: the Windows examples verbatim, and their Posix equivalents.
class PathsTest : public QObject {
    Q_OBJECT
private slots:
    void resolveRelativePath_data();
    void resolveRelativePath();
    void isFullPath_data();
    void isFullPath();
    void nativePath();
    void locatePath_findsComponentsWithoutRegardToCase();
    void fileExists_isFalseForFoldersAndMissingFiles();
};

void PathsTest::resolveRelativePath_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");
    const int windows = int(PathStyle::Windows);
    const int posix = int(PathStyle::Posix);
    const QString tool = QStringLiteral("C:\\Games\\Mod\\Tool");
    QTest::newRow("win parent") << windows << "..\\weapons.csv" << tool << "C:\\Games\\Mod\\weapons.csv";
    QTest::newRow("win two parents") << windows << "..\\..\\x" << tool << "C:\\Games\\x";
    QTest::newRow("win leading separator")
        << windows << "\\characters" << tool << "C:\\Games\\Mod\\Tool\\characters";
    QTest::newRow("win nothing inserted")
        << windows << "weapons.csv" << tool << "C:\\Games\\Mod\\Toolweapons.csv";
    QTest::newRow("win drive root") << windows << "..\\weapons.csv"
                                    << "C:\\"
                                    << "C:\\weapons.csv";
    QTest::newRow("win parent keeps separator") << windows << "..\\"
                                                << "C:\\Games\\Mod\\models"
                                                << "C:\\Games\\Mod\\";
    QTest::newRow("win forward slashes do not climb")
        << windows << "../x" << tool << "C:\\Games\\Mod\\Tool../x";
    QTest::newRow("win empty path") << windows << "" << tool << tool;
    QTest::newRow("win more parents than folders") << windows << "..\\..\\..\\..\\..\\x" << tool << "C:\\x";

    const QString posixTool = QStringLiteral("/games/mod/tool");
    QTest::newRow("posix parent") << posix << "..\\weapons.csv" << posixTool << "/games/mod/weapons.csv";
    QTest::newRow("posix slash parent") << posix << "../weapons.csv" << posixTool << "/games/mod/weapons.csv";
    QTest::newRow("posix two parents") << posix << "..\\../x" << posixTool << "/games/x";
    QTest::newRow("posix leading backslash")
        << posix << "\\characters" << posixTool << "/games/mod/tool\\characters";
    QTest::newRow("posix root") << posix << "..\\weapons.csv"
                                << "/"
                                << "/weapons.csv";
    QTest::newRow("posix parent keeps separator") << posix << "..\\"
                                                  << "/games/mod/models"
                                                  << "/games/mod/";
}

void PathsTest::resolveRelativePath()
{
    QFETCH(int, style);
    QFETCH(QString, path);
    QFETCH(QString, base);
    QFETCH(QString, expected);
    QCOMPARE(ResolveRelativePath(path, base, PathStyle(style)), expected);
}

void PathsTest::isFullPath_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("full");
    QTest::newRow("win drive") << int(PathStyle::Windows) << "D:\\Classes" << true;
    QTest::newRow("win leading separator") << int(PathStyle::Windows) << "\\characters" << false;
    QTest::newRow("win slash") << int(PathStyle::Windows) << "/characters" << false;
    QTest::newRow("posix slash") << int(PathStyle::Posix) << "/home/x/classes" << true;
    QTest::newRow("posix colon") << int(PathStyle::Posix) << "D:\\Classes" << true;
    QTest::newRow("posix backslash") << int(PathStyle::Posix) << "\\characters" << false;
    QTest::newRow("posix parent") << int(PathStyle::Posix) << "../classes" << false;
}

void PathsTest::isFullPath()
{
    QFETCH(int, style);
    QFETCH(QString, path);
    QFETCH(bool, full);
    QCOMPARE(IsFullPath(path, PathStyle(style)), full);
}

void PathsTest::nativePath()
{
    QCOMPARE(ToNativePath(QStringLiteral("/a/tool\\characters\\x.cfg"), PathStyle::Posix),
             QStringLiteral("/a/tool/characters/x.cfg"));
    QCOMPARE(ToNativePath(QStringLiteral("C:\\a\\b"), PathStyle::Windows), QStringLiteral("C:\\a\\b"));
    QCOMPARE(LastPathComponent(QStringLiteral("/a/models\\Ranger"), PathStyle::Posix),
             QStringLiteral("Ranger"));
    QCOMPARE(LastPathComponent(QStringLiteral("C:\\a/b"), PathStyle::Windows), QStringLiteral("a/b"));
}

void PathsTest::locatePath_findsComponentsWithoutRegardToCase()
{
    if (NativePathStyle() == PathStyle::Windows)
        QSKIP("Windows disks do not tell case apart");
    QTemporaryDir dir;
    QVERIFY(WriteTestFile(dir.filePath(QStringLiteral("Game/People/Tall/head_001.tga")), "x"));
    const QString asWritten = dir.path() + QStringLiteral("/game\\people/TALL/HEAD_001.TGA");
    QCOMPARE(LocatePath(asWritten), dir.filePath(QStringLiteral("Game/People/Tall/head_001.tga")));
    QVERIFY(FileExists(asWritten));
    // A missing tail keeps its spelling after the part that was found.
    QCOMPARE(LocatePath(dir.path() + QStringLiteral("/GAME/new/x.cfg")),
             dir.filePath(QStringLiteral("Game/new/x.cfg")));
    // The exact name wins over a name that differs only in case.
    QVERIFY(WriteTestFile(dir.filePath(QStringLiteral("Game/people/other.txt")), "y"));
    QCOMPARE(LocatePath(dir.filePath(QStringLiteral("Game/people/other.txt"))),
             dir.filePath(QStringLiteral("Game/people/other.txt")));
}

void PathsTest::fileExists_isFalseForFoldersAndMissingFiles()
{
    QTemporaryDir dir;
    QVERIFY(WriteTestFile(dir.filePath(QStringLiteral("a.ini")), "[A]"));
    QVERIFY(FileExists(dir.filePath(QStringLiteral("a.ini"))));
    QVERIFY(!FileExists(dir.filePath(QStringLiteral("b.ini"))));
    QVERIFY(!FileExists(dir.path()));
    QVERIFY(PathExists(dir.path()));
    QVERIFY(!ReadWholeFile(dir.path()));
}

ROSTERMAKER_REGISTER_TEST(PathsTest)
#include "pathstest.moc"
