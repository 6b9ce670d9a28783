#include "platform/codepage.h"
#include "platform/console.h"
#include "platform/executable.h"
#include "platform/files.h"
#include "platform/fixeddecimal.h"
#include "platform/inifile.h"
#include "platform/keys.h"
#include "platform/listing.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <limits>

#ifdef Q_OS_WIN
#include <windows.h>
#undef ReplaceFile // the Windows API's name for ReplaceFileW hides the editor's function
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Adds a hidden file, or a hidden folder (a name ending with "/"), to the folder within dir, hidden as the
// system hides them: by a leading dot on Unix, by the hidden attribute on Windows.
void AddHidden(GameFolder& dir, const QString& folder, const QString& name)
{
    const QString path = folder + (NativePathStyle() == PathStyle::Windows ? u""_s : u"."_s) + name;
    dir.AddFile(path.endsWith(u'/') ? path + u'x' : path);
#ifdef Q_OS_WIN
    const QString native = dir.Path(path.endsWith(u'/') ? path.chopped(1) : path);
    SetFileAttributesW(reinterpret_cast<const wchar_t*>(native.utf16()), FILE_ATTRIBUTE_HIDDEN);
#endif
}

} // namespace

// The platform layer: numbers from text, settings files, paths, listings and files, text at the file
// boundary, keys and the executable's name.
class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void numericValue_data() { AddTableRows("numeric-values.txt"); }
    void numericValue()
    {
        QFETCH(TableRow, row);
        QCOMPARE(NumericValue(row[u"text"]), row[u"value"].toDouble());
    }

    void parseDecimal_data() { AddTableRows("decimals.txt"); }
    void parseDecimal()
    {
        QFETCH(TableRow, row);
        const std::optional<double> value =
            row[u"value"] == u"refused" ? std::nullopt : std::optional<double>(row[u"value"].toDouble());
        // The field is a view into its line: what follows it, a digit or a point, is not read.
        for (const QString& line : {row[u"text"] + u'7', row[u"text"] + u'.'})
            QCOMPARE(ParseDecimal(QStringView(line).chopped(1)), value);
    }

    void fixedDecimal_data() { AddTableRows("fixed-decimals.txt"); }
    void fixedDecimal()
    {
        QFETCH(TableRow, row);
        const double value = row[u"value"] == u"float" ? double(0.1f) : row[u"value"].toDouble();
        const FixedDecimal fixed = FixedDecimal::FromDouble(value);
        QCOMPARE(fixed.TenThousandths(), row[u"ten-thousandths"].toLongLong());
        QCOMPARE(fixed.ToText(u','), QString(row[u"text"]).replace(u'.', u','));
        QCOMPARE(FixedDecimal::Fits(value), std::abs(value) < 1e15);
    }

    // Rounding to whole numbers and to ten-thousandths is read through the settings, the weapons file and the
    // grid; what is left are the ends of the ranges and the exponent form.
    void wholeNumbers_neverWrap()
    {
        QCOMPARE(ToInt16(-32768.5), std::optional<qint16>(-32768)); // ties to even stay inside
        QCOMPARE(ToInt16(std::nan("")), std::nullopt);
    }

    void singlePrecisionText_sevenDigits()
    {
        QStringList texts;
        for (float single : {3.9999995f + 0.000001f, 0.1f + 0.2f, 654322.23456f, 12345678.0f, 0.00001f})
            texts.append(FormatSingle(single));
        QCOMPARE(texts.join(u' '), u"4 0.3 654322.3 1.234568E+07 1E-05"_s);
    }

    void fixedDecimal_saturatesAtTheEnds()
    {
        const FixedDecimal largest = FixedDecimal::FromTenThousandths(std::numeric_limits<qint64>::max());
        const FixedDecimal smallest = FixedDecimal::FromTenThousandths(std::numeric_limits<qint64>::min());
        const FixedDecimal step = FixedDecimal::FromTenThousandths(1);
        QVERIFY(largest + step == largest && smallest - step == smallest &&
                step - largest - largest == smallest);
        QCOMPARE(smallest + largest + step, FixedDecimal());
        QCOMPARE(FixedDecimal::FromDouble(-1e300), smallest);
        QCOMPARE(FixedDecimal::FromDouble(922337203685477.625), largest); // 2^63 ten-thousandths
        QCOMPARE(FixedDecimal::FromDouble(std::nan("")), FixedDecimal());
        QVERIFY(FixedDecimal::Fits(-922337203685477.625) &&
                !FixedDecimal::Fits(922337203685477.625)); // -2^63, 2^63
    }

    void iniValue_data() { AddTableRows("ini-files.txt"); }
    void iniValue()
    {
        QFETCH(TableRow, row);
        SKIP_UNLESS_1252(row.Name().startsWith(u"1252"));
        QCOMPARE(IniFile::Parse(row[u"file"].toLatin1()).Value(row[u"section"], row[u"key"]), row[u"value"]);
    }

    void iniValue_atMost254Characters()
    {
        const IniFile longValues = IniFile::Parse("[A]\r\nKey=" + QByteArray(300, 'v') + "\r\n");
        QCOMPARE(longValues.Value(u"A"_s, u"Key"_s), QString(254, u'v'));
    }

    void resolveRelativePath_data() { AddTableRows("paths.txt"); }
    void resolveRelativePath()
    {
        QFETCH(TableRow, row);
        QCOMPARE(ResolveRelativePath(row[u"path"], row[u"base"],
                                     row[u"style"] == u"Windows" ? PathStyle::Windows : PathStyle::Posix),
                 row[u"resolved"]);
    }

    void fullPathsLastComponentsAndExecutableNames_byStyle()
    {
        QVERIFY(IsFullPath(u"D:\\Classes"_s, PathStyle::Windows) && IsFullPath(u"D:\\C"_s, PathStyle::Posix));
        QVERIFY(IsFullPath(u"/srv/classes"_s, PathStyle::Posix) &&
                !IsFullPath(u"/classes"_s, PathStyle::Windows));
        QVERIFY(!IsFullPath(u"\\characters"_s, PathStyle::Posix) && !IsFullPath(u"../c"_s, PathStyle::Posix));
        QCOMPARE(LastPathComponent(u"\\Tester.cfg"_s, PathStyle::Windows) +
                     LastPathComponent(u"/m/x/"_s, PathStyle::Posix),
                 u"Tester.cfg"_s);
        QCOMPARE(ExecutableBaseName(u"Rostermaker-1.2.EXE"_s, PathStyle::Windows), u"Rostermaker-1.2"_s);
        QCOMPARE(ExecutableBaseName(u"rostermaker.exe"_s, PathStyle::Posix), u"rostermaker.exe"_s);
    }

    void locatePath_findsNamesWithoutRegardToCase()
    {
        if (NativePathStyle() == PathStyle::Windows)
            QSKIP("Windows disks do not tell case apart");
        GameFolder dir;
        dir.AddFile(u"Game/People/Tall/head_001.tga"_s);
        QCOMPARE(LocatePath(dir.Path() + u"/game\\people/TALL/HEAD_001.TGA"_s),
                 dir.Path(u"Game/People/Tall/head_001.tga"_s));
        // A missing tail keeps its spelling; an exact name wins over one that differs only in case.
        QCOMPARE(LocatePath(dir.Path() + u"/GAME/new/x.cfg"_s), dir.Path(u"Game/new/x.cfg"_s));
        dir.AddFile(u"Game/people/other.txt"_s);
        QCOMPARE(LocatePath(dir.Path(u"Game/people/other.txt"_s)), dir.Path(u"Game/people/other.txt"_s));
        // A relative path is found from the current folder.
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.Path(u"Game"_s)));
        QCOMPARE(LocatePath(u"PEOPLE/tall"_s), u"People/Tall"_s);
        QVERIFY(QDir::setCurrent(current));
    }

    void wildcard_data() { AddTableRows("wildcards.txt"); }
    void wildcard()
    {
        QFETCH(TableRow, row);
        const QString pattern = row[u"pattern"] + u'*'; // a view: the "*" after it is not the pattern's
        QCOMPARE(MatchesWildcard(row[u"file name"], QStringView(pattern).chopped(1)),
                 row[u"matches"] == u"yes");
    }

    void listings_ordinaryFilesAndFoldersInOrder()
    {
        GameFolder dir;
        for (const char* name : {"bravo.cfg", "Alpha.cfg", "Charlie.CFG", "1st.cfg", "_old.cfg", "(New).cfg",
                                 "a.cfg.bak", "f.cfg/x", "m/Cobalt/x", "m/amber/x", "m/Birch/x", "m/file"})
            dir.AddFile(QString::fromLatin1(name));
        AddHidden(dir, QString(), u"hidden.cfg"_s);
        AddHidden(dir, u"m/"_s, u"hidden/"_s);
        dir.AddFile(u"delta.cfg"_s);
        QVERIFY(QFile::setPermissions(dir.Path(u"delta.cfg"_s), QFileDevice::ReadOwner));
        // Symbols before digits before letters, without regard to case.
        QCOMPARE(ListFiles(dir.Path(), u"*.cfg"_s),
                 (QStringList{"(New).cfg", "_old.cfg", "1st.cfg", "Alpha.cfg", "bravo.cfg", "Charlie.CFG",
                              "delta.cfg"}));
        QCOMPARE(ListFiles(dir.Path(u"missing"_s), u"*"_s), QStringList());
        QCOMPARE(ListFiles(QString(), u"*"_s), QStringList());
        const auto m = [&dir](const char* name) {
            return dir.Path(u"m/"_s + QString::fromLatin1(name));
        };
        QCOMPARE(ListSubfolders(m("")).value_or(QStringList{"none"}),
                 (QStringList{m("amber"), m("Birch"), m("Cobalt")}));
        QCOMPARE(ListSubfolders(m("amber")).value_or(QStringList{"none"}), QStringList());
        for (const QString& none : {m("missing"), QString(), m("file")})
            QCOMPARE(ListSubfolders(none), std::nullopt);
        QVERIFY(CompareWithoutCase(u"alpha", u"Alpha") > 0 && CompareWithoutCase(u"Alp", u"alpha") < 0);
        QVERIFY(CompareWithoutCase(QStringView(u"ab!").first(2), u"ab ") < 0); // the shorter first, always
    }

    void windows1252_everyByteBothWays_noLookAlikes()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = DecodeWindows1252(all);
        QCOMPARE(text.mid(0x7F, 4) + text.mid(0x9E, 4) + DecodeWindows1252("\x80"), // one is mended too
                 u"\u007F\u20AC\u0081\u201A\u017E\u0178\u00A0\u00A1\u20AC"_s);
        QCOMPARE(EncodeWindows1252(text), all);
        QCOMPARE(EncodeWindows1252(u"a\u0416b\u4E2D\u0100\u0080"), QByteArray("a?b???"));
        SKIP_UNLESS_1252(true);
        QCOMPARE(EncodeFileText(u"\u0141\u20AC"), QByteArray("?\x80")); // no look-alike L
        // Each character that the code page cannot hold is named once.
        QCOMPARE(CharactersOutsideFileCodePage(u"Sn\u0438p\u0438r \u0416 \U0001F600 \U0001F601"),
                 u"\u0438\u0416\U0001F600\U0001F601"_s);
        // A surrogate without its other half is a character of its own.
        QCOMPARE(CharactersOutsideFileCodePage(u"a\xDC00z\xD83D!") +
                     CharactersOutsideFileCodePage(QStringView(u"\U0001F600").first(1)),
                 u"\xDC00\xD83D\xD83D"_s);
        QCOMPARE(CharactersOutsideFileCodePage(u"Sch\u00FCtze?"), QString());
    }

    void byteOrderMarks_chooseTheEncoding()
    {
        QCOMPARE(DecodeFileText("\xEF\xBB\xBFk,Caf\xC3\xA9"), u"k,Caf\u00E9"_s);
        QCOMPARE(DecodeFileText("\xEF\xBB"), DecodeWindows1252("\xEF\xBB")); // no whole mark
        QCOMPARE(DecodeFileText(QByteArray("\xFF\xFEk\0,\0\x42\x01", 8)) +
                     DecodeFileText(QByteArray("\xFE\xFF\0k", 4)),
                 u"k,\u0142k"_s);
    }

    void virtualKeyCode_data() { AddTableRows("virtual-keys.txt"); }
    void virtualKeyCode()
    {
        QFETCH(TableRow, row);
        // Keys by the character they type or their name; the Windows and the handler's codes of a Latin
        // letter or a digit are its own.
        const auto code = [](const QString& key, const QHash<QString, int>& named) {
            return named.value(key, key.at(0).toUpper().unicode());
        };
        const int qtKey = code(row[u"key"], {{u"Escape"_s, Qt::Key_Escape}, {u"F1"_s, Qt::Key_F1}});
        const int windowsKey =
            code(row[u"Windows key"],
                 {{u"Escape"_s, 0x1B}, {u"F1"_s, 0x70}, {u"OEM_COMMA"_s, 0xBC}, {u"OEM_1"_s, 0xBA}});
        QCOMPARE(VirtualKeyCode(qtKey, row[u"X11 code"].toUInt(), windowsKey),
                 code(row[u"virtual key"], {{u"Escape"_s, 27}, {u"none"_s, 0}}));
    }

#ifndef Q_OS_WIN
    // A stream on a terminal shows colours, one into a file not, and none when TERM says "dumb".
    void console_coloursOnATerminalUnlessDumb()
    {
        const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
        const int tty = open(ptsname(terminal), O_RDWR | O_NOCTTY);
        const int file = open("/dev/null", O_WRONLY);
        const int saved[] = {dup(STDOUT_FILENO), dup(STDERR_FILENO)};
        const QByteArray term = qgetenv("TERM");
        QList<bool> colours;
        using Case = std::tuple<const char*, int, int>; // TERM, standard output, standard error
        for (const auto& [name, output, error] :
             {Case("xterm", tty, file), Case("xterm", file, tty), Case("dumb", tty, tty)}) {
            qputenv("TERM", name);
            dup2(output, STDOUT_FILENO);
            dup2(error, STDERR_FILENO);
            const Utf8Console console;
            colours << console.ShowsColours(Utf8Console::Stream::Output)
                    << console.ShowsColours(Utf8Console::Stream::Error);
            dup2(saved[0], STDOUT_FILENO);
            dup2(saved[1], STDERR_FILENO);
        }
        term.isNull() ? qunsetenv("TERM") : qputenv("TERM", term);
        for (const int fd : {saved[0], saved[1], tty, file, terminal})
            close(fd);
        QCOMPARE(colours, QList<bool>({true, false, false, true, false, false}));
    }
#endif
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "platformtest.moc"
