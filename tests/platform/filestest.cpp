#include "platform/files.h"

#include "platform/listing.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr struct {
    const char* Name;
    const char16_t* FileName;
    const char16_t* Pattern;
    bool Matches;
} Wildcards[] = {
    {"star", u"Alpha.cfg", u"*.cfg", true},
    {"case ignored", u"Charlie.CFG", u"*.cfg", true},
    {"longer extension", u"Alpha.cfg.bak", u"*.cfg", false},
    {"two dots", u"Alpha.old.cfg", u"*.cfg", true},
    {"nothing before", u".cfg", u"*.cfg", true},
    {"star backtracks", u"a.cfg.cfg", u"*.cfg", true},
    {"question marks", u"HEAD_00A.TGA", u"head_???.tga", true},
    {"too many", u"head_001p1.tga", u"head_???.tga", false},
    {"too few", u"head_01.tga", u"head_???.tga", false},
};

} // namespace

// Listings in the order and with the matching of the system's file and folder lists, and the save that
// never loses the old file.
class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void wildcard_data() { AddRows(Wildcards); }
    void wildcard();
    void compareWithoutCase_putsSymbolsBeforeDigitsBeforeLetters();
    void listFiles_matchingOrdinaryFilesOnly();
    void listSubfolders_fullPathsInOrder();
    void replaceFile_replacesInOneStepOrKeepsTheOldFile();
};

namespace {

// Adds a hidden file, or a hidden folder (a name ending with "/"), to the folder within dir, hidden as the
// system hides them: by a leading dot on Unix, by the hidden attribute on Windows.
void AddHidden(GameFolder& dir, const QString& folder, const QString& name)
{
#ifdef Q_OS_WIN
    const QString path = folder + name;
#else
    const QString path = folder + u'.' + name;
#endif
    dir.AddFile(path.endsWith(u'/') ? path + u'x' : path);
#ifdef Q_OS_WIN
    const QString native = dir.Path(path.endsWith(u'/') ? path.chopped(1) : path);
    SetFileAttributesW(reinterpret_cast<const wchar_t*>(native.utf16()), FILE_ATTRIBUTE_HIDDEN);
#endif
}

} // namespace

void FilesTest::wildcard()
{
    const auto& row = Row(Wildcards);
    QCOMPARE(MatchesWildcard(QStringView(row.FileName), QStringView(row.Pattern)), row.Matches);
}

void FilesTest::compareWithoutCase_putsSymbolsBeforeDigitsBeforeLetters()
{
    QStringList names = {"bravo", "1st", "Alpha", "<New Class>", "charlie", "alpha", "Alp"};
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return CompareWithoutCase(a, b) < 0; });
    QCOMPARE(names, (QStringList{"<New Class>", "1st", "Alp", "Alpha", "alpha", "bravo", "charlie"}));
}

void FilesTest::listFiles_matchingOrdinaryFilesOnly()
{
    GameFolder dir;
    for (const char* name :
         {"bravo.cfg", "Alpha.cfg", "Charlie.CFG", "Alpha.cfg.bak", "notes.txt", "folder.cfg/x"})
        dir.AddFile(QString::fromLatin1(name));
    AddHidden(dir, QString(), QStringLiteral("hidden.cfg"));
    dir.AddFile(QStringLiteral("delta.cfg"));
    QVERIFY(QFile::setPermissions(dir.Path(QStringLiteral("delta.cfg")), QFileDevice::ReadOwner));
    QCOMPARE(ListFiles(dir.Path(), QStringLiteral("*.cfg")),
             (QStringList{"Alpha.cfg", "bravo.cfg", "Charlie.CFG", "delta.cfg"}));
    QCOMPARE(ListFiles(dir.Path(QStringLiteral("missing")), QStringLiteral("*")), QStringList());
    QCOMPARE(ListFiles(QString(), QStringLiteral("*")), QStringList());
}

void FilesTest::listSubfolders_fullPathsInOrder()
{
    GameFolder dir;
    for (const char* name : {"m/Cobalt/x", "m/amber/x", "m/Birch/x", "m/file"})
        dir.AddFile(QString::fromLatin1(name));
    AddHidden(dir, QStringLiteral("m/"), QStringLiteral("hidden/"));
    const auto folder = [&dir](const char* name) {
        return dir.Path(QStringLiteral("m/") + QString::fromLatin1(name));
    };
    QCOMPARE(ListSubfolders(folder("")).value_or(QStringList{"none"}),
             (QStringList{folder("amber"), folder("Birch"), folder("Cobalt")}));
    QCOMPARE(ListSubfolders(folder("amber")).value_or(QStringList{"none"}), QStringList());
    for (const QString& none : {folder("missing"), QString(), folder("file")})
        QCOMPARE(ListSubfolders(none), std::nullopt);
}

void FilesTest::replaceFile_replacesInOneStepOrKeepsTheOldFile()
{
    GameFolder dir;
    const QString path = dir.Path(QStringLiteral("Sniper.cfg"));
    dir.AddFile(QStringLiteral("Sniper.cfg"), "old content that is longer");
    QCOMPARE(ReplaceFile(path, "new"), std::nullopt);
    QCOMPARE(ReadTestFile(path), QByteArray("new"));
    QCOMPARE(QDir(dir.Path()).entryList(QDir::Files), QStringList{"Sniper.cfg"});

    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner)); // read-only, even to an administrator
    QCOMPARE(ReplaceFile(path, "newer"), std::optional<QString>(QStringLiteral("The file is read-only.")));
    QCOMPARE(ReadTestFile(path), QByteArray("new"));
    QVERIFY(!ReplaceFile(dir.Path(QStringLiteral("gone/Sniper.cfg")), "new").value_or(QString()).isEmpty());
}

ROSTERMAKER_REGISTER_TEST(FilesTest)
#include "filestest.moc"
