#include "platform/inifile.h"

#include "support/testmain.h"

#include <QTest>

// Settings files of many shapes read as the Windows private-profile reader reads them.
class IniFileTest : public QObject {
    Q_OBJECT
private slots:
    void value_data();
    void value();
    void utf16WithMark_isReadAsUtf16();
    void valueLongerThanBuffer_isCutTo254();
};

void IniFileTest::value_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray plain = "[Application]\r\nStarting Points=25\r\n";
    QTest::newRow("plain") << plain << "Application"
                           << "Starting Points"
                           << "25";
    QTest::newRow("names without regard to case") << plain << "APPLICATION"
                                                  << "starting points"
                                                  << "25";
    QTest::newRow("absent key") << plain << "Application"
                                << "Model Path"
                                << "0";
    QTest::newRow("absent section") << plain << "Other"
                                    << "Starting Points"
                                    << "0";
    QTest::newRow("empty file") << QByteArray() << "Application"
                                << "Starting Points"
                                << "0";
    QTest::newRow("blanks around names and value")
        << QByteArray("  [ Application ]  \r\n\t Starting Points \t=  25 \t\r\n") << "Application"
        << "Starting Points"
        << "25";
    QTest::newRow("blanks asked for are trimmed") << plain << " Application "
                                                  << " Starting Points "
                                                  << "25";
    QTest::newRow("inner blanks of a name count")
        << QByteArray("[Application]\r\nStarting  Points=25\r\n") << "Application"
        << "Starting Points"
        << "0";
    QTest::newRow("tab inside a name makes another key")
        << QByteArray("[Application]\r\nStarting\tPoints=25\r\n") << "Application"
        << "Starting Points"
        << "0";
    QTest::newRow("inner blanks of a value kept")
        << QByteArray("[Application]\r\nName=  a  b  \r\n") << "Application"
        << "Name"
        << "a  b";
    QTest::newRow("no inline comment") << QByteArray("[Application]\r\nPoints=5 ; c\r\n") << "Application"
                                       << "Points"
                                       << "5 ; c";
    QTest::newRow("equals inside the value") << QByteArray("[Application]\r\nPath=a=b\r\n") << "Application"
                                             << "Path"
                                             << "a=b";
    QTest::newRow("NBSP is not a blank") << QByteArray("[Application]\r\nName=\xA0x\xA0\r\n") << "Application"
                                         << "Name" << QString(QChar(0xA0)) + u'x' + QChar(0xA0);
    QTest::newRow("double quotes removed")
        << QByteArray("[Application]\r\nName=\"  x  \"\r\n") << "Application"
        << "Name"
        << "  x  ";
    QTest::newRow("single quotes removed") << QByteArray("[Application]\r\nName='x'\r\n") << "Application"
                                           << "Name"
                                           << "x";
    QTest::newRow("one quote character stays") << QByteArray("[Application]\r\nName=\"\r\n") << "Application"
                                               << "Name"
                                               << "\"";
    QTest::newRow("two quotes give empty") << QByteArray("[Application]\r\nName=\"\"\r\n") << "Application"
                                           << "Name"
                                           << "";
    QTest::newRow("unclosed quote stays") << QByteArray("[Application]\r\nName=\"abc\r\n") << "Application"
                                          << "Name"
                                          << "\"abc";
    QTest::newRow("mixed quotes stay") << QByteArray("[Application]\r\nName=\"abc'\r\n") << "Application"
                                       << "Name"
                                       << "\"abc'";
    QTest::newRow("key= is the empty text") << QByteArray("[Application]\r\nName=\r\n") << "Application"
                                            << "Name"
                                            << "";
    QTest::newRow("line without = gives the default")
        << QByteArray("[Application]\r\nName\r\n") << "Application"
        << "Name"
        << "0";
    QTest::newRow("line without = hides a later one")
        << QByteArray("[Application]\r\nName\r\nName=5\r\n") << "Application"
        << "Name"
        << "0";
    QTest::newRow("first of two keys counts")
        << QByteArray("[Application]\r\nName=1\r\nname=2\r\n") << "Application"
        << "Name"
        << "1";
    QTest::newRow("second copy of a section not searched")
        << QByteArray("[Application]\r\nA=1\r\n[Other]\r\n[application]\r\nB=2\r\n") << "Application"
        << "B"
        << "0";
    QTest::newRow("keys before any section never found")
        << QByteArray("B=2\r\n[Application]\r\n") << "Application"
        << "B"
        << "0";
    QTest::newRow("section line with = starts a section") << QByteArray("[x]=5\r\nKey=7\r\n") << "x"
                                                          << "Key"
                                                          << "7";
    QTest::newRow("section name runs to the last ]") << QByteArray("[a]b]\r\nKey=7\r\n") << "a]b"
                                                     << "Key"
                                                     << "7";
    QTest::newRow("[name without ] is a key of the section before")
        << QByteArray("[Application]\r\n[Broken\r\nKey=7\r\n") << "Application"
        << "Key"
        << "7";
    QTest::newRow("; lines are keys") << QByteArray("[Application]\r\n;Key=7\r\n") << "Application"
                                      << ";Key"
                                      << "7";
    QTest::newRow("# lines are keys") << QByteArray("[Application]\r\n# Key = 7\r\n") << "Application"
                                      << "# Key"
                                      << "7";
    QTest::newRow("lone CR lines") << QByteArray("[Application]\rKey=7\r") << "Application"
                                   << "Key"
                                   << "7";
    QTest::newRow("lone LF lines") << QByteArray("[Application]\nKey=7") << "Application"
                                   << "Key"
                                   << "7";
    QTest::newRow("NUL ends the value") << QByteArray("[Application]\r\nKey=ab\0cd\r\n", 22) << "Application"
                                        << "Key"
                                        << "ab";
    QTest::newRow("NUL ends the name") << QByteArray("[Application]\r\nKey\0x=5\r\n", 22) << "Application"
                                       << "Key"
                                       << "5";
    QTest::newRow("UTF-8 mark skipped, first section kept")
        << QByteArray("\xEF\xBB\xBF[Application]\r\nName=caf\xC3\xA9\r\n") << "Application"
        << "Name" << QString::fromUtf8("caf\xC3\xA9");
    QTest::newRow("single-byte code page")
        << QByteArray("[Application]\r\nName=caf\xE9 \x80\r\n") << "Application"
        << "Name" << QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC");
    QTest::newRow("0x1A is a blank") << QByteArray("[Application]\r\nKey=7\x1A\r\n") << "Application"
                                     << "Key"
                                     << "7";
}

void IniFileTest::value()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(IniFile::Parse(file).Value(section, key), expected);
}

void IniFileTest::utf16WithMark_isReadAsUtf16()
{
    const QString text = QStringLiteral("[Application]\r\nName=Gr\u00FCn\r\n");
    QByteArray bytes("\xFF\xFE");
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    QCOMPARE(IniFile::Parse(bytes).Value(QStringLiteral("Application"), QStringLiteral("Name")),
             QStringLiteral("Gr\u00FCn"));
}

void IniFileTest::valueLongerThanBuffer_isCutTo254()
{
    const QByteArray value(300, 'v');
    const IniFile ini = IniFile::Parse("[A]\r\nKey=" + value + "\r\nQuoted=\"" + value + "\"\r\n");
    QCOMPARE(ini.Value(QStringLiteral("A"), QStringLiteral("Key")), QString(254, u'v'));
    QCOMPARE(ini.Value(QStringLiteral("A"), QStringLiteral("Quoted")), QString(254, u'v'));
}

ROSTERMAKER_REGISTER_TEST(IniFileTest)
#include "inifiletest.moc"
