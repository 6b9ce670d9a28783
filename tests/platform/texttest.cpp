#include "platform/text.h"

#include "platform/codepage.h"
#include "platform/textlines.h"
#include "support/testmain.h"

#include <QTest>

class TextTest : public QObject {
    Q_OBJECT
private slots:
    void splitLines_data();
    void splitLines();
    void windows1252_roundTripsEveryByte();
    void windows1252_unencodableCharacters_becomeQuestionMarks();
    void trimSpaces_removesSpacesOnly();
};

void TextTest::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("lone CR") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("lone LF") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("mixed") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("last line without terminator") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << "a\r\n\r\n\r\nb\r\n" << QStringList{"a", "", "", "b"};
    QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("empty text") << "" << QStringList{};
    QTest::newRow("one empty line") << "\r\n" << QStringList{""};
}

void TextTest::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QStringList seen;
    ForEachLine(text, [&seen](QStringView line) { seen.append(line.toString()); });
    QCOMPARE(seen, lines);
}

void TextTest::windows1252_roundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = DecodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0x92), QChar(0x2019));
    QCOMPARE(text.at(0x96), QChar(0x2013));
    QCOMPARE(text.at(0x81), QChar(0x81));
    QCOMPARE(text.at(0xE9), QChar(0xE9));
    QCOMPARE(EncodeWindows1252(text), all);
}

void TextTest::windows1252_unencodableCharacters_becomeQuestionMarks()
{
    QCOMPARE(EncodeWindows1252(QStringLiteral("a\u0416b\u4E2D")), QByteArray("a?b?"));
    QCOMPARE(EncodeWindows1252(QStringLiteral("Can\u2019t \u2013 \u20AC")), QByteArray("Can\x92t \x96 \x80"));
}

void TextTest::trimSpaces_removesSpacesOnly()
{
    QCOMPARE(TrimSpaces(QStringLiteral("  Sniper ")), QStringLiteral("Sniper"));
    QCOMPARE(TrimSpaces(QStringLiteral("\tSniper\t")), QStringLiteral("\tSniper\t"));
    QCOMPARE(TrimSpaces(QStringLiteral("   ")), QString());
}

ROSTERMAKER_REGISTER_TEST(TextTest)
#include "texttest.moc"
