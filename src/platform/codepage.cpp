#include "platform/codepage.h"

#include <array>

#ifdef Q_OS_WIN
#include <QStringDecoder>
#include <QStringEncoder>
#endif

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes that it leaves undefined map to
// the control characters of the same value, as Windows' own conversion does.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char EncodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QString DecodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b >= 0x80 && b < 0xA0) ? HighControlRange[b - 0x80] : char16_t(b);
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

// Windows: Qt's "System" encoding is the ANSI code page there.
QString DecodeFileText(QByteArrayView bytes)
{
#ifdef Q_OS_WIN
    QStringDecoder decoder(QStringConverter::System);
    return decoder.decode(bytes);
#else
    return DecodeWindows1252(bytes);
#endif
}

QByteArray EncodeFileText(QStringView text)
{
#ifdef Q_OS_WIN
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
#else
    return EncodeWindows1252(text);
#endif
}
