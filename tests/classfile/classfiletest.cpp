#include "classfile/classfilereader.h"
#include "classfile/classfilewriter.h"
#include "classfiledata.h"
#include "platform/codepage.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QTest>

// The class file byte for byte, and what reading written and hand-edited files gives back.
class ClassFileTest : public QObject {
    Q_OBJECT
private slots:
    void writtenClass_matchesFile_data();
    void writtenClass_matchesFile();
    void readFile_setsDescribedValues_data();
    void readFile_setsDescribedValues();
    void loadedThenSaved_givesSameFile_data();
    void loadedThenSaved_givesSameFile();
};

namespace {

void AddCaseRows(const QStringList& cases)
{
    QTest::addColumn<QString>("name");
    for (const QString& name : cases)
        QTest::newRow(qPrintable(name)) << name;
}

QByteArray ClassFileOf(const QString& name)
{
    return ReadTestFile(DataPath(name + QStringLiteral(".cfg")));
}

LoadedClass Read(const QByteArray& file)
{
    return ReadClassFile(DecodeWindows1252(file), TestCatalogue());
}

} // namespace

void ClassFileTest::writtenClass_matchesFile_data()
{
    AddCaseRows(DataCases(QStringLiteral("class")));
}

void ClassFileTest::writtenClass_matchesFile()
{
    QFETCH(QString, name);
    const ClassRecord record = RecordFromDescription(DescriptionLines(name + QStringLiteral(".class")));
    QCOMPARE(ClassFileBytes(record, TestCatalogue(), StartingItem), ClassFileOf(name));
}

void ClassFileTest::readFile_setsDescribedValues_data()
{
    AddCaseRows(DataCases(QStringLiteral("loaded")));
}

void ClassFileTest::readFile_setsDescribedValues()
{
    QFETCH(QString, name);
    const QByteArray file = ClassFileOf(name);
    QVERIFY(!file.isEmpty());
    QCOMPARE(DescriptionOf(Read(file)), DescriptionLines(name + QStringLiteral(".loaded")));
}

// Every written file reads back into the class that wrote it, as long as no two catalogue items share a
// display name (one entry then writes two lines, which read back as two entries).
void ClassFileTest::loadedThenSaved_givesSameFile_data()
{
    QStringList cases = DataCases(QStringLiteral("class"));
    cases.removeOne(QStringLiteral("shared-display-name"));
    AddCaseRows(cases);
}

void ClassFileTest::loadedThenSaved_givesSameFile()
{
    QFETCH(QString, name);
    const QByteArray file = ClassFileOf(name);
    QCOMPARE(ClassFileBytes(RecordFromLoaded(Read(file)), TestCatalogue(), StartingItem), file);
}

ROSTERMAKER_REGISTER_TEST(ClassFileTest)
#include "classfiletest.moc"
