// KeyCodes over the stand-in's GetAsyncKeyState, which reads the X server's keymap.
#include "platform/tvutils/KeyCodes.h"
#include "platform/win32/keyboard.h"

namespace ut {
namespace {
bool down(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }
} // namespace

KeyCodes& KeyCodes::getInstance()
{
    static KeyCodes instance;
    return instance;
}

bool KeyCodes::isSpaceDown() const { return down(VK_SPACE); }
bool KeyCodes::isShiftDown() const { return down(VK_SHIFT); }
bool KeyCodes::isControlDown() const { return down(VK_CONTROL); }
bool KeyCodes::isControlOrCommandDown() const { return down(VK_CONTROL); }
bool KeyCodes::isAltDown() const { return down(VK_MENU); }
bool KeyCodes::isAltGrDown() const { return down(VK_RMENU); }
bool KeyCodes::isEscapeDown() const { return down(VK_ESCAPE); }

} // namespace ut
