#include "platform/text.h"

#include "platform/codepage.h"
#include "platform/textlines.h"
#include "support/testmain.h"
#include "support/testsupport.h"

namespace {

constexpr struct {
    const char* Name;
    const char16_t* Text;
    const char16_t* Lines; // joined by "|"
} Splits[] = {
    {"CR LF", u"a\r\nb\r\n", u"a|b"},
    {"lone CR", u"a\rb\r", u"a|b"},
    {"lone LF", u"a\nb\n", u"a|b"},
    {"mixed", u"a\r\nb\rc\nd", u"a|b|c|d"},
    {"empty lines kept", u"a\r\n\r\nb", u"a||b"},
    {"LF CR is two ends", u"a\n\rb", u"a||b"},
    {"one empty line", u"\r\n", u""},
};

} // namespace

// Text at the file boundary: lines, the single-byte code page, blanks.
class TextTest : public QObject {
    Q_OBJECT
private slots:
    void splitLines_data() { AddRows(Splits); }
    void splitLines();
    void windows1252_roundTripsEveryByte();
    void fileText_utf8WithMark_andCharactersOutsideTheCodePage();
    void trimSpaces_removesSpacesOnly();
};

void TextTest::splitLines()
{
    const auto& row = Row(Splits);
    QStringList seen;
    ForEachLine(QStringView(row.Text), [&seen](QStringView line) { seen.append(line.toString()); });
    QCOMPARE(seen, QString::fromUtf16(row.Lines).split(u'|'));
    int lines = 0;
    ForEachLine(QStringView(), [&lines](QStringView) { ++lines; });
    QCOMPARE(lines, 0);
}

void TextTest::windows1252_roundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = DecodeWindows1252(all);
    QCOMPARE(text.mid(0x80, 3), QStringLiteral("\u20AC\u0081\u201A"));
    QCOMPARE(text.mid(0x9E, 4), QStringLiteral("\u017E\u0178\u00A0\u00A1"));
    QCOMPARE(text.at(0x7F), QChar(0x7F));
    QCOMPARE(EncodeWindows1252(text), all);
    QCOMPARE(EncodeWindows1252(QStringLiteral("a\u0416b\u4E2D\u0100")), QByteArray("a?b??"));
}

void TextTest::fileText_utf8WithMark_andCharactersOutsideTheCodePage()
{
    QCOMPARE(DecodeFileText("\xEF\xBB\xBFk,Caf\xC3\xA9"), QStringLiteral("k,Caf\u00E9"));
    QCOMPARE(DecodeFileText("\xEF\xBB"), DecodeWindows1252("\xEF\xBB")); // no whole mark
    QCOMPARE(EncodeFileText(u"Sniper"), QByteArray("Sniper"));
    if (DecodeFileText("\x80") != u"\u20AC")
        QSKIP("the file code page (the system's on Windows) is not Windows-1252");
    // Each character that the code page cannot hold is named once.
    QCOMPARE(EncodeFileText(u"\u0141\u20AC"), QByteArray("?\x80")); // no look-alike L
    QCOMPARE(CharactersOutsideFileCodePage(u"Sn\u0438p\u0438r \U0001F600 \u0416"),
             QStringLiteral("\u0438\U0001F600\u0416"));
    QCOMPARE(CharactersOutsideFileCodePage(u"Sch\u00FCtze"), QString());
    QCOMPARE(CharactersOutsideFileCodePage(u"?"), QString());
}

void TextTest::trimSpaces_removesSpacesOnly()
{
    QCOMPARE(TrimSpaces(QStringLiteral("  Sniper ")), QStringLiteral("Sniper"));
    QCOMPARE(TrimSpaces(QStringLiteral("\tSniper\t")), QStringLiteral("\tSniper\t"));
    QCOMPARE(TrimSpaces(QStringLiteral("   ")), QString());
}

ROSTERMAKER_REGISTER_TEST(TextTest)
#include "texttest.moc"
