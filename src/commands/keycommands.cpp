#include "commands/keycommands.h"

#include "platform/keys.h"

namespace {

constexpr int EscapeKey = 27;
constexpr int KeyA = 65;
constexpr int KeyC = 67;
constexpr int KeyS = 83;

} // namespace

KeyCommand KeyCommandFor(int keyCode, int shiftState)
{
    if (keyCode == EscapeKey)
        return KeyCommand::EndProgram;
    if (shiftState != AltBit)
        return KeyCommand::None;
    switch (keyCode) {
    case KeyA:
        return KeyCommand::ClearClass;
    case KeyS:
        return KeyCommand::SaveClass;
    case KeyC:
        return KeyCommand::EndProgram;
    default:
        return KeyCommand::None;
    }
}
