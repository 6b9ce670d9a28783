#include "app/classlist.h"

#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class ClassListTest : public QObject {
    Q_OBJECT
private slots:
    void classNames_areFileNamesCutAtFirstDot();
    void emptyOrMissingFolder_givesNoNames();
};

void ClassListTest::classNames_areFileNamesCutAtFirstDot()
{
    QTemporaryDir dir;
    for (const char* name : {"bravo.cfg", "Alpha.old.cfg", "Charlie.CFG", "Alpha.cfg.bak", "Delta.txt"})
        QVERIFY(WriteTestFile(dir.filePath(QString::fromLatin1(name)), "x"));
    QCOMPARE(ClassNamesInFolder(dir.path()),
             (QStringList{QStringLiteral("Alpha"), QStringLiteral("bravo"), QStringLiteral("Charlie")}));
}

void ClassListTest::emptyOrMissingFolder_givesNoNames()
{
    QTemporaryDir dir;
    QCOMPARE(ClassNamesInFolder(dir.path()), QStringList());
    QCOMPARE(ClassNamesInFolder(dir.filePath(QStringLiteral("missing"))), QStringList());
}

ROSTERMAKER_REGISTER_TEST(ClassListTest)
#include "classlisttest.moc"
