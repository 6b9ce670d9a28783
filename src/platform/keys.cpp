#include "platform/keys.h"

#include <QChar>
#include <array>
#include <string_view>

namespace {

bool IsLatinLetter(int code)
{
    return code >= 'A' && code <= 'Z';
}

bool IsLatinLetterOrDigit(int code)
{
    return IsLatinLetter(code) || (code >= '0' && code <= '9');
}

#ifndef Q_OS_WIN
// The Latin letter of an X11 key code (the Linux input code plus 8), on the standard keyboard: the letter
// rows from key code 24 (Q), 38 (A) and 52 (Z).
int LetterOfX11KeyCode(quint32 keyCode)
{
    static constexpr std::array<std::pair<quint32, const char*>, 3> Rows = {{
        {24, "QWERTYUIOP"},
        {38, "ASDFGHJKL"},
        {52, "ZXCVBNM"},
    }};
    for (const auto& [first, letters] : Rows) {
        const std::string_view row(letters);
        if (keyCode >= first && keyCode < first + row.size())
            return row[keyCode - first];
    }
    return 0;
}
#endif

} // namespace

int VirtualKeyCode(int qtKey, quint32 nativeScanCode, quint32 nativeVirtualKey)
{
    if (IsLatinLetterOrDigit(qtKey))
        return qtKey; // Qt's codes for Latin letters and digits are the virtual-key codes
    if (qtKey == Qt::Key_Escape)
        return 27;
    // Qt gives the letters of other scripts as their Unicode values; punctuation has no command.
    if (qtKey > 0xFFFF || !QChar::isLetter(static_cast<char32_t>(qtKey)))
        return 0;
#ifdef Q_OS_WIN
    Q_UNUSED(nativeScanCode);
    const int letter = static_cast<int>(nativeVirtualKey);
    return IsLatinLetter(letter) ? letter : 0;
#else
    Q_UNUSED(nativeVirtualKey);
    return LetterOfX11KeyCode(nativeScanCode);
#endif
}

int ShiftState(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= ShiftBit;
    if (modifiers & Qt::ControlModifier)
        state |= CtrlBit;
    if (modifiers & Qt::AltModifier)
        state |= AltBit;
    return state;
}
