#include "catalogue/weaponsfile.h"
#include "support/testmain.h"

#include <QTest>

// Header rows of the weapons file. The two large files below once took the reader minutes; they are sized
// so that reading them with time that grows with the square of the rows would outlast the test's timeout.
class WeaponsFileHeaderRowsTest : public QObject {
    Q_OBJECT
private slots:
    void manyHeaderRowsWithoutCommas_runIntoOneField();
    void manyHeaderRowsAfterAFarColumn_keepEveryColumn();
    void fieldsSharingAColumn_theFirstInTableOrderTakesIt();
};

namespace {

WeaponsFileContent Read(const QString& text)
{
    return ReadWeaponsFile(text, QStringLiteral("InternalName"));
}

} // namespace

void WeaponsFileHeaderRowsTest::manyHeaderRowsWithoutCommas_runIntoOneField()
{
    // 160,000 header rows without a comma name nothing; the header row after them names its columns.
    const QString text =
        QStringLiteral("InternalName\r\n").repeated(160000) + QStringLiteral("InternalName,DisplayName,\r\n"
                                                                             "k,Knife,\r\n");
    const WeaponsFileContent content = Read(text);
    QVERIFY(!content.Error);
    QCOMPARE(content.Items.size(), 1);
    QCOMPARE(content.Items[0].InternalName, QStringLiteral("k"));
    QCOMPARE(content.Items[0].DisplayName, QStringLiteral("Knife"));
}

void WeaponsFileHeaderRowsTest::manyHeaderRowsAfterAFarColumn_keepEveryColumn()
{
    // DisplayName is column 300,001; the 150,000 header rows after it each name InternalName column 1.
    const QString text = QStringLiteral("InternalName") + QStringLiteral(",").repeated(300000) +
                         QStringLiteral("DisplayName,\r\n") +
                         QStringLiteral("InternalName,\r\n").repeated(150000) +
                         QStringLiteral(",").repeated(300000) + QStringLiteral("Knife,k\r\n");
    const WeaponsFileContent content = Read(text);
    QVERIFY(!content.Error);
    QCOMPARE(content.Items.size(), 1);
    QCOMPARE(content.Items[0].DisplayName, QStringLiteral("Knife"));
    QCOMPARE(content.Items[0].InternalName, QString()); // the row's first field is empty
}

void WeaponsFileHeaderRowsTest::fieldsSharingAColumn_theFirstInTableOrderTakesIt()
{
    // InternalName keeps column 1 from the first header; the second header gives DisplayName column 1 too.
    const WeaponsFileContent content = Read(QStringLiteral("InternalName,\r\n"
                                                           "\r\n"
                                                           "DisplayName,InternalName\r\n"
                                                           "k,\r\n"));
    QVERIFY(!content.Error);
    QCOMPARE(content.Items.size(), 2);
    QCOMPARE(content.Items[1].InternalName, QStringLiteral("k"));
    QCOMPARE(content.Items[1].DisplayName, QString());
}

ROSTERMAKER_REGISTER_TEST(WeaponsFileHeaderRowsTest)
#include "weaponsfileheaderrowstest.moc"
