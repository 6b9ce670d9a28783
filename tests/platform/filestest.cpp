#include "platform/files.h"

#include "platform/listing.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Listings in the order and with the matching of the system's file and folder lists, and the save that
// never loses the old file.
class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void wildcard_data();
    void wildcard();
    void compareWithoutCase_ordersSymbolsDigitsLetters();
    void listFiles_matchesPatternAndSkipsFoldersAndHiddenFiles();
    void listSubfolders_givesFullPathsInOrder();
    void listSubfolders_missingFolder_givesNothing();
    void replaceFile_writesNewContentInOneStep();
    void replaceFile_readOnlyFile_isRefusedAndKept();
    void replaceFile_missingFolder_reportsReason();
};

void FilesTest::wildcard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    QTest::newRow("star extension") << "Alpha.cfg"
                                    << "*.cfg" << true;
    QTest::newRow("case ignored") << "Charlie.CFG"
                                  << "*.cfg" << true;
    QTest::newRow("longer extension") << "Alpha.cfg.bak"
                                      << "*.cfg" << false;
    QTest::newRow("two dots") << "Alpha.old.cfg"
                              << "*.cfg" << true;
    QTest::newRow("empty name before extension") << ".cfg"
                                                 << "*.cfg" << true;
    QTest::newRow("question marks") << "head_001.tga"
                                    << "head_???.tga" << true;
    QTest::newRow("upper case with question marks") << "HEAD_00A.TGA"
                                                    << "head_???.tga" << true;
    QTest::newRow("too many characters") << "head_001p1.tga"
                                         << "head_???.tga" << false;
    QTest::newRow("too few characters") << "head_01.tga"
                                        << "head_???.tga" << false;
    QTest::newRow("star backtracks") << "a.cfg.cfg"
                                     << "*.cfg" << true;
}

void FilesTest::wildcard()
{
    QFETCH(QString, name);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(MatchesWildcard(name, pattern), matches);
}

void FilesTest::compareWithoutCase_ordersSymbolsDigitsLetters()
{
    QStringList names = {QStringLiteral("bravo"),       QStringLiteral("1st"),     QStringLiteral("Alpha"),
                         QStringLiteral("<New Class>"), QStringLiteral("charlie"), QStringLiteral("alpha")};
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return CompareWithoutCase(a, b) < 0; });
    QCOMPARE(names,
             (QStringList{QStringLiteral("<New Class>"), QStringLiteral("1st"), QStringLiteral("Alpha"),
                          QStringLiteral("alpha"), QStringLiteral("bravo"), QStringLiteral("charlie")}));
}

void FilesTest::listFiles_matchesPatternAndSkipsFoldersAndHiddenFiles()
{
    QTemporaryDir dir;
    for (const char* name :
         {"bravo.cfg", "Alpha.cfg", "Charlie.CFG", "Alpha.cfg.bak", ".hidden.cfg", "notes.txt"})
        QVERIFY(WriteTestFile(dir.filePath(QString::fromLatin1(name)), "x"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.cfg")));
    QFile readOnly(dir.filePath(QStringLiteral("delta.cfg")));
    QVERIFY(readOnly.open(QIODevice::WriteOnly));
    readOnly.close();
    QVERIFY(readOnly.setPermissions(QFileDevice::ReadOwner));
    QCOMPARE(ListFiles(dir.path(), QStringLiteral("*.cfg")),
             (QStringList{QStringLiteral("Alpha.cfg"), QStringLiteral("bravo.cfg"),
                          QStringLiteral("Charlie.CFG"), QStringLiteral("delta.cfg")}));
    QCOMPARE(ListFiles(dir.filePath(QStringLiteral("missing")), QStringLiteral("*.cfg")), QStringList());
    QCOMPARE(ListFiles(QString(), QStringLiteral("*")), QStringList());
}

void FilesTest::listSubfolders_givesFullPathsInOrder()
{
    QTemporaryDir dir;
    for (const char* name : {"Cobalt", "amber", "Birch", ".hidden"})
        QVERIFY(QDir(dir.path()).mkdir(QString::fromLatin1(name)));
    QVERIFY(WriteTestFile(dir.filePath(QStringLiteral("file")), "x"));
    const std::optional<QStringList> folders = ListSubfolders(dir.path());
    QVERIFY(folders);
    QCOMPARE(*folders, (QStringList{QDir::toNativeSeparators(dir.filePath(QStringLiteral("amber"))),
                                    QDir::toNativeSeparators(dir.filePath(QStringLiteral("Birch"))),
                                    QDir::toNativeSeparators(dir.filePath(QStringLiteral("Cobalt")))}));
}

void FilesTest::listSubfolders_missingFolder_givesNothing()
{
    QTemporaryDir dir;
    QVERIFY(!ListSubfolders(dir.filePath(QStringLiteral("missing"))));
    QVERIFY(!ListSubfolders(QString()));
    QVERIFY(WriteTestFile(dir.filePath(QStringLiteral("file")), "x"));
    QVERIFY(!ListSubfolders(dir.filePath(QStringLiteral("file"))));
    QCOMPARE(ListSubfolders(dir.path()), std::optional<QStringList>(QStringList()));
}

void FilesTest::replaceFile_writesNewContentInOneStep()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sniper.cfg"));
    QVERIFY(WriteTestFile(path, "old content that is longer"));
    QCOMPARE(ReplaceFile(path, "new"), std::nullopt);
    QCOMPARE(ReadTestFile(path), QByteArray("new"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Sniper.cfg")});
}

void FilesTest::replaceFile_readOnlyFile_isRefusedAndKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sniper.cfg"));
    QVERIFY(WriteTestFile(path, "old"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const std::optional<QString> failure = ReplaceFile(path, "new");
    QVERIFY(failure);
    QVERIFY(!failure->isEmpty());
    QCOMPARE(ReadTestFile(path), QByteArray("old"));
}

void FilesTest::replaceFile_missingFolder_reportsReason()
{
    QTemporaryDir dir;
    const std::optional<QString> failure =
        ReplaceFile(dir.filePath(QStringLiteral("gone/Sniper.cfg")), "new");
    QVERIFY(failure);
    QVERIFY(!failure->isEmpty());
}

ROSTERMAKER_REGISTER_TEST(FilesTest)
#include "filestest.moc"
