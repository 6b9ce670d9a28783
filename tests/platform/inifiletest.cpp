#include "platform/inifile.h"

#include "platform/codepage.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <string_view>

using namespace std::string_view_literals;

namespace {

constexpr struct {
    const char* Name;
    std::string_view File;
    const char* Section;
    const char* Key;
    const char16_t* Value;
} Cases[] = {
    {"plain", "[Application]\r\nStarting Points=25\r\n", "Application", "Starting Points", u"25"},
    {"names without case", "[Application]\r\nStarting Points=25\r\n", "APPLICATION", "starting points",
     u"25"},
    {"absent key", "[Application]\r\nA=1\r\n", "Application", "B", u"0"},
    {"absent section", "[Application]\r\nA=1\r\n", "Other", "A", u"0"},
    {"empty file", "", "Application", "A", u"0"},
    {"blanks around everything", "  [ Application ]  \r\n\t A \t=  25 \t\x1A\r\n", "Application", "A", u"25"},
    {"blanks asked for", "[Application]\r\nA=25\r\n", " Application ", " A ", u"25"},
    {"inner blanks of a name", "[Application]\r\nStarting  Points=25\r\n", "Application", "Starting Points",
     u"0"},
    {"tab inside a name", "[Application]\r\nStarting\tPoints=25\r\n", "Application", "Starting Points", u"0"},
    {"inner blanks of a value", "[Application]\r\nA=  a  b  \r\n", "Application", "A", u"a  b"},
    {"no inline comment", "[Application]\r\nA=5 ; c\r\n", "Application", "A", u"5 ; c"},
    {"equals in the value", "[Application]\r\nA=a=b\r\n", "Application", "A", u"a=b"},
    {"1252: NBSP is no blank", "[Application]\r\nA=\xA0x\xA0\r\n", "Application", "A", u"\u00A0x\u00A0"},
    {"double quotes", "[Application]\r\nA=\"  x  \"\r\n", "Application", "A", u"  x  "},
    {"single quotes", "[Application]\r\nA='x'\r\n", "Application", "A", u"x"},
    {"one quote", "[Application]\r\nA=\"\r\n", "Application", "A", u"\""},
    {"two quotes", "[Application]\r\nA=\"\"\r\n", "Application", "A", u""},
    {"unclosed quote", "[Application]\r\nA=\"abc\r\n", "Application", "A", u"\"abc"},
    {"mixed quotes", "[Application]\r\nA=\"abc'\r\n", "Application", "A", u"\"abc'"},
    {"empty value", "[Application]\r\nA=\r\n", "Application", "A", u""},
    {"line without =", "[Application]\r\nA\r\nA=5\r\n", "Application", "A", u"0"},
    {"first key counts", "[Application]\r\nA=1\r\na=2\r\n", "Application", "A", u"1"},
    {"second section copy", "[Application]\r\nA=1\r\n[x]\r\n[application]\r\nB=2\r\n", "Application", "B",
     u"0"},
    {"keys before sections", "B=2\r\n[Application]\r\n", "Application", "B", u"0"},
    {"section line with =", "[x]=5\r\nA=7\r\n", "x", "A", u"7"},
    {"section to the last ]", "[a]b]\r\nA=7\r\n", "a]b", "A", u"7"},
    {"[ without ]", "[Application]\r\n[Broken\r\nA=7\r\n", "Application", "A", u"7"},
    {"; and # lines are keys", "[Application]\r\n;A=7\r\n# B = 8\r\n", "Application", "# B", u"8"},
    {"lone CR lines", "[Application]\rA=7\r", "Application", "A", u"7"},
    {"lone LF lines", "[Application]\nA=7", "Application", "A", u"7"},
    {"NUL ends a value", "[Application]\r\nA=ab\0cd\r\n"sv, "Application", "A", u"ab"},
    {"NUL ends a name", "[Application]\r\nA\0x=5\r\n"sv, "Application", "A", u"5"},
    {"UTF-8 mark", "\xEF\xBB\xBF[Application]\r\nA=caf\xC3\xA9\r\n", "Application", "A", u"caf\u00E9"},
    {"1252: Windows-1252", "[Application]\r\nA=caf\xE9 \x80\r\n", "Application", "A", u"caf\u00E9 \u20AC"},
};

} // namespace

// Settings files of many shapes, read as the Windows private-profile reader reads them.
class IniFileTest : public QObject {
    Q_OBJECT
private slots:
    void value_data() { AddRows(Cases); }
    void value();
    void utf16WithMark_andLongValues();
};

void IniFileTest::value()
{
    const auto& row = Row(Cases);
    if (std::string_view(row.Name).starts_with("1252") && DecodeFileText("\x80\xA0") != u"\u20AC\u00A0")
        QSKIP("the file code page (the system's on Windows) is not Windows-1252");
    QCOMPARE(IniFile::Parse(QByteArrayView(row.File.data(), qsizetype(row.File.size())))
                 .Value(QString::fromLatin1(row.Section), QString::fromLatin1(row.Key)),
             QString::fromUtf16(row.Value));
}

void IniFileTest::utf16WithMark_andLongValues()
{
    const QString text = QStringLiteral("[Application]\r\nA=Gr\u00FCn\r\n");
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2); // little-endian machines
    QCOMPARE(IniFile::Parse(utf16).Value(QStringLiteral("Application"), QStringLiteral("A")),
             QStringLiteral("Gr\u00FCn"));

    const QByteArray value(300, 'v');
    const IniFile ini = IniFile::Parse("[A]\r\nKey=" + value + "\r\nQuoted=\"" + value + "\"\r\n");
    QCOMPARE(ini.Value(QStringLiteral("A"), QStringLiteral("Key")), QString(254, u'v'));
    QCOMPARE(ini.Value(QStringLiteral("A"), QStringLiteral("Quoted")), QString(254, u'v'));
}

ROSTERMAKER_REGISTER_TEST(IniFileTest)
#include "inifiletest.moc"
