// The key-state calls of the Win32 stand-in, over the X server's keymap and pointer. Each says
// what it reproduces and leaves out.
#pragma once
#include "platform/win32/handles.h"

using SHORT = std::int16_t;
using PBYTE = BYTE*;

constexpr int VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_MBUTTON = 0x04;
constexpr int VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12, VK_CAPITAL = 0x14, VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_INSERT = 0x2D, VK_DELETE = 0x2E;
constexpr int VK_NUMPAD0 = 0x60, VK_F1 = 0x70;
constexpr int VK_LSHIFT = 0xA0, VK_RSHIFT = 0xA1, VK_LCONTROL = 0xA2, VK_RCONTROL = 0xA3;
constexpr int VK_LMENU = 0xA4, VK_RMENU = 0xA5;

// Reproduces: bit 0x8000 while the key or mouse button is down, for the mouse buttons, the
// modifier keys (either side, or the one asked; VK_RMENU is the right Alt or AltGr, the third
// level shift), letters, digits, F1 to F24, the numeric pad, navigation and editing keys, space,
// tab, return, escape, backspace and caps lock. Leaves out: bit 1 (pressed since the last call)
// and keys not listed. 0 without an X display.
SHORT GetAsyncKeyState(int vKey);
// Reproduces: the 256-entry table of the thread, 0x80 for a key down, as GetAsyncKeyState sees
// it; a table given with SetKeyboardState is the answer until a key goes up or down. Leaves out:
// the toggle bit (0x01) of caps, num and scroll lock.
BOOL GetKeyboardState(PBYTE lpKeyState);
BOOL SetKeyboardState(PBYTE lpKeyState);
